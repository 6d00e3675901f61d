#!/bin/sh
# A running copy is found only by its own user: under Xvfb, a process of another user
# (nobody) that holds the name a running copy is found by, answering like one, does not keep
# the game from starting; a request from that user to a running game changes nothing; and
# the same user's second copy still brings the first to the front and ends.
#   tests/app/e2e_instance.sh build/marlix-pentro
# The other user's part needs root, setpriv and /usr/bin/python3; bringing to the front
# needs openbox. Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

name="marlix-pentro/$(id -u)/$DISPLAY/PENTRO/Marlix Pentro"
python=/usr/bin/python3
stranger=""
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null 2>&1 && [ -x "$python" ]; then
  stranger="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi

# A window manager, so a window can be minimised and brought back.
! command -v openbox >/dev/null 2>&1 || start_window_manager

if [ -n "$stranger" ]; then
  echo "another user's process holds the name and answers like a running copy: the game starts"
  # shellcheck disable=SC2086
  $stranger "$python" -c '
import select, socket, sys
listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
listener.bind("\0" + sys.argv[1])
listener.listen(8)
print("ready", flush=True)
while True:
    client, _ = listener.accept()
    try:
        client.recv(1)
        client.send(b"Y")
    except OSError:
        pass
    client.close()
' "$name" >"$work/stranger.out" 2>&1 &
  holder=$!
  others="$others $holder"
  until_true "the other user's process did not start" grep -q ready "$work/stranger.out"
  start_game
  told=$(grep -c "cannot tell whether the game runs already" "$work/game.log" || true)
  [ "$told" = 1 ] || fail "the game said $told times that it could not look for a running copy"
  quit_game
  kill "$holder"
  wait "$holder" 2>/dev/null || true
fi

mapped() { xwininfo -id "$window" | grep -q 'Map State: IsViewable'; }
minimised() { ! mapped; }

start_game
: >"$work/game.log"
if [ -n "$stranger" ]; then
  echo "a request from another user to the running game changes nothing"
  [ -z "${others# }" ] || { xdotool windowminimize "$window"; until_true "the window was not minimised" minimised; }
  # shellcheck disable=SC2086
  answer=$($stranger "$python" -c '
import socket, sys
peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
peer.settimeout(3)
peer.connect("\0" + sys.argv[1])
try:
    peer.send(b"R")
    print(peer.recv(1).decode() or "nothing")
except OSError:  # the game closed the connection unanswered
    print("nothing")
' "$name") || fail "the other user could not reach the game at all"
  [ "$answer" = nothing ] || fail "the game answered another user: $answer"
  # What is not to happen has no moment to wait for: a raise would show within this.
  sleep 0.5
  [ -z "${others# }" ] || minimised || fail "another user brought the game to the front"
  kill -0 "$game" || fail "the game ended"
fi

echo "the same user's second copy brings the first to the front and ends"
[ -z "${others# }" ] || { minimised || { xdotool windowminimize "$window"; until_true "the window was not minimised" minimised; }; }
status=0
"$program" >>"$work/game.log" 2>&1 || status=$?
[ "$status" = 0 ] || fail "the second copy ended with $status"
[ -z "${others# }" ] || until_true "the first copy did not come to the front" mapped
windows=$(xdotool search --name '^Marlix Pentro$' 2>/dev/null | wc -l)
[ "$windows" = 1 ] || fail "$windows windows"
! grep -q "cannot tell" "$work/game.log" || fail "the second copy could not look for the first"
quit_game
echo "PASSED"
