#!/bin/sh
# The real program under Xvfb, played as a player would: a fresh settings folder, the
# window appears with the computer's opening line (cell 61, as on the handheld), a tap on a
# free line draws it and the computer answers, Ctrl+Q ends the program with the game saved,
# the next start shows the same board, and a second copy started meanwhile ends at once,
# leaving one window.
#   tests/app/e2e.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

echo "start with a fresh settings folder"
start_game
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 480 ] && [ "$HEIGHT" = 640 ] || fail "the window is ${WIDTH}x$HEIGHT"
until_true "the computer's opening line is not on the screen" board_is "0 1"
# The handheld's generator, which the game never seeds, opens every fresh program on the
# same line: cell 61, the sixth vertical line of the third row.
pixel_is 333 276 "$computer_v" || fail "the opening line is not cell 61"

echo "tap a free line"
# The top-left horizontal line, or the one beside it when the computer opened there.
if pixel_is 54 121 "$computer_h"; then tap 116 121; else tap 54 121; fi
until_true "the tapped line and the computer's answer are not on the screen" board_is "1 2"

echo "Ctrl+Q saves the game"
quit_game
grep -q 'Software\\Marlix Pentro\\Status\]' "$registry" || fail "no saved game"
grep -q '^"occ"=hex:' "$registry" || fail "no board in the saved game"

echo "the next start shows the same board"
start_game
until_true "the saved board is not on the screen" board_is "1 2"
sleep 0.5
board_is "1 2" || fail "the board changed after the start"

echo "a second copy ends at once and leaves one window"
second_status=0
"$program" >>"$work/game.log" 2>&1 || second_status=$?
[ "$second_status" = 0 ] || fail "the second copy ended with $second_status"
windows=$(xdotool search --name '^Marlix Pentro$' 2>/dev/null | wc -l)
[ "$windows" = 1 ] || fail "$windows windows"

echo "F2 turns the screen"
xdotool mousemove --window "$window" 240 300 key F2
turned() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 640 ] && [ "$HEIGHT" = 480 ]
}
until_true "the window did not turn" turned

quit_game
echo "PASSED"
