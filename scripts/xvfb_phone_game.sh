#!/usr/bin/env bash
# Plays the phone game in the real program under Xvfb with the mouse, and
# the ending: a save.qzd written here holds two games in the bunker room, one
# where the gamer is ready to be asked for his mallet and one where the
# patient only waits for the last talk. The script loads the first, asks the
# gamer, and plays his game by moving the mouse with xdotool under the lowest
# enemy it sees on the screen (import grabs the lane several times a second);
# then it loads the second and clicks the ending through to the end picture.
# Screenshots: the game running, its end, the room after it, the end picture.
# Needs Xvfb, xdotool and ImageMagick's import, and a build whose game menu
# loads saved games.
#
#   scripts/xvfb_phone_game.sh [BUILD_DIR] [OUT_DIR]
#
# The program runs from a copy in a fresh folder. Exit status non-zero when a
# step fails; the outcome of the phone game is printed (a person's reflexes
# are not the point: the screenshots and the win or loss are).
set -euo pipefail
build="${1:-build}"
out="$(realpath -m "${2:-$build/xvfb-phone}")"
mkdir -p "$out"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb_game.sh"
xvfb_prepare "$build"
python3 "$here/xvfb_phone_game.py" save "$work/save.qzd"
xvfb_start_game "$out/game.log"
python3 "$here/xvfb_phone_game.py" play "$out"
echo "screenshots in $out"
