#!/bin/sh
# The layering rules no compiler checks: only platform/ includes SDL, and the game core
# includes nothing outside game/ but the standard library. And two the build's include views
# rest on: nothing below app/ includes app/, and no include climbs with ../.
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

# The program's arrows point down: app/ is on top, and nothing below it, nor the tools that
# draw with its parts, includes it. The build's include views say the same for every
# folder; here it is said without a build, and for the top of the program by name.
upward=$(git grep -n -E '#\s*include\s*[<"]app/' -- game/ view/ settings/ sound/ dialogs/ tools/ || true)
if [ -n "$upward" ]; then
  echo "A folder below app/ includes app/:"
  echo "$upward"
  status=1
fi

# An include that climbs out of its folder (../) would side-step the include views.
climbing=$(git grep -n -E '#\s*include\s*[<"][^>"]*\.\./' || true)
if [ -n "$climbing" ]; then
  echo "An include climbs with ../:"
  echo "$climbing"
  status=1
fi

[ "$status" -eq 0 ] && echo "layering: only platform/host/ knows SDL; game/ includes nothing outside itself"
[ "$status" -eq 0 ] && echo "layering: nothing below app/ includes it; no include climbs with ../"
exit "$status"
