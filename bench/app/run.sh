#!/bin/sh
# Runs the start-up benchmark on a private Xvfb display, the game playing through a private
# sound server (PulseAudio with a null sink) when PulseAudio is installed, else through
# SDL's dummy sound driver:
#   bench/app/run.sh [build folder] [benchmark options]
set -eu
build=$(realpath "${1:-build}")
[ $# -gt 0 ] && shift
options="$*"
# The tests' display and sound server, with their clean-up at the end.
set -- "$build/marlix-pentro"
. "$(dirname "$0")/../../tests/app/e2e_lib.sh"
if command -v pulseaudio >/dev/null 2>&1 && command -v pacat >/dev/null 2>&1; then
  start_sound_server
  echo "sound: a private PulseAudio server"
else
  echo "sound: SDL's dummy driver (PulseAudio is not installed)"
fi
# shellcheck disable=SC2086
"$build/bench/startup_bench" $options
