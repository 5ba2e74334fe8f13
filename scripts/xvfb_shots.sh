#!/usr/bin/env bash
# Plays the real program under Xvfb with the mouse, as a player would, and
# takes screenshots: the start panel in Czech, its language list open, the
# panel in English after choosing "en", then (window mode, start button) the
# game menu, two games saved into slots 0 and 4, and the load list showing
# them. Needs Xvfb, xdotool and ImageMagick's import.
#
#   scripts/xvfb_shots.sh [BUILD_DIR] [OUT_DIR]
#
# The program runs from a copy in a fresh folder, so its save.qzd starts
# empty and stays there. Exit status non-zero when a step fails.
set -euo pipefail
build="${1:-build}"
out="${2:-$build/xvfb-shots}"
mkdir -p "$out"
source "$(cd "$(dirname "$0")" && pwd)/xvfb_game.sh"
xvfb_prepare "$build"
xvfb_start_game "$out/game.log"

panel_shot() { import -window root -crop "428x270+$px+$py" "$out/$1"; }

panel_shot panel-cz.png
panel_click 175 249                  # the language list opens (upwards)
panel_shot panel-language-list.png
panel_click 170 229                  # "en"
panel_shot panel-en.png
panel_click 100 249                  # the display-mode list
panel_click 80 191                   # "Window"
panel_shot panel-en-window.png
cmp -s <(head -c 3 "$work/save.qzd" | od -An -tu1) <(printf '   0   1   1\n') ||
  { echo "save.qzd does not hold Window, English, sounds on"; exit 1; }
panel_click 243 249                  # start
sleep 1

game_shot menu.png
game_click 70 127                    # New game
for _ in 1 2 3 4 5 6; do game_click 260 200; done   # the narration, then the message
save_into() {
  game_click 260 -90                 # the strip along the top: the menu
  game_click 85 157                  # Save game
  game_click "$1" "$2"               # the slot
  game_click 260 200                 # the message goes
}
save_into 304 132                    # slot 0
save_into 388 182                    # slot 4
game_click 260 -90
game_click 85 142                    # Load game
xdotool mousemove $((gx + 304)) $((gy + 132)); sleep 0.5
game_shot load-list-two-saves.png
echo "screenshots in $out"
