#!/bin/sh
# The real program under Xvfb when things go wrong around it: started with no display, it
# ends at once with status 1 and one line saying what to set; in the computer's pause it
# answers a window manager's ping; ended by SIGHUP, SIGTERM or SIGINT, it saves the game;
# when the X server goes away between moves or in the middle of one, the file holds the
# game as it stood after the last whole move; and with its settings folder on a full file
# system, the previous saved game stays whole.
#   tests/app/e2e_faults.sh build/marlix-pentro [build/wm_ping]
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

saved() { saved_game "$registry"; }

# A fresh settings folder, the game started, its opening line saved, and a tap on the
# top-left horizontal line, or the one beside it when the computer opened there: TAPPED
# holds its x.
start_and_tap() {
  rm -rf "$XDG_CONFIG_HOME"
  start_game
  until_true "the opening line was not saved" saved_is "0 1 0 0"
  until_true "the opening line is not on the screen" board_is "0 1"
  if pixel_is 54 121 "$computer_h"; then tapped=116; else tapped=54; fi
  tap "$tapped" 121
}

# Waits for the program to end; its status in STATUS.
ended() {
  for _ in $(seq 150); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game" 2>/dev/null && fail "the program did not end"
  status=0
  wait "$game" || status=$?
}

echo "no display: status 1 at once, one line saying what to set"
for display in unset :64999; do
  status=0
  if [ "$display" = unset ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" >"$work/out" 2>"$work/err" || status=$?
  else
    DISPLAY=$display timeout 10 "$program" >"$work/out" 2>"$work/err" || status=$?
  fi
  cat "$work/err" >>"$work/game.log"
  [ "$status" = 1 ] || fail "with DISPLAY $display the program ended with $status"
  [ "$(wc -l <"$work/err")" = 1 ] || fail "with DISPLAY $display it said: $(cat "$work/err")"
  grep -q 'DISPLAY' "$work/err" || fail "the line names no DISPLAY: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "it wrote to standard output"
done
# It held nothing: a start on the display finds no other copy and shows its window.
start_game
quit_game

if [ $# -ge 2 ]; then
  echo "in the computer's pause the window answers a window manager's ping"
  start_and_tap
  # The pause is 600 ms; a window that answered only after it would take 400 ms or more.
  answered=$("$2" "$window") || fail "no answer to the ping"
  [ "$answered" -lt 250 ] || fail "the ping was answered after $answered ms"
  quit_game
fi

for signal in HUP TERM INT; do
  echo "SIGHUP, SIGTERM, SIGINT: the game is saved: $signal"
  start_and_tap
  until_true "the move was not saved" saved_is "1 2 0 0"
  # Taken away, the file can only come back from the save at the end.
  rm "$registry"
  kill -s "$signal" "$game"
  ended
  [ "$status" = 0 ] || fail "after SIG$signal the program ended with $status"
  saved_is "1 2 0 0" || fail "after SIG$signal the file holds $(saved)"
done

echo "the X server ends in the middle of a move: the game as it was before the move"
start_and_tap
until_true "the tapped line is not on the screen" pixel_is "$tapped" 121 "$user_h"
kill "${xvfb##* }"
ended
[ "$status" = 1 ] || fail "the program ended with $status"
grep -q 'connection to the display .* was lost' "$work/game.log" || fail "no word of the lost display"
# Within the computer's 600 ms pause; on a slow machine the move may have ended first.
case "$(saved)" in
  "0 1 0 0") echo "  saved before the move" ;;
  "1 2 0 0") echo "  the move had ended: saved after it" ;;
  *) fail "the file holds $(saved), not the game between two moves" ;;
esac

echo "the X server ends between moves: the game is saved"
new_display
start_and_tap
until_true "the move was not saved" saved_is "1 2 0 0"
rm "$registry"
kill "${xvfb##* }"
ended
[ "$status" = 1 ] || fail "the program ended with $status"
saved_is "1 2 0 0" || fail "the file holds $(saved)"

echo "the settings folder on a full file system: the previous saved game stays whole"
new_display
if ! unshare -rm true 2>/dev/null; then
  echo "  SKIPPED: no private mount namespace here (unshare -rm) for a small tmpfs"
else
  start_and_tap
  until_true "the move was not saved" saved_is "1 2 0 0"
  quit_game
  cp "$registry" "$work/before.reg"
  # In a mount namespace of its own: a 512 KiB tmpfs over the settings folder, holding the
  # saved game and filled to the last block, and the game started on it. What the game
  # left is copied out when it has ended.
  unshare -rm sh -c '
    mount -t tmpfs -o size=512k tmpfs "$XDG_CONFIG_HOME" || exit 9
    mkdir "$XDG_CONFIG_HOME/marlix-pentro" && cp "$1" "$XDG_CONFIG_HOME/marlix-pentro/registry.reg"
    dd if=/dev/zero of="$XDG_CONFIG_HOME/filler" bs=4096 2>/dev/null || true
    status=0
    "$2" || status=$?
    cp "$XDG_CONFIG_HOME/marlix-pentro/registry.reg" "$3/after.reg"
    ls -a "$XDG_CONFIG_HOME/marlix-pentro" >"$3/left"
    exit "$status"' sh "$work/before.reg" "$program" "$work" >>"$work/game.log" 2>&1 &
  game=$!
  games="$games $game"
  until_true "the window did not appear" find_window
  until_true "the saved board is not on the screen" board_is "1 2"
  tap 240 121
  tap 54 183
  sleep 1.5
  quit_game
  cmp -s "$work/before.reg" "$work/after.reg" || fail "the saved game changed: $(saved_game "$work/after.reg")"
  [ "$(saved_game "$work/after.reg")" = "1 2 0 0" ] || fail "the file holds $(saved_game "$work/after.reg")"
  if grep -q 'registry.reg.new' "$work/left"; then fail "a part-written file was left: $(cat "$work/left")"; fi
fi

echo "PASSED"
