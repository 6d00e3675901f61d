# What the tests of the real program under Xvfb share, sourced with the program's path as
# $1: the tools they need (ending with 77, skipped, when one is missing), a work folder and
# the processes removed at the end, a display of their own with the program's settings in
# the work folder, and helpers to wait, start and end the program, read colours, count the
# lines on the board and tap.

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
games=""
sound_server=""
recorder=""
others=""  # anything else a test starts: a window manager, a stranger's process
cleanup() {
  # A sound server may be frozen, and a program may wait for it.
  for pid in $recorder $sound_server; do kill -9 "$pid" 2>/dev/null || true; done
  for pid in $games $others $xvfb; do kill "$pid" 2>/dev/null || true; done
  for pid in $games $others $xvfb; do wait "$pid" 2>/dev/null || true; done
  for pid in $recorder $sound_server; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAILED: $*"
  for log in "$work/game.log" "$work/xvfb.log" "$work/pulse.log"; do
    [ ! -s "$log" ] || { echo "--- $log"; cat "$log"; }
  done
  [ ! -f "$work/shot.png" ] || cp "$work/shot.png" "${TMPDIR:-/tmp}/marlix-e2e-failed.png"
  exit 1
}

# A display of our own: the server picks a free number and writes it to fd 3. It does not
# reset when its last client leaves, so a program started just then is not refused.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
number=$(cat "$work/display")
[ -n "$number" ] || fail "Xvfb did not start"

export DISPLAY=":$number" XDG_CONFIG_HOME="$work/config" MARLIX_PENTRO_SCALE=1 SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY MARLIX_PENTRO_SCREEN || true
registry="$XDG_CONFIG_HOME/marlix-pentro/registry.reg"

# Runs a check until it holds, for up to ten seconds, or fails with the message.
until_true() {
  what=$1
  shift
  for _ in $(seq 100); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  fail "$what"
}

# Like until_true, but for at most SECONDS of the clock however slow the check is:
# within SECONDS WHAT CHECK...
within() {
  seconds=$1 what=$2
  shift 2
  end=$(($(date +%s) + seconds))
  until "$@"; do
    [ "$(date +%s)" -lt "$end" ] || fail "$what (after $seconds s)"
    sleep 0.1
  done
}

