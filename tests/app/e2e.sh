#!/bin/sh
# The real program under Xvfb, played as a player would: a fresh settings folder, the
# window appears with the computer's opening line, a tap on a free line draws it and the
# computer answers, Ctrl+Q ends the program with the game saved, the next start shows the
# same board, and a second copy started meanwhile ends at once, leaving one window.
#   tests/app/e2e.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu

program=$(realpath "$1")
res=$(dirname "$program")/res
for tool in Xvfb xdotool import convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is missing (tools/install-deps.sh test installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb=""
games=""
cleanup() {
  for pid in $games $xvfb; do kill "$pid" 2>/dev/null || true; done
  for pid in $games $xvfb; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAILED: $*"
  for log in "$work/game.log" "$work/xvfb.log"; do
    [ -s "$log" ] && { echo "--- $log"; cat "$log"; }
  done
  exit 1
}

# A display of our own: the server picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
number=$(cat "$work/display")
[ -n "$number" ] || fail "Xvfb did not start"

export DISPLAY=":$number" XDG_CONFIG_HOME="$work/config" MARLIX_PENTRO_SCALE=1 SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY MARLIX_PENTRO_SCREEN || true

# Within ten seconds, or fail.
until_true() {
  what=$1
  shift
  for _ in $(seq 100); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  fail "$what"
}

window=""
find_window() {
  window=$(xdotool search --name '^Marlix Pentro$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
windows() { xdotool search --name '^Marlix Pentro$' 2>/dev/null | wc -l; }

# The 480 x 640 layout below the 52-pixel task bar: the middle of every line, and the
# colours of the default skin's user and computer sprites there, from the sheets.
lines=""
for r in 0 1 2 3 4 5 6 7; do
  for c in 0 1 2 3 4 5 6; do lines="$lines h:$((16 + 14 + 62 * c + 24)):$((52 + 62 + 62 * r + 7))"; done
  [ "$r" -lt 7 ] || continue
  for k in 0 1 2 3 4 5 6 7; do lines="$lines v:$((16 + 62 * k + 7)):$((52 + 62 + 14 + 62 * r + 24))"; done
done
# One pixel as "red,green,blue" (each channel on its own: ImageMagick prints larger
# numbers rounded).
colour() { echo "%[fx:int(255*p{$1,$2}.r+.5)],%[fx:int(255*p{$1,$2}.g+.5)],%[fx:int(255*p{$1,$2}.b+.5)]"; }
user_h=$(convert "$res/horizontal_lines_480x640.gif" -format "$(colour 24 7)" info:)
computer_h=$(convert "$res/horizontal_lines_480x640.gif" -format "$(colour 72 7)" info:)
user_v=$(convert "$res/vertical_lines_480x640.gif" -format "$(colour 7 24)" info:)
computer_v=$(convert "$res/vertical_lines_480x640.gif" -format "$(colour 7 72)" info:)

# Counts the user's and the computer's lines on the screen: "USER COMPUTER".
count_lines() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$work/shot.png"
  format=""
  for line in $lines; do
    x=${line#*:}
    y=${x#*:}
    x=${x%%:*}
    format="$format $(colour $((X + x)) $((Y + y)))"
  done
  set -- $(convert "$work/shot.png" -format "$format" info:)
  user=0
  computer=0
  for line in $lines; do
    kind=${line%%:*}
    if [ "$kind" = h ]; then u=$user_h cpu=$computer_h; else u=$user_v cpu=$computer_v; fi
    [ "$1" = "$u" ] && user=$((user + 1))
    [ "$1" = "$cpu" ] && computer=$((computer + 1))
    shift
  done
  echo "$user $computer"
}
board_is() { [ "$(count_lines)" = "$1" ]; }

start_game() {
  "$program" >>"$work/game.log" 2>&1 &
  game=$!
  games="$games $game"
  until_true "the window did not appear" find_window
}

quit_game() {
  xdotool mousemove --window "$window" 240 300
  xdotool key --clearmodifiers ctrl+q
  for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  wait "$game" || fail "the program ended with $?"
}

echo "start with a fresh settings folder"
start_game
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 480 ] && [ "$HEIGHT" = 640 ] || fail "the window is ${WIDTH}x$HEIGHT"
until_true "the computer's opening line is not on the screen" board_is "0 1"

echo "tap a free line"
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$work/shot.png"
# The top-left horizontal line, or the one beside it when the computer opened there.
tap_x=54
if [ "$(convert "$work/shot.png" -format "$(colour $((X + 54)) $((Y + 121)))" info:)" = "$computer_h" ]; then
  tap_x=116
fi
xdotool mousemove --window "$window" "$tap_x" 121 click 1
until_true "the tapped line and the computer's answer are not on the screen" board_is "1 2"
cp "$work/shot.png" "$work/played.png"

echo "Ctrl+Q saves the game"
quit_game
grep -q 'Software\\Marlix Pentro\\Status\]' "$XDG_CONFIG_HOME/marlix-pentro/registry.reg" || fail "no saved game"
grep -q '^"occ"=hex:' "$XDG_CONFIG_HOME/marlix-pentro/registry.reg" || fail "no board in the saved game"

echo "the next start shows the same board"
start_game
until_true "the saved board is not on the screen" board_is "1 2"
sleep 0.5
board_is "1 2" || fail "the board changed after the start"

echo "a second copy ends at once and leaves one window"
second_status=0
"$program" >>"$work/game.log" 2>&1 || second_status=$?
[ "$second_status" = 0 ] || fail "the second copy ended with $second_status"
[ "$(windows)" = 1 ] || fail "$(windows) windows"

echo "F2 turns the screen"
xdotool mousemove --window "$window" 240 300 key F2
turned() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 640 ] && [ "$HEIGHT" = 480 ]
}
until_true "the window did not turn" turned

quit_game
echo "PASSED"
