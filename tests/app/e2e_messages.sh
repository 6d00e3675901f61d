#!/bin/sh
# What the real program says on its standard error about its set-up, under Xvfb: a
# MARLIX_PENTRO_SCALE that names no factor is said in one line with the factor used
# instead; sound the machine cannot play is said in at most one line of the game's own and
# none of the sound library's; a good factor and a sound driver that works say nothing.
#   tests/app/e2e_messages.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"

# Starts a fresh game with these variables, quits it and leaves what it wrote in
# $work/game.log.
run_with() {
  : >"$work/game.log"
  runs=$((${runs:-0} + 1))
  export XDG_CONFIG_HOME="$work/config$runs"
  env "$@" "$program" >>"$work/game.log" 2>&1 &
  game=$!
  games="$games $game"
  until_true "the window did not appear" find_window
  # The computer's opening line, with its sound, has been played.
  until_true "the computer's opening line is not on the screen" board_is "0 1"
  sleep 0.5
  quit_game
}

for factor in x 0 2.5 -1 3abc; do
  echo "MARLIX_PENTRO_SCALE=$factor"
  run_with MARLIX_PENTRO_SCALE="$factor"
  said=$(wc -l <"$work/game.log")
  [ "$said" = 1 ] || fail "$said lines on stderr for MARLIX_PENTRO_SCALE=$factor"
  grep -q "MARLIX_PENTRO_SCALE=$factor is not a whole number.*factor [0-9][0-9]*,.*is used instead" \
    "$work/game.log" || fail "the line does not say the factor used: $(cat "$work/game.log")"
done

echo "a good factor and the dummy sound driver: nothing on stderr"
run_with MARLIX_PENTRO_SCALE=1
[ ! -s "$work/game.log" ] || fail "the game said: $(cat "$work/game.log")"

echo "the desktop's own sound driver, with or without a card: one line of the game's at most"
# No sound server of the test's: the machine's own, or ALSA's card, or none.
run_with -u SDL_AUDIODRIVER -u PULSE_SERVER MARLIX_PENTRO_SCALE=1
if grep -q "ALSA lib" "$work/game.log"; then fail "the sound library spoke: $(cat "$work/game.log")"; fi
said=$(wc -l <"$work/game.log")
[ "$said" -le 1 ] || fail "$said lines on stderr: $(cat "$work/game.log")"
[ "$said" = 0 ] || grep -q "^marlix-pentro: no sound: " "$work/game.log" || fail "not about sound: $(cat "$work/game.log")"
echo "PASSED"
