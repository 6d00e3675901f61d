#!/bin/sh
# The real program under Xvfb playing through a sound server of its own (PulseAudio with a
# null sink): the start sound and a tap's sound reach the sink, and with the server frozen
# or killed mid-game taps are still answered and Ctrl+Q still ends the program with the
# game saved.
#   tests/app/e2e_sound.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool, ImageMagick or PulseAudio is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

start_sound_server
record_sink

# Taps a line that neither side has drawn and waits until it shows as the user's: the
# leftmost horizontal lines of the point rows first.
tap_free_line() {
  shot
  for y in 121 183 245 307 369 431 493 555; do
    for x in 54 116 178 240 302 364 426; do
      case $(colours "$work/shot.png" $((X + x)) $((Y + y))) in
        "$user_h" | "$computer_h") continue ;;
      esac
      tap "$x" "$y"
      # Answered at once (in milliseconds); a game that waits for the sound server waits
      # 30 seconds for a frozen one.
      within 10 "the line tapped at $x,$y is not drawn" pixel_is "$x" "$y" "$user_h"
      return 0
    done
  done
  fail "no free line left"
}
sink_grew() { [ "$(sink_sound)" -gt "$1" ]; }
# Waits until the sink has been silent for half a second.
sink_quiet() {
  heard=$(sink_sound)
  sleep 0.5
  [ "$(sink_sound)" = "$heard" ]
}

echo "the start sound reaches the sound server"
start_game
until_true "the start sound did not reach the sink" sink_grew 0

echo "a tap's sound reaches the sound server"
until_true "the sink did not fall silent" sink_quiet
heard=$(sink_sound)
tap_free_line
until_true "the tap's sound did not reach the sink" sink_grew "$heard"

echo "taps are answered with the sound server frozen, then killed, mid-game"
sleep 1
tap_free_line
kill -STOP "$sound_server"
tap_free_line
sleep 3 # the output closes while the server cannot answer
tap_free_line
kill_sound_server
tap_free_line

echo "Ctrl+Q still saves the game"
quit_game
grep -q '^"occ"=hex:' "$registry" || fail "no board in the saved game"
echo "PASSED"
