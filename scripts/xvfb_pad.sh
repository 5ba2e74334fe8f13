#!/usr/bin/env bash
# Plays the real game window under Xvfb with a virtual gamepad and keeps
# screenshots of the window as the X server shows it: the game menu with the
# cursor where it rests, after the left stick has steered it onto "New game",
# and after A has started the game (tests/platform/xvfb/pad_window_test.cpp
# drives the pad inside the program's own window code). Then checks that the
# window showed it: the menu entry changed under the cursor, and A's new game
# replaced most of the picture. Needs xvfb-run and ImageMagick.
#
#   scripts/xvfb_pad.sh [BUILD_DIR] [OUT_DIR]
#
# Exit status non-zero when a step fails.
set -euo pipefail
build="${1:-build}"
out="$(realpath -m "${2:-$build/xvfb-pad}")"
mkdir -p "$out"
rm -f "$out"/[123]-*.png
VK3_PAD_SHOTS="$out" xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  "$build/tests/test_pad_window" --gtest_brief=1

# Pixels that differ between two shots, in the whole window or in a part (WxH+X+Y).
changed() {
  compare -metric AE "$out/$1${3:+[$3]}" "$out/$2${3:+[$3]}" null: 2>&1 || true
}
entry=$(changed 1-cursor-before.png 2-cursor-on-new-game.png 130x20+80+222)
scene=$(changed 2-cursor-on-new-game.png 3-after-a.png)
echo "\"New game\" entry: $entry pixels changed; after A: $scene of 307200 pixels changed"
[ "${entry%%.*}" -gt 100 ] || { echo "the window did not show the cursor on \"New game\""; exit 1; }
[ "${scene%%.*}" -gt 50000 ] || { echo "the window did not show the new game"; exit 1; }
echo "screenshots in $out"