window=""
find_window() {
  window=$(xdotool search --name '^Marlix Pentro$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}

# Starts the program and waits until its window's first paint is on the screen (the line
# MARLIX_PENTRO_FIRST_FRAME asks it to write then), so what a test sends next finds a
# window that takes it.
start_game() {
  painted=$(first_frames)
  MARLIX_PENTRO_FIRST_FRAME=1 "$program" >>"$work/game.log" 2>&1 &
  game=$!
  games="$games $game"
  until_true "the window did not appear" find_window
  until_true "the window was not painted" first_frames_are $((painted + 1))
}
first_frames() {
  if [ -f "$work/game.log" ]; then grep -c '^first frame ' "$work/game.log" || true; else echo 0; fi
}
first_frames_are() { [ "$(first_frames)" = "$1" ]; }

quit_game() {
  xdotool mousemove --window "$window" 240 300 key --clearmodifiers ctrl+q
  for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  wait "$game" || fail "the program ended with $?"
}

# The colours of pixels of an image as six hex digits each, one line: colours FILE X Y [X Y]...
colours() {
  file=$1
  shift
  format=""
  while [ $# -gt 1 ]; do
    format="$format %[hex:p{$1,$2}]"
    shift 2
  done
  convert "$file" -depth 8 -format "${format# }" info:
}

# A screenshot in $work/shot.png, and the window's place in X, Y, WIDTH and HEIGHT.
shot() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$work/shot.png"
}

# Whether the window shows a colour at one of its points: pixel_is X Y COLOUR
pixel_is() {
  shot
  [ "$(colours "$work/shot.png" $((X + $1)) $((Y + $2)))" = "$3" ]
}

tap() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# The 480 x 640 layout below the 52-pixel task bar: the middle of every line, and the
# colours of the default skin's user and computer sprites there, from the sheets.
lines=""
points=""
for r in 0 1 2 3 4 5 6 7; do
  for c in 0 1 2 3 4 5 6; do
    lines="$lines h"
    points="$points $((16 + 14 + 62 * c + 24)) $((52 + 62 + 62 * r + 7))"
  done
  [ "$r" -lt 7 ] || continue
  for k in 0 1 2 3 4 5 6 7; do
    lines="$lines v"
    points="$points $((16 + 62 * k + 7)) $((52 + 62 + 14 + 62 * r + 24))"
  done
done
read -r user_h computer_h <<EOF2
$(colours "$res/horizontal_lines_480x640.gif" 24 7 72 7)
EOF2
read -r user_v computer_v <<EOF2
$(colours "$res/vertical_lines_480x640.gif" 7 24 7 72)
EOF2

# Counts the user's and the computer's lines on the screen: "USER COMPUTER".
count_lines() {
  shot
  on_screen=""
  set -- $points
  while [ $# -gt 1 ]; do
    on_screen="$on_screen $((X + $1)) $((Y + $2))"
    shift 2
  done
  set -- $(colours "$work/shot.png" $on_screen)
  user=0
  computer=0
  for kind in $lines; do
    if [ "$kind" = h ]; then u=$user_h cpu=$computer_h; else u=$user_v cpu=$computer_v; fi
    [ "$1" != "$u" ] || user=$((user + 1))
    [ "$1" != "$cpu" ] || computer=$((computer + 1))
    shift
  done
  echo "$user $computer"
}
board_is() { [ "$(count_lines)" = "$1" ]; }

# Another display of our own, for a test that ended the first one or needs another screen
# size (new_display [WIDTHxHEIGHT], 1024x768 unless given): DISPLAY names it.
new_display() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
  xvfb="$xvfb $!"
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")"
}

# The saved game in a registry file, as "USER COMPUTER f first": the lines each side has
# drawn (from "occ", cell by cell) and the two turn flags.
saved_game() {
  [ -f "$1" ] || { echo "no file"; return; }
  awk '
    /^"[A-Za-z]+"=/ { name = $0; sub(/^"/, "", name); sub(/".*/, "", name); text = $0; sub(/^[^=]*=/, "", text) }
    !/^"[A-Za-z]+"=/ { text = $0 }
    name != "" {
      sub(/^ +/, "", text); more = text ~ /\\$/; sub(/\\$/, "", text)
      data[name] = data[name] text
      if (!more) name = ""
    }
    END {
      occ = data["occ"]; sub(/^hex:/, "", occ); split(occ, bytes, /,/)
      user = 0; computer = 0
      for (i = 0; i < 161; i++) {
        row = int(i / 22); at = i % 22
        if (at > 6 && (row > 6 || at % 2 == 0)) continue  # a box, not a line
        if (bytes[4 * i + 1] == "01") computer++
        if (bytes[4 * i + 1] == "ff") user++
      }
      f = data["f"]; first = data["first"]; sub(/^dword:/, "", f); sub(/^dword:/, "", first)
      print user, computer, f + 0, first + 0
    }' "$1"
}
# Whether the registry file holds that saved game: saved_is "USER COMPUTER f first"
saved_is() { [ "$(saved_game "$registry")" = "$1" ]; }

# A window manager (openbox) on the display, once it has taken the screen; its pid is
# among $others.
start_window_manager() {
  openbox --sm-disable >>"$work/wm.log" 2>&1 &
  others="$others $!"
  until_true "openbox did not start" window_manager_runs
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# A sound server of the test's own, as a desktop has one: PulseAudio with a null sink named
# "null", in a private runtime folder, reached by the programs started afterwards
# (SDL_AUDIODRIVER and PULSE_SERVER are exported). Its pid is $sound_server. Ends with 77
# (skipped) when PulseAudio or its tools are missing.
start_sound_server() {
  for tool in pulseaudio pactl parec; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIPPED: $tool is missing (tools/install-deps.sh test installs it)"
      exit 77
    fi
  done
  mkdir -p "$work/pulse"
  # No display and no session bus: the server has nothing to look for there.
  env -u DISPLAY HOME="$work/pulse" XDG_RUNTIME_DIR="$work/pulse" PULSE_RUNTIME_PATH="$work/pulse/run" \
    XDG_CONFIG_HOME="$work/pulse" DBUS_SESSION_BUS_ADDRESS=disabled: pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
    -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1" >>"$work/pulse.log" 2>&1 &
  sound_server=$!
  export SDL_AUDIODRIVER=pulseaudio PULSE_SERVER="unix:$work/pulse/run/native"
  until_true "the sound server did not start" sound_server_answers
  # A new null sink holds back its first stream by some hundred milliseconds; a tenth of a
  # second of silence gets that over with, as on a desktop whose sink has played before.
  head -c 8820 /dev/zero | pacat --raw --format=s16le --channels=1 --rate=44100 --latency-msec=10
}
sound_server_answers() { pactl info >/dev/null 2>&1; }

# Kills the sound server at once, as a crash would (a frozen one too).
kill_sound_server() {
  kill -9 "$sound_server" 2>/dev/null || true
  wait "$sound_server" 2>/dev/null || true
  sound_server=""
}

# Records what reaches the null sink into $work/sink.raw (16-bit mono), from now on.
record_sink() {
  parec -d null.monitor --raw --format=s16le --channels=1 --rate=44100 --latency-msec=10 >"$work/sink.raw" 2>>"$work/pulse.log" &
  recorder=$!
  until_true "nothing is recorded from the sound server" test -s "$work/sink.raw"
}

# How many bytes of sound (not silence) the sink has had so far.
sink_sound() { tr -d '\000' <"$work/sink.raw" | wc -c; }
