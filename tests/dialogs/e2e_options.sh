#!/bin/sh
# The real program under Xvfb, its skin changed as a player would: Ctrl+O opens Options, a
# tap opens the skin list, a tap chooses "Skin3", a tap on "ok" in the task bar closes the
# dialog, the board shows the new skin and the registry file holds it.
#   tests/dialogs/e2e_options.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu

program=$(realpath "$1")
res=$(dirname "$program")/res
for tool in Xvfb xdotool import convert; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is missing (tools/install-deps.sh test installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb=""
game=""
cleanup() {
  for pid in $game $xvfb; do kill "$pid" 2>/dev/null || true; done
  for pid in $game $xvfb; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAILED: $*"
  [ ! -f "$work/shot.png" ] || cp "$work/shot.png" "${TMPDIR:-/tmp}/marlix-options-failed.png"
  exit 1
}

number=""
for n in $(seq 200 259); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    number=$n
    break
  fi
done
[ -n "$number" ] || fail "no free display number"
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$number" ] || fail "Xvfb did not start"

export DISPLAY=":$number" XDG_CONFIG_HOME="$work/config" MARLIX_PENTRO_SCALE=1 SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY MARLIX_PENTRO_SCREEN || true

until_true() {
  what=$1
  shift
  for _ in $(seq 100); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  fail "$what"
}

# Device pixels of the 480 x 640 screen: the middle of box (3, 3) of the board below the
# 52-pixel task bar, the skin list's box, its first row (lit while open) and its "Skin3"
# row, and the task bar's "ok".
board_x=240 board_y=$((52 + 286))
list_x=300 list_y=$((52 + 95))
lit_x=430 lit_y=$((52 + 115 + 2 + 16))
skin3_y=$((52 + 115 + 2 + 3 * 32 + 16))
ok_x=440 ok_y=25
# A pixel's colour as six hex digits.
colour() { convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:; }
white=FFFFFF
lit=1E469C
default_board=$(colour "$res/default_background_480x640.gif" $board_x 286)
skin3_board=$(colour "$res/skin3_background_480x640.gif" $board_x 286)
[ "$default_board" != "$skin3_board" ] || fail "the two skins look alike at the point looked at"

window=""
find_window() {
  window=$(xdotool search --name '^Marlix Pentro$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
pixel_is() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$work/shot.png"
  [ "$(colour "$work/shot.png" $((X + $1)) $((Y + $2)))" = "$3" ]
}
tap() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

"$program" >"$work/game.log" 2>&1 &
game=$!
until_true "the window did not appear" find_window
until_true "the board is not in the default skin" pixel_is $board_x $board_y "$default_board"

echo "Ctrl+O opens Options"
xdotool mousemove --window "$window" 240 300 key --clearmodifiers ctrl+o
until_true "the Options dialog is not on the screen" pixel_is $board_x $board_y $white

echo "a tap opens the skin list, a tap chooses Skin3"
tap $list_x $list_y
until_true "the skin list did not open" pixel_is $lit_x $lit_y $lit
tap $list_x $skin3_y
until_true "the skin list did not close" pixel_is $lit_x $lit_y $white

echo "ok shows the board in Skin3"
tap $ok_x $ok_y
until_true "the board is not in Skin3" pixel_is $board_x $board_y "$skin3_board"
grep -q '^"Skin"=dword:00000003' "$XDG_CONFIG_HOME/marlix-pentro/registry.reg" || fail "Skin 3 is not in the registry"

xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
wait "$game" || fail "the program ended with $?"
game=""
echo "PASSED"
