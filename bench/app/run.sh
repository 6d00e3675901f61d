#!/bin/sh
# Runs the start-up benchmark on a private Xvfb display:
#   bench/app/run.sh [build folder] [benchmark options]
set -eu
build=${1:-build}
[ $# -gt 0 ] && shift
# A display of our own: the server picks a free number and writes it to fd 3.
display=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -f "$display"' EXIT
for _ in $(seq 100); do [ -s "$display" ] && break; sleep 0.1; done
number=$(cat "$display")
[ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
unset WAYLAND_DISPLAY || true
DISPLAY=":$number" SDL_AUDIODRIVER=dummy "$build/bench/startup_bench" "$@"
