#!/bin/sh
# Runs the tap benchmark on a private Xvfb display with a private sound server (PulseAudio
# with a null sink), optionally under a window manager, and then the sound benchmark (what
# a tap's sound costs the game's thread) through the same server:
#   bench/app/tap.sh [build folder] [benchmark options]
#   MARLIX_WM=openbox bench/app/tap.sh build-rel
set -eu
build=$(realpath "${1:-build}")
[ $# -gt 0 ] && shift
options="$*"
# The tests' display and sound server, with their clean-up at the end.
set -- "$build/marlix-pentro"
. "$(dirname "$0")/../../tests/app/e2e_lib.sh"
start_sound_server
if [ -n "${MARLIX_WM:-}" ]; then
  "$MARLIX_WM" >"$work/wm.log" 2>&1 &
  games="$games $!"
  sleep 1
fi
# shellcheck disable=SC2086
"$build/bench/tap_bench" $options
"$build/bench/sound_bench"
