#!/usr/bin/env bash
# The real program's start under Xvfb: milliseconds from launch until its
# first window (the start panel) is mapped, the median of N runs.
# Needs Xvfb, a C compiler and libx11-dev.
#
#   bench/launch/launch_time.sh [BUILD_DIR] [RUNS]
#
# Each run starts the game from a copy in a fresh folder (an empty save.qzd,
# no window.cfg), with the dummy audio driver.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build-rel}"
runs="${2:-9}"
work="$(mktemp -d)"
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

cc -O2 -o "$work/window_mapped" "$here/window_mapped.c" -lX11
cp "$build/varnoklet3" "$work/"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

times=()
for _ in $(seq "$runs"); do
  rm -f "$work/save.qzd" "$work/window.cfg"
  times+=("$(cd "$work" && DISPLAY="$display" SDL_AUDIODRIVER=dummy ./window_mapped ./varnoklet3)")
done
printf '%s\n' "${times[@]}" | sort -n |
  awk '{ t[NR] = $1 } END { printf "launch to window mapped: median %.1f ms of %d runs (%.1f to %.1f)\n", t[int((NR + 1) / 2)], NR, t[1], t[NR] }'
