#!/bin/sh
# The real program under Xvfb, its skin changed as a player would: Ctrl+O opens Options, a
# tap opens the skin list, a tap chooses "Skin3", a tap on "ok" in the task bar closes the
# dialog, the board shows the new skin and the registry file holds it.
#   tests/dialogs/e2e_options.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/../app/e2e_lib.sh"

# Device pixels of the 480 x 640 screen: the middle of box (3, 3) of the board below the
# 52-pixel task bar, the skin list's box, its first row (lit while open) and its "Skin3"
# row, and the task bar's "ok".
board_x=240 board_y=$((52 + 286))
list_x=300 list_y=$((52 + 95))
lit_x=430 lit_y=$((52 + 115 + 2 + 16))
skin3_y=$((52 + 115 + 2 + 3 * 32 + 16))
ok_x=440 ok_y=25
white=FFFFFF
lit=1E469C
default_board=$(colours "$res/default_background_480x640.gif" $board_x 286)
skin3_board=$(colours "$res/skin3_background_480x640.gif" $board_x 286)
[ "$default_board" != "$skin3_board" ] || fail "the two skins look alike at the point looked at"

start_game
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
grep -q '^"Skin"=dword:00000003' "$registry" || fail "Skin 3 is not in the registry"

quit_game
echo "PASSED"
