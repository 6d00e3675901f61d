#!/bin/sh
# The game's generator is its own: the program exports no rand or srand for a library
# loaded beside it to bind to, and a library that seeds and draws the C library's generator
# from a thread of its own all through a game leaves the computer's moves as they were.
#   tests/app/e2e_generator.sh build/marlix-pentro build/librand_caller.so
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"
caller=$(realpath "$2")
[ -f "$caller" ] || fail "no library $caller"

echo "the program exports no rand or srand"
command -v nm >/dev/null 2>&1 || fail "nm is missing"
exported=$(nm -D --defined-only "$program" | awk '$3 ~ /^s?rand(@|$)/ { print $3 }')
[ -z "$exported" ] || fail "the program exports $exported"

# The saved board: the owners of the cells as the file writes them, over several lines.
board() { awk '/^"occ"=/ { on = 1 } on { print; if ($0 !~ /\\$/) exit }' "$registry"; }

# A fresh game with the pauses off and six taps, one at a time; the saved board after each,
# in $work/NAME.boards. The program runs with the environment given after NAME.
play() {
  name=$1
  shift
  rm -rf "$XDG_CONFIG_HOME"
  env MARLIX_PENTRO_PAUSES=0 "$@" "$program" >>"$work/game.log" 2>&1 &
  game=$!
  games="$games $game"
  until_true "the window did not appear" find_window
  [ $# -eq 0 ] || grep -q "$caller" "/proc/$game/maps" || fail "the library was not loaded"
  until_true "the opening line was not saved" grep -q '^"first"=dword:00000000' "$registry"
  : >"$work/$name.boards"
  for at in "54 121" "116 121" "178 121" "54 183" "116 245" "240 307"; do
    before=$(board)
    tap $at
    # A tap on a drawn line changes nothing to wait for.
    for _ in $(seq 20); do [ "$(board)" = "$before" ] || break; sleep 0.1; done
    sleep 0.2
    board >>"$work/$name.boards"
  done
  quit_game
}

echo "a game alone"
play alone
echo "the same game with a library drawing from the C library's generator on another thread"
# The sanitizers' runtime would rather come first; the library is loaded before it here.
play beside LD_PRELOAD="$caller" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
cmp -s "$work/alone.boards" "$work/beside.boards" || fail "the computer played otherwise: $(diff "$work/alone.boards" "$work/beside.boards" | head -c 600)"
echo "PASSED"
