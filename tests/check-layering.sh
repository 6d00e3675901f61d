#!/bin/sh
# The layering rules no compiler checks: only platform/ includes SDL, and the game core
# includes nothing outside game/ but the standard library.
set -eu
cd "$(dirname "$0")/.."
status=0

# The start-up benchmark's floor is a bare SDL2 program by design: no part of the game.
sdl=$(git grep -n -E '#\s*include\s*[<"]SDL' -- ':!platform/host/' ':!bench/app/floor.cpp' || true)
if [ -n "$sdl" ]; then
  echo "SDL included outside platform/host/:"
  echo "$sdl"
  status=1
fi

core=$(git grep -n -E '#\s*include\s*"' -- 'game/' | grep -v -E '#\s*include\s*"game/' || true)
if [ -n "$core" ]; then
  echo "game/ includes something outside itself:"
  echo "$core"
  status=1
fi

[ "$status" -eq 0 ] && echo "layering: only platform/host/ knows SDL; game/ stands alone"
exit "$status"
