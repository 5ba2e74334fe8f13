#!/usr/bin/env bash
# The real program in a real window under Xvfb: what a still scene, a moving
# mouse and the phone game cost the processor, and how much memory the game
# holds, with each way of showing frames side by side.
#
#   bench/window/window_bench.sh [BUILD_DIR] [SECONDS]
#
# GAME=path/to/varnoklet3 measures another build of the game (an older one,
# say) with this build's harness.
#
# Needs Xvfb, xdotool, x11-utils and ImageMagick (import), and BUILD_DIR with
# varnoklet3 and varnoklet3-play (the harness finds the hotspots' places and
# prepares a saved game just before the phone game). For each output -- the
# program's own choice (no variable set), SDL_RENDER_DRIVER=opengl and
# SDL_RENDER_DRIVER=software -- it runs the game twice from a fresh folder:
#   - in a 640x480 window at 1x: the station with the cursor resting on the
#     wire and its label showing (SECONDS, default 10, of CPU time over wall
#     time), the mouse moving over the station, the phone game, and the
#     resident and anonymous memory (VmRSS, RssAnon) in the still scene;
#   - in full screen at 3x (a 2560x1600 screen): the still scene, the mouse
#     moving, and how many of the 3x3 blocks inside the label's text are not
#     one flat colour (text enlarged with the picture gives 0%).
# CPU is the game process's user + system time from /proc, as % of one core.
# The X server's own time is shown beside it (it does the copying to the
# screen that the game hands it). Screenshots of the 3x label go to SHOTS_DIR
# when that is set, with the station at 1x and the phone game.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-build-rel}" && pwd)"
seconds="${2:-10}"
work="$(mktemp -d)"
display=":$((200 + RANDOM % 100))"
trap 'kill "${game:-}" 2>/dev/null || true; kill "${wm:-}" 2>/dev/null || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb "$display" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# --- the places of the hotspots, and a saved game in the gamer's room ---
mkdir -p "$work/prep"
{
  echo "panel lang 1"
  echo "start"
  for id in 15 16; do echo "spot $id"; echo "print mouseX"; echo "print mouseY"; done
  echo "click"
  echo "spot 25"; echo "print mouseX"; echo "print mouseY"
  echo "spot 15"; echo "click"; echo "idle"
  echo "expect scene == 10"
  echo "spot 20"; echo "print mouseX"; echo "print mouseY"
  echo "spot 46"; echo "print mouseX"; echo "print mouseY"
  # the bunker chapter's own script up to the gamer's game, then into his room
  sed -n "/^goto 56/,/^# The gamer's game, lost once/p" "$here/../../tests/play/bunker_chapter.play"
  printf 'spot 166\nclick\nspot 4\nclick\nspot 160\nclick\nexpect scene == 57\n'
  echo "spot 162"; echo "print mouseX"; echo "print mouseY"
  echo "spot 20"; echo "click"; echo "spot 17"; echo "click"; echo "spot 25"; echo "click"; echo "idle"
  echo "expect scene == 57"
} > "$work/prep.play"
mapfile -t coords < <("$build/varnoklet3-play" --dir "$work/prep" "$work/prep.play" | awk '/^mouse[XY] = /{ print $3 }')
[ "${#coords[@]}" -eq 12 ] || { echo "the harness did not find the hotspots" >&2; exit 1; }
# drawing-area positions: new game, load list, first slot, menu strip, wire, gamer
read -r newX newY loadX loadY slotX slotY stripX stripY wireX wireY gamerX gamerY <<<"${coords[*]}"

# nanoseconds of CPU time of all threads of a process (the scheduler's count)
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
# % of one core the game and the X server used while running "$@"
measure() {
  local g0 x0 t0 g1 x1 t1
  g0=$(cpu_ns "$game"); x0=$(cpu_ns "$xvfb"); t0=$(date +%s%N)
  "$@"
  g1=$(cpu_ns "$game"); x1=$(cpu_ns "$xvfb"); t1=$(date +%s%N)
  awk -v g="$((g1 - g0))" -v x="$((x1 - x0))" -v t="$((t1 - t0))" \
    'BEGIN { printf "%.2f%% (X %.1f%%)", 100 * g / t, 100 * x / t }'
}
rest() { sleep "$seconds"; }
wander() {  # the mouse over the station for SECONDS, 60 moves a second
  local end=$(( $(date +%s) + seconds )) i=0
  while [ "$(date +%s)" -lt "$end" ]; do
    xdotool mousemove $((ox + scale * (150 + (i * 7) % 300))) $((oy + scale * (200 + (i * 3) % 150)))
    i=$((i + 1)); sleep 0.016
  done
}
at() { xdotool mousemove $((ox + scale * $1 + scale / 2)) $((oy + scale * $2 + scale / 2)); sleep 0.3; }
click_at() { at "$1" "$2"; xdotool click 1; sleep 0.4; }
memory() { awk '/^VmRSS|^RssAnon/ { printf "%s %.1f MB  ", $1, $2 / 1024 }' "/proc/$game/status"; }

