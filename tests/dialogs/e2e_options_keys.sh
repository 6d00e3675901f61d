#!/bin/sh
# The real program under Xvfb, its settings changed with the keyboard alone at 240 x 320
# and 480 x 640: F10 opens the Menu soft key's menu and Enter its Options, Space clears
# "Play sounds", Tab goes to the skin list and Down chooses Skin3, Enter is Done; then the
# Menu key, Options, Shift+Tab round to the list, Alt+Down opens it, Up and Enter choose
# Skin2, Tab and Space tick "Play sounds" again and Enter is Done. The board shows each skin and
# the registry file holds both settings.
#   tests/dialogs/e2e_options_keys.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/../app/e2e_lib.sh"

press() { xdotool mousemove --window "$window" 1 1 key --clearmodifiers --delay 50 "$@"; }

for screen in 240x320 480x640; do
  echo "== $screen"
  export MARLIX_PENTRO_SCREEN=$screen
  rm -rf "$XDG_CONFIG_HOME"
  s=$((${screen%x*} / 240))
  # The middle of box (3, 3) below the task bar, in the window and in the backgrounds.
  board_x=$((120 * s)) board_y=$((143 * s)) bar=$((26 * s))
  skin_at() { colours "$res/$1_background_$screen.gif" $board_x $board_y; }
  board_is() { pixel_is $board_x $((bar + board_y)) "$1"; }

  start_game
  until_true "the board is not in the default skin" board_is "$(skin_at default)"

  echo "F10, Enter: Options; Space, Tab, Down Down Down, Enter"
  press F10 Return space Tab Down Down Down Return
  until_true "the board is not in Skin3" board_is "$(skin_at skin3)"
  grep -q '^"Skin"=dword:00000003' "$registry" || fail "Skin 3 is not in the registry"
  grep -q '^"Sound"=dword:00000000' "$registry" || fail "the sounds are not off in the registry"

  echo "Menu, Enter: Options; Shift+Tab, Alt+Down, Up, Enter, Tab, Space, Enter"
  press Menu Return shift+Tab alt+Down Up Return Tab space Return
  until_true "the board is not in Skin2" board_is "$(skin_at skin2)"
  grep -q '^"Skin"=dword:00000002' "$registry" || fail "Skin 2 is not in the registry"
  grep -q '^"Sound"=dword:00000001' "$registry" || fail "the sounds are not on in the registry"
  quit_game
done
echo "PASSED"
