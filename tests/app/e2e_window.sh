#!/bin/sh
# The desktop window under a window manager (openbox), on large screens, as the window
# manager reports its frame: F2 keeps the whole frame inside the work area on 1600 x 1200
# and 1280 x 1024 screens; maximised and fullscreen windows show a 480 x 640 screen at least
# 1.8 times larger on 1600 x 1200, where a tap on a line's middle pixel draws that line;
# fullscreen and back gives the window back as it was, maximised or at its size and place;
# Super+Up is the desktop's and never shows the line cursor.
#   tests/app/e2e_window.sh build/marlix-pentro
# Ends with 77 (skipped) when Xvfb, xdotool, ImageMagick, openbox or wmctrl is missing.
set -eu
. "$(dirname "$0")/e2e_lib.sh"
for tool in openbox wmctrl xprop xwininfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is missing (tools/install-deps.sh test installs it)"
    exit 77
  fi
done
unset MARLIX_PENTRO_SCALE  # the window takes the factor that fits, as a player's does
export MARLIX_PENTRO_PAUSES=0

# A screen of the given size with openbox on it; the game's settings start afresh.
screen_with_window_manager() {
  for pid in $games $others; do kill "$pid" 2>/dev/null || true; done
  for pid in $games $others; do wait "$pid" 2>/dev/null || true; done
  games="" others=""
  new_display "$1"
  rm -rf "$XDG_CONFIG_HOME"
  start_window_manager
}

# The window's frame as the window manager keeps it, in FRAME_LEFT FRAME_TOP FRAME_RIGHT
# FRAME_BOTTOM (exclusive), the client area in X Y WIDTH HEIGHT, and its states in STATE.
frame() {
  info=$(xwininfo -id "$window")
  X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
  WIDTH=$(echo "$info" | sed -n 's/.*Width: *//p')
  HEIGHT=$(echo "$info" | sed -n 's/.*Height: *//p')
  set -- $(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g')
  FRAME_LEFT=$((X - ${1:-0})) FRAME_RIGHT=$((X + WIDTH + ${2:-0}))
  FRAME_TOP=$((Y - ${3:-0})) FRAME_BOTTOM=$((Y + HEIGHT + ${4:-0}))
  STATE=$(xprop -id "$window" _NET_WM_STATE)
}

# Whether the whole frame lies inside the desktop's work area.
inside_work_area() {
  frame
  set -- $(xprop -root _NET_WORKAREA | sed 's/.*= *//; s/,//g')
  [ "$FRAME_LEFT" -ge "$1" ] && [ "$FRAME_TOP" -ge "$2" ] && [ "$FRAME_RIGHT" -le $(($1 + $3)) ] &&
    [ "$FRAME_BOTTOM" -le $(($2 + $4)) ]
}
landscape() { frame; [ "$WIDTH" -gt "$HEIGHT" ]; }

# Waits up to ten seconds for a check to hold; false if it never does (the caller says why,
# with what holds by then).
eventually() {
  for _ in $(seq 100); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# The width of the screen's picture in the window, across its middle row (the backdrop is
# trimmed away on both sides; a border of it makes a one-row picture trim).
shown_width() {
  frame
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "${WIDTH}x1+$X+$((Y + HEIGHT / 2))" +repage -bordercolor "#16171a" -border 1 \
    -trim -format "%w" info: 2>/dev/null
}
# Whether the picture is at least 1.8 times the 480-pixel screen.
large_enough() { [ "$(shown_width)" -ge 864 ]; }

# A tap on the middle pixel of the top left horizontal line (device pixel 54, 121), mapped
# through the fractional factor the window shows, draws the user's line there.
tap_line_middle() {
  width=$(shown_width)
  frame
  height=$((width * 640 / 480))
  left=$(((WIDTH - width) / 2)) top=$(((HEIGHT - height) / 2))
  at_x=$((left + (2 * 54 + 1) * width / 960)) at_y=$((top + (2 * 121 + 1) * height / 1280))
  tap "$at_x" "$at_y"
  # The window's place as xwininfo tells it: xdotool counts a maximised window's frame twice.
  drawn() {
    frame
    import -window root "$work/shot.png"
    [ "$(colours "$work/shot.png" $((X + at_x)) $((Y + at_y)))" = "$user_h" ]
  }
  eventually drawn || fail "a tap at ($at_x, $at_y), a line's middle at $width pixels wide, did not draw it"
}

for size in 1600x1200 1280x1024; do
  echo "F2 on a $size screen keeps the window inside the work area"
  screen_with_window_manager "$size"
  start_game
  until_true "the window is not inside the work area at the start" inside_work_area
  xdotool key --window "$window" F2
  until_true "the window did not turn" landscape
  # The window manager places it after the turn.
  eventually inside_work_area || fail "after F2 the frame $FRAME_LEFT,$FRAME_TOP-$FRAME_RIGHT,$FRAME_BOTTOM is outside the work area $(xprop -root _NET_WORKAREA)"
  xdotool key --window "$window" F2
  until_true "the window did not turn back" sh -c '! landscape'
  eventually inside_work_area || fail "after F2 twice the frame $FRAME_LEFT,$FRAME_TOP-$FRAME_RIGHT,$FRAME_BOTTOM is outside the work area"
done

echo "Super+Up is the desktop's: the line cursor stays hidden"
screen_with_window_manager 1600x1200
start_game
until_true "the computer's opening line is not on the screen" board_is "0 1"
frame
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/before.png"
xdotool key --window "$window" super+Up
sleep 0.3
xdotool key --window "$window" super+Up
sleep 0.5
frame
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/after.png"
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
[ "$changed" = 0 ] || fail "Super+Up changed $changed pixels of the window (the line cursor showed)"

echo "fullscreen from a normal window: at least 1.8 times, taps on the line, back at its size and place"
frame
normal="$X $Y $WIDTH $HEIGHT"
xdotool key --window "$window" F11
eventually large_enough || fail "fullscreen shows the screen less than 1.8 times larger ($(shown_width) pixels wide)"
tap_line_middle
xdotool key --window "$window" F11
back_at_own() { frame; [ "$X $Y $WIDTH $HEIGHT" = "$normal" ]; }
eventually back_at_own || fail "after F11 twice the window is at $X $Y $WIDTH $HEIGHT, not $normal"

echo "maximised: at least 1.8 times, taps on the line; fullscreen and back gives it back maximised"
screen_with_window_manager 1600x1200
start_game
until_true "the computer's opening line is not on the screen" board_is "0 1"
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
maximised() { frame; echo "$STATE" | grep -q MAXIMIZED_VERT && echo "$STATE" | grep -q MAXIMIZED_HORZ; }
until_true "the window was not maximised" maximised
eventually large_enough || fail "maximised shows the screen less than 1.8 times larger ($(shown_width) pixels wide)"
tap_line_middle
frame
was="$X $Y $WIDTH $HEIGHT"
xdotool key --window "$window" F11
until_true "the window did not go fullscreen" sh -c "xprop -id $window _NET_WM_STATE | grep -q FULLSCREEN"
xdotool key --window "$window" F11
maximised_again() { maximised && [ "$X $Y $WIDTH $HEIGHT" = "$was" ] && ! echo "$STATE" | grep -q FULLSCREEN; }
eventually maximised_again || fail "after F11 twice the window is at $X $Y $WIDTH $HEIGHT ($STATE), not maximised at $was"

quit_game
echo "PASSED"