# Label crispness: the 3x3 blocks of the label's white ink box (below the cursor).
blocks_score() {
  import -window root -crop "$((scale * 640))x$((scale * 480))+$ox+$oy" -depth 8 "$work/shot.ppm"
  if [ -n "${SHOTS_DIR:-}" ]; then convert "$work/shot.ppm" "$SHOTS_DIR/label-3x-$1.png"; fi
  python3 - "$work/shot.ppm" "$scale" "$wireX" "$wireY" <<'PY'
import re, sys
path, s, mx, my = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
data = open(path, 'rb').read()
head = re.match(rb'P6\s+(\d+)\s+(\d+)\s+255\s', data)
w, h, px = int(head.group(1)), int(head.group(2)), data[head.end():]
def at(x, y): i = 3 * (y * w + x); return px[i:i + 3]
# the label hangs 15 px below the mouse, 15 px high: its white ink's box
top, bottom = (my + 12) * s, (my + 36) * s
def white(x, y): return min(at(x, y)) >= 0xf0  # outputs widen 565 white to 8 bits in their own ways
xs = [x for y in range(top, min(bottom, h)) for x in range(w) if white(x, y)]
ys = [y for y in range(top, min(bottom, h)) for x in range(w) if white(x, y)]
if not xs: print("no label"); sys.exit()
x0, x1, y0, y1 = min(xs) // s, max(xs) // s + 1, min(ys) // s, max(ys) // s + 1
n = mixed = 0
for by in range(y0, y1):
    for bx in range(x0, x1):
        first = at(bx * s, by * s)
        flat = all(at(bx * s + dx, by * s + dy) == first for dy in range(s) for dx in range(s))
        n += 1; mixed += 0 if flat else 1
print("%.0f%% of %d blocks" % (100.0 * mixed / n, n))
PY
}

run() {  # $1 output name, $2 SDL_RENDER_DRIVER ("" for none), $3 1 = full screen at 3x
  local name="$1" driver="$2" full="$3" dir="$work/run-$1-$3"
  mkdir -p "$dir"
  cp "${GAME:-$build/varnoklet3}" "$dir/varnoklet3"; [ -d "$build/gamedata" ] && cp -r "$build/gamedata" "$dir/"
  cp "$work/prep/save.qzd" "$dir/"
  printf 'scale=1\nfullscreen=%s\n' "$full" > "$dir/window.cfg"
  # Full screen needs a window manager to take the window to the screen's size.
  if [ "$full" = 1 ]; then openbox --sm-disable >/dev/null 2>&1 & wm=$!; sleep 2; fi
  ( cd "$dir" && if [ -n "$driver" ]; then export SDL_RENDER_DRIVER="$driver"; fi
    exec ./varnoklet3 >/dev/null 2>&1 ) &
  game=$!
  local panel
  panel=$(xdotool search --sync --name "VKIII" | head -1)
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  xdotool mousemove $((X + 245)) $((Y + 248)) click 1
  sleep 2
  if [ "$full" = 1 ]; then scale=3; ox=320; oy=80; else scale=1; ox=50; oy=50; fi
  click_at "$newX" "$newY"
  at 320 470   # nowhere: Enter walks through the opening narration
  for _ in $(seq 8); do xdotool key Return; sleep 0.3; done
  at "$wireX" "$wireY"; sleep 1
  local still moving phone="" mem="" crisp=""
  if [ -n "${SHOTS_DIR:-}" ] && [ "$full" = 0 ]; then
    import -window root -crop 640x480+50+50 "$SHOTS_DIR/station-1x-$name.png"
  fi
  still=$(measure rest)
  [ "$full" = 0 ] && mem=$(memory)
  [ "$full" = 1 ] && crisp=$(blocks_score "$name")
  moving=$(measure wander)
  if [ "$full" = 0 ]; then
    click_at "$stripX" "$stripY"; click_at "$loadX" "$loadY"; click_at "$slotX" "$slotY"
    at 320 470   # nowhere: Enter takes the "loaded" message away
    for _ in $(seq 3); do xdotool key Return; sleep 0.3; done
    click_at "$gamerX" "$gamerY"
    at 320 470
    for _ in $(seq 6); do xdotool key Return; sleep 0.3; done
    at 320 300
    if [ -n "${SHOTS_DIR:-}" ]; then
      import -window root -crop 640x480+50+50 "$SHOTS_DIR/phone-1x-$name.png"
    fi
    phone=$(measure rest)
  fi
  kill "$game"; wait "$game" 2>/dev/null || true; game=""
  if [ -n "${wm:-}" ]; then kill "$wm"; wait "$wm" 2>/dev/null || true; wm=""; fi
  if [ "$full" = 0 ]; then
    printf '%-9s 1x window     still %-20s mouse moving %-20s phone game %-20s %s\n' "$name" "$still" "$moving" "$phone" "$mem"
  else
    printf '%-9s 3x full screen still %-20s mouse moving %-20s label blocks not flat: %s\n' "$name" "$still" "$moving" "$crisp"
  fi
}

echo "uptime: $(uptime)"
for full in 0 1; do
  run chosen "" "$full"
  run opengl opengl "$full"
  run software software "$full"
done
echo "uptime: $(uptime)"
