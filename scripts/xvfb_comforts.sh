#!/usr/bin/env bash
# Plays the real program under Xvfb with the keyboard comforts and keeps
# screenshots: the first scene of a new game plain, with H held (every
# hotspot marked), after a Tab (the cursor on the first hotspot in reading
# order, its label shown), after two more Tabs and a Shift+Tab, and the game
# menu that Escape opens. Needs Xvfb, xdotool and ImageMagick's import.
#
#   scripts/xvfb_comforts.sh [BUILD_DIR] [OUT_DIR]
#
# The program runs from a copy in a fresh folder (its window.cfg and
# save.qzd start empty, so the comforts are on). Exit status non-zero when a
# step fails.
set -euo pipefail
build="${1:-build}"
out="${2:-$build/xvfb-comforts}"
mkdir -p "$out"
source "$(cd "$(dirname "$0")" && pwd)/xvfb_game.sh"
xvfb_prepare "$build"
xvfb_start_game "$out/game.log"

panel_click 175 249                  # the language list
panel_click 170 229                  # "en"
panel_click 100 249                  # the display-mode list
panel_click 80 191                   # "Window"
panel_click 243 249                  # start
sleep 1

key() { xdotool key "$@"; sleep 0.3; }
game_click 70 127                    # New game
for _ in 1 2 3 4 5 6; do game_click 260 200; done   # the narration, then the message
xdotool mousemove $((gx + 480)) $((gy + 250)); sleep 0.3
game_shot scene-plain.png
xdotool keydown h; sleep 0.5
game_shot scene-h-held.png
xdotool keyup h; sleep 0.3
game_shot scene-h-released.png
key Tab
game_shot scene-tab-1.png
key Tab
key Tab
key shift+Tab
game_shot scene-tab-3-shift-tab.png
key Escape
game_shot escape-menu.png
key Escape
game_shot escape-back.png
echo "screenshots in $out"
