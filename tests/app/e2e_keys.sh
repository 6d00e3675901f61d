#!/bin/sh
# The real program under Xvfb, played with the keyboard alone at 240 x 320 and 480 x 640:
# the arrows and Enter draw a line, then Tab and Space draw the next free line until the
# game ends and asks whether to play again; N declines, Ctrl+Q saves the finished game;
# at the next start F9 (the New Game soft key) asks to restart and Y starts a new game.
#   tests/app/e2e_keys.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

# A saved value of the registry file as a number: saved NAME
saved() {
  value=$(sed -n "s/^\"$1\"=dword:\([0-9a-f]*\).*/\1/p" "$registry")
  [ -n "$value" ] || fail "no $1 saved"
  echo $((0x$value))
}

# Keys to the window: press KEY...
press() { xdotool mousemove --window "$window" 1 1 key --clearmodifiers --delay 20 "$@"; }

for screen in 240x320 480x640; do
  echo "== $screen"
  export MARLIX_PENTRO_SCREEN=$screen
  rm -rf "$XDG_CONFIG_HOME"
  width=${screen%x*}
  height=${screen#*x}
  s=$((width / 240))
  # The message box's white face inside both its edges (it leaves 8 pixels of the screen
  # on either side, times the scale), half way down the window between the bars.
  box_left=$((12 * s)) box_right=$((width - 12 * s)) box_middle=$((height / 2))
  question_shown() {
    shot
    [ "$(colours "$work/shot.png" $((X + box_left)) $((Y + box_middle)) $((X + box_right)) $((Y + box_middle)))" = \
      "FFFFFF FFFFFF" ]
  }

  start_game
  until_true "the computer's opening line was not saved" saved_is "0 1 0 0"
  echo "the arrows and Enter, then Tab and Space to the end of the game"
  press Right Down Return
  keys=""
  for _ in $(seq 115); do keys="$keys Tab space"; done
  # shellcheck disable=SC2086
  press $keys
  # The computer's pauses are real: a game takes most of a minute.
  within 120 "the end-of-game question did not come" question_shown
  press n
  quit_game
  total=$(($(saved UserScore) + $(saved ComputerScore)))
  [ "$total" = 49 ] || fail "the saved game has $total boxes taken, not 49"

  echo "F9 and Y start a new game"
  start_game
  press F9
  until_true "the restart question did not come" question_shown
  press y
  until_true "the new game's opening line was not saved" saved_is "0 1 0 0"
  quit_game
  [ "$(saved UserScore) $(saved ComputerScore) $(saved first)" = "0 0 0" ] ||
    fail "no new game with its opening line was saved"
done
echo "PASSED"
