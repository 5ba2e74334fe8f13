#!/usr/bin/env bash
# Builds the libraries of the browser build (SDL2, SDL2_ttf, SDL2_mixer with
# WAV and MOD through libmodplug, FreeType, libjpeg-turbo, zlib) for
# WebAssembly from Debian's own source packages into a cached prefix, once.
# Reaches nothing but Debian's archive: no git clone, no Emscripten port.
#
#   bash scripts/web_deps.sh          prints nothing but the prefix when it is built
#   VK3_WEB_DEPS=DIR                  where the prefix lives (default: the user's cache)
#
# Needs Emscripten and dpkg-dev (scripts/web.sh installs them).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=scripts/web_env.sh
source "$here/web_env.sh"

# Bump when the recipe changes: a prefix built by an older recipe is rebuilt.
recipe=1
prefix="${VK3_WEB_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/varnoklet3/web-deps}"
stamp="$prefix/.built-$recipe"
if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
src_list=/etc/apt/sources.list.d/varnoklet3-bookworm-src.sources
if ! apt-get source --print-uris -qq libsdl2 >/dev/null 2>&1; then
  echo "Adding Debian 12's source packages to apt ($src_list)" >&2
  $SUDO tee "$src_list" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  $SUDO apt-get update -qq
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/vk3-web-deps.XXXXXX")"
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
jobs="$(nproc)"

fetch() {  # fetch PACKAGE -> prints its unpacked source folder
  local into="$work/$1"
  mkdir -p "$into"
  (cd "$into" && apt-get source -qq --only-source "$1" >/dev/null 2>&1) ||
    { echo "apt-get source $1 failed" >&2; exit 1; }
  find "$into" -maxdepth 1 -mindepth 1 -type d | head -n 1
}

cm() {  # cm SOURCE_DIR [cmake options...]: configures, builds and installs
  local dir="$1"; shift
  emcmake cmake -S "$dir" -B "$dir/build-wasm" -G "Unix Makefiles" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VK3_WASM_NODE" \
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=OFF \
    "$@" >"$dir/configure.log" 2>&1 || { tail -n 40 "$dir/configure.log" >&2; exit 1; }
  cmake --build "$dir/build-wasm" -j"$jobs" >"$dir/build.log" 2>&1 || { tail -n 40 "$dir/build.log" >&2; exit 1; }
  cmake --install "$dir/build-wasm" >/dev/null
}

echo "zlib" >&2
d="$(fetch zlib)"
(cd "$d" && CFLAGS="-O2" emconfigure ./configure --static --prefix="$prefix" >configure.log 2>&1 &&
   emmake make -j"$jobs" libz.a >build.log 2>&1 && emmake make install >>build.log 2>&1) ||
  { tail -n 40 "$d"/*.log >&2; exit 1; }

echo "libjpeg-turbo" >&2
d="$(fetch libjpeg-turbo)"
cm "$d" -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF

echo "freetype" >&2
d="$(fetch freetype)"
cm "$d" -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_REQUIRE_ZLIB=ON -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"

echo "SDL2" >&2
d="$(fetch libsdl2)"
cm "$d" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL2_DISABLE_SDL2MAIN=ON

echo "libmodplug" >&2
d="$(fetch libmodplug)"
(cd "$d" && emconfigure ./configure --prefix="$prefix" --disable-shared --enable-static \
   >configure.log 2>&1 && emmake make -j"$jobs" >build.log 2>&1 && emmake make install >>build.log 2>&1) ||
  { tail -n 40 "$d"/*.log >&2; exit 1; }

echo "SDL2_ttf" >&2
d="$(fetch libsdl2-ttf)"
cm "$d" -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF \
  -DSDL2_DIR="$prefix/lib/cmake/SDL2" -DFREETYPE_LIBRARY="$prefix/lib/libfreetype.a" \
  -DFREETYPE_INCLUDE_DIRS="$prefix/include/freetype2"

echo "SDL2_mixer" >&2
d="$(fetch libsdl2-mixer)"
cm "$d" -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF \
  -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_OPUS=OFF \
  -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_MOD=ON -DSDL2MIXER_MOD_MODPLUG=ON -DSDL2MIXER_MOD_XMP=OFF \
  -DSDL2MIXER_MOD_MODPLUG_SHARED=OFF -DSDL2MIXER_WAVE=ON -DSDL2_DIR="$prefix/lib/cmake/SDL2" \
  -DPkgConfig_EXECUTABLE=/usr/bin/pkg-config

# The static SDL2_ttf and SDL2_mixer install no .pc file: the game links them by path.
for lib in SDL2_mixer modplug SDL2_ttf freetype SDL2 jpeg z; do
  [ -f "$prefix/lib/lib$lib.a" ] || { echo "lib$lib.a was not installed into $prefix/lib" >&2; exit 1; }
done
touch "$stamp"
echo "$prefix"
