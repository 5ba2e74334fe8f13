# xvfb_game.sh: sourced by the scripts that play the real program under Xvfb.
#
#   xvfb_prepare BUILD_DIR   copies the program into a fresh folder ($work)
#   xvfb_start_game LOG      starts Xvfb on a free display (1024x768) and the
#                            program from $work, its output into LOG
#   panel_click X Y          clicks the start panel at X, Y of its window,
#                            which lies centred on the screen at ($px, $py)
#   game_click X Y           clicks the game at X, Y from the picture's origin
#                            ($gx, $gy on the screen)
#   game_shot FILE           saves the game's window as $out/FILE
#
# Everything started is ended, and $work removed, when the script exits.
xvfb_prepare() {
  work="$(mktemp -d)"
  cp "$1/varnoklet3" "$work/"
  xvfb=""
  game=""
  trap xvfb_cleanup EXIT
}

xvfb_cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}

xvfb_start_game() {
  local display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY="$display" SDL_AUDIODRIVER=dummy
  sleep 1
  (cd "$work" && exec ./varnoklet3) >"$1" 2>&1 &
  game=$!
  sleep 2
}

# The start panel's window (428x270) is centred on the 1024x768 screen.
px=$(((1024 - 428) / 2)); py=$(((768 - 270) / 2))
panel_click() { xdotool mousemove $((px + $1)) $((py + $2)) click 1; sleep 0.4; }

# The game: a borderless 640x480 window at (50,50); the picture's origin (53,105).
gx=$((50 + 53)); gy=$((50 + 105))
game_click() { xdotool mousemove $((gx + $1)) $((gy + $2)); sleep 0.15; xdotool click 1; sleep 0.3; }
game_shot() { sleep 0.3; import -window root -crop "640x480+50+50" "$out/$1"; }
