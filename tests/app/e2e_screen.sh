#!/bin/sh
# The real program under Xvfb asked for a screen size by MARLIX_PENTRO_SCREEN: a size whose
# pictures are there is shown without a word; one whose pictures are missing (a copy of the
# program without them) is refused in one line on standard error naming it, and the game
# plays at the default 480 x 640.
#   tests/app/e2e_screen.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

# Starts a program with the screen size asked; what it says on stderr in $work/said.
start_asking() {
  MARLIX_PENTRO_SCREEN=$2 "$1" >"$work/said" 2>&1 &
  game=$!
  games="$games $game"
  until_true "the window did not appear" find_window
}
window_is() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "${WIDTH}x$HEIGHT" = "$1" ]
}

echo "a size whose pictures are there: shown, nothing said"
start_asking "$program" 240x320
until_true "the window is not 240 x 320" window_is 240x320
quit_game
[ ! -s "$work/said" ] || fail "it said: $(cat "$work/said")"

echo "the same size without its pictures: one line, and the game at 480 x 640"
mkdir "$work/copy"
cp -R "$program" "$res" "$work/copy/"
rm "$work/copy/res/"*_240x320.gif
rm -rf "$XDG_CONFIG_HOME"
start_asking "$work/copy/$(basename "$program")" 240x320
until_true "the window is not 480 x 640" window_is 480x640
until_true "the computer's opening line is not on the screen" board_is "0 1"
quit_game
[ "$(wc -l <"$work/said")" = 1 ] || fail "it said: $(cat "$work/said")"
grep -q '"240x320"' "$work/said" || fail "the line names no size: $(cat "$work/said")"
echo "PASSED"
