#!/usr/bin/env bash
# The game in a web browser.
#
#   bash scripts/web.sh          installs what is missing, builds the page and
#                                serves it at http://127.0.0.1:8080/ (loopback only)
#   bash scripts/web.sh build    only installs and builds (build-web/www/)
#   bash scripts/web.sh test     builds and runs the browser tests in headless Chromium
#
# The page is built with Debian's Emscripten from the same sources as the
# desktop game; its libraries come from Debian's source packages
# (scripts/web_deps.sh, built once into a cache), its pictures, texts and
# sounds from the normal build in build/. VK3_WEB_PORT changes the port;
# VK3_SHOTS names a folder for the tests' screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-serve}"
case "$mode" in serve|build|test) ;; *) echo "usage: bash scripts/web.sh [build|test]" >&2; exit 2 ;; esac

bash scripts/deps.sh emscripten chromium python3-websocket dpkg-dev

# shellcheck source=scripts/web_env.sh
source scripts/web_env.sh
deps="$(bash scripts/web_deps.sh | tail -n 1)"
jobs="$(nproc)"

# The pictures, the text table and the sounds of a normal build.
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs" --target vk3_pictures vk3_texts vk3_gamedata

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DVK3_WEB_DEPS="$deps" \
  -DVK3_HOST_BUILD="$PWD/build" -DCMAKE_CROSSCOMPILING_EMULATOR="$VK3_WASM_NODE" "${launcher[@]}" >/dev/null
cmake --build build-web -j"$jobs"

case "$mode" in
  build) echo "Built: build-web/www/" ;;
  test) /usr/bin/python3 scripts/web_test.py build-web/www ;;
  serve)
    port="${VK3_WEB_PORT:-8080}"
    echo "Serving the game at http://127.0.0.1:$port/ (Ctrl+C stops)"
    exec /usr/bin/python3 scripts/web_serve.py build-web/www "$port" ;;
esac
