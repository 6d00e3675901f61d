#!/bin/sh
# The real program under Xvfb, played as a player would: a fresh settings folder, the
# window appears with the computer's opening line, a tap on a free line draws it and the
# computer answers, Ctrl+Q ends the program with the game saved, the next start shows the
# same board, and a second copy started meanwhile ends at once, leaving one window.
#   tests/app/e2e.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

# The 480 x 640 layout below the 52-pixel task bar: the middle of every line, and the
# colours of the default skin's user and computer sprites there, from the sheets.
lines=""
points=""
for r in 0 1 2 3 4 5 6 7; do
  for c in 0 1 2 3 4 5 6; do
    lines="$lines h"
    points="$points $((16 + 14 + 62 * c + 24)) $((52 + 62 + 62 * r + 7))"
  done
  [ "$r" -lt 7 ] || continue
  for k in 0 1 2 3 4 5 6 7; do
    lines="$lines v"
    points="$points $((16 + 62 * k + 7)) $((52 + 62 + 14 + 62 * r + 24))"
  done
done
read -r user_h computer_h <<EOF2
$(colours "$res/horizontal_lines_480x640.gif" 24 7 72 7)
EOF2
read -r user_v computer_v <<EOF2
$(colours "$res/vertical_lines_480x640.gif" 7 24 7 72)
EOF2

# Counts the user's and the computer's lines on the screen: "USER COMPUTER".
count_lines() {
  shot
  on_screen=""
  set -- $points
  while [ $# -gt 1 ]; do
    on_screen="$on_screen $((X + $1)) $((Y + $2))"
    shift 2
  done
  set -- $(colours "$work/shot.png" $on_screen)
  user=0
  computer=0
  for kind in $lines; do
    if [ "$kind" = h ]; then u=$user_h cpu=$computer_h; else u=$user_v cpu=$computer_v; fi
    [ "$1" != "$u" ] || user=$((user + 1))
    [ "$1" != "$cpu" ] || computer=$((computer + 1))
    shift
  done
  echo "$user $computer"
}
board_is() { [ "$(count_lines)" = "$1" ]; }

echo "start with a fresh settings folder"
start_game
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 480 ] && [ "$HEIGHT" = 640 ] || fail "the window is ${WIDTH}x$HEIGHT"
until_true "the computer's opening line is not on the screen" board_is "0 1"

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
