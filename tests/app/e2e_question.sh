#!/bin/sh
# The real program under Xvfb at the end of a game, while "Play again?" is open. Ended
# there by SIGTERM, by the close button or by kill -9, it leaves the board as it was when
# the question came (every box taken, `F` at 1); started again on it after the computer
# took the last box, the first tap ends that turn once and hands the move back. Taps and
# Enter made while the computer plays its last boxes do not answer the question.
#   tests/app/e2e_question.sh build/marlix-pentro build/wm_close
# Ends with 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"
wm_close=$(realpath "$2")

# One dword of the saved game: value NAME (names are told apart by case, as "f" and "F").
value() {
  sed -n "s/^\"$1\"=dword:\([0-9a-f]*\).*/\1/p" "$registry" 2>/dev/null | head -n 1
}
# The saved game as "USER COMPUTER f F first UserScore ComputerScore" (lines by side, then
# the flags and the scores), or "no file".
state() {
  [ -f "$registry" ] || { echo "no file"; return; }
  set -- $(saved_game "$registry")
  echo "$1 $2 $(($(printf '%d' "0x$(value f)"))) $(($(printf '%d' "0x$(value F)"))) $4" \
    "$(printf '%d' "0x$(value UserScore)") $(printf '%d' "0x$(value ComputerScore)")"
}
state_is() { [ "$(state)" = "$1" ]; }

# A saved game one move from its end, as the registry file: every line drawn and every box
# taken, 24 by each side, but the top-left box (cell 8), the player to move. `computer`: its
# top and left lines (cells 0 and 7) are free, so the player's top line hands the computer
# the last box; `player`: only its top line is free, and the player takes the last box.
seed_game() {
  mkdir -p "$(dirname "$registry")"
  rm -f "$registry"
  python3 - "$1" "$registry" <<'EOF'
import sys
finish, path = sys.argv[1], sys.argv[2]
occ, box = [0] * 161, [0] * 161
owner = 1
for r in range(8):
    for c in range(7):
        occ[22 * r + c] = owner; owner = -owner           # horizontal lines
    if r < 7:
        for k in range(8):
            occ[22 * r + 7 + 2 * k] = owner; owner = -owner  # vertical lines
taken = 0
for r in range(7):
    for c in range(7):
        b = 22 * r + 8 + 2 * c
        if b == 8:
            continue
        box[b], occ[b] = 15, (1 if taken % 2 else -1)
        taken += 1
occ[0] = 0
if finish == "computer":
    occ[7], box[8] = 0, 4 | 8
else:
    box[8] = 2 | 4 | 8
def words(values):
    return ",".join(",".join("%02x" % b for b in (v & 0xFFFFFFFF).to_bytes(4, "little")) for v in values)
with open(path, "w") as out:
    out.write("Windows Registry Editor Version 5.00\n\n")
    out.write("[HKEY_CURRENT_USER\\Software\\Marlix Pentro\\Status]\n")
    out.write('"UserScore"=dword:00000018\n"ComputerScore"=dword:00000018\n')
    out.write('"box"=hex:%s\n"occ"=hex:%s\n' % (words(box), words(occ)))
    out.write('"f"=dword:00000000\n"F"=dword:00000000\n"first"=dword:00000000\n')
EOF
}

# The top-left box's top line, and where the question's Yes button and its icon lie on the
# 480 x 640 screen.
top_x=54 top_y=121
yes_x=153 yes_y=386
icon_x=48 icon_y=308

question_open() { pixel_is "$icon_x" "$icon_y" "$question_disc"; }

# Waits for the program to end; its status in STATUS.
ended() {
  for _ in $(seq 150); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game" 2>/dev/null && fail "the program did not end"
  status=0
  wait "$game" || status=$?
}

# The question's icon colour, from a game whose question surely shows: the player takes
# the last box, nothing else queued.
seed_game player
MARLIX_PENTRO_PAUSES=0 start_game
until_true "the seeded board is not on the screen" state_is "56 55 0 0 0 24 24"
shot
question_disc_off=$(colours "$work/shot.png" $((X + icon_x)) $((Y + icon_y)))
tap "$top_x" "$top_y"

echo "the question is saved as it appears: the full board with F at 1"
until_true "the board at the question was not saved (it holds $(state))" state_is "57 55 0 1 0 25 24"
shot
question_disc=$(colours "$work/shot.png" $((X + icon_x)) $((Y + icon_y)))
[ "$question_disc" != "$question_disc_off" ] || fail "no question is on the screen"

echo "the close button during the question: the full board with F at 1"
"$wm_close" "$window"
ended
[ "$status" = 0 ] || fail "after the close button the program ended with $status"
state_is "57 55 0 1 0 25 24" || fail "after the close button the file holds $(state)"

for how in TERM KILL; do
  echo "SIG$how while the computer's last box asks the question: the full board with F at 1"
  seed_game computer
  MARLIX_PENTRO_PAUSES=0 start_game
  until_true "the seeded board is not on the screen" state_is "55 55 0 0 0 24 24"
  tap "$top_x" "$top_y"
  until_true "the board at the question was not saved (it holds $(state))" state_is "56 56 1 1 0 24 25"
  until_true "no question is on the screen" question_open
  kill -s "$how" "$game"
  ended
  [ "$how" = KILL ] || [ "$status" = 0 ] || fail "after SIG$how the program ended with $status"
  state_is "56 56 1 1 0 24 25" || fail "after SIG$how the file holds $(state)"
done

echo "started again there, the first tap ends the computer's turn at once and hands the move back"
MARLIX_PENTRO_PAUSES=0 start_game
sleep 0.5
state_is "56 56 1 1 0 24 25" || fail "the start changed the saved game to $(state)"
tap "$top_x" "$top_y"
until_true "the first tap left $(state)" state_is "56 56 0 0 0 24 25"
tap "$top_x" "$top_y"
sleep 0.5
state_is "56 56 0 0 0 24 25" || fail "the second tap left $(state)"
quit_game

echo "taps and Enter made while the computer plays its last box leave the question open"
seed_game computer
start_game
until_true "the seeded board is not on the screen" state_is "55 55 0 0 0 24 24"
# Within the computer's 600 ms pause: the player's line, then Enter and a tap where Yes
# will be, and one on the board.
tap "$top_x" "$top_y"
xdotool key --window "$window" Return
tap "$yes_x" "$yes_y"
tap 240 300
until_true "the board at the question was not saved (it holds $(state))" state_is "56 56 1 1 0 24 25"
until_true "no question is on the screen" question_open
sleep 1
question_open || fail "the question went without an answer"
state_is "56 56 1 1 0 24 25" || fail "the question was answered: the file holds $(state)"
echo "a tap on Yes made after it appeared answers it: a new game, opened by the computer"
tap "$yes_x" "$yes_y"
until_true "Yes did not start a new game (the file holds $(state))" state_is "0 1 0 0 0 0 0"
quit_game
echo "PASSED"
