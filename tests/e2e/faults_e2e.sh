#!/usr/bin/env bash
# Faults the program survives, on the real binary: a missing, a corrupt and a truncated sound
# font (TINKELLA_SOUNDFONT), a settings file of garbage, a settings folder that cannot be made,
# and the JACK server killed while a key is held down with the mouse (Xvfb, openbox, xdotool).
# Each time the program must keep running, say what happened in one line on standard error,
# and quit normally on SIGTERM. A display server that does not exist ends it at once with
# status 1 and one line.
# Usage: faults_e2e.sh <path to tinkella>
set -u
binary=$1
work=$(mktemp -d)
server="tinkella-faults-$$-$RANDOM"
export JACK_NO_START_SERVER=1 JACK_DEFAULT_SERVER=$server XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/lib.sh"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Runs the program offscreen for three seconds with a fresh settings folder (or $config) and
# $options (or no MIDI output, sound through JACK), then quits it with SIGTERM. Sets $err to its
# standard error file.
run_offscreen() {
  local name=$1; shift
  local config=${config:-$work/$name/config}
  mkdir -p "$work/$name"
  err=$work/$name/err
  env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" "$@" "$binary" \
    ${options:---midi none --audio jack} >"$work/$name/out" 2>"$err" &
  local pid=$!
  sleep 3
  kill -0 "$pid" 2>/dev/null || { fail "$name: the program stopped"; cat "$err"; return; }
  kill -TERM "$pid"
  wait "$pid"
  local status=$?
  [ "$status" -eq 0 ] || fail "$name: exit status $status after SIGTERM"
}

# Exactly one line of standard error matches the pattern.
one_line() {
  local name=$1 pattern=$2
  local n
  n=$(grep -c -E -- "$pattern" "$err")
  [ "$n" -eq 1 ] || { fail "$name: $n lines match '$pattern'"; sed 's/^/    /' "$err"; }
}

# At least one line of standard error matches the pattern.
some_line() {
  local name=$1 pattern=$2
  grep -q -E -- "$pattern" "$err" || { fail "$name: no line matches '$pattern'"; sed 's/^/    /' "$err"; }
}

# --- Display servers that do not exist: exit status 1 and one line, before any window ------
missing=97
while [ -e "/tmp/.X11-unix/X$missing" ]; do missing=$((missing + 1)); done
while IFS='|' read -r name settings; do
  mkdir -p "$work/$name"
  err=$work/$name/err
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY $settings XDG_CONFIG_HOME="$work/$name" \
    timeout 20 "$binary" --midi none --audio none >/dev/null 2>"$err"
  status=$?
  [ "$status" -eq 1 ] || fail "$name: exit status $status"
  one_line "$name" "^tinkella: no display"
  [ "$(wc -l <"$err")" -eq 1 ] || { fail "$name: more than one line"; sed 's/^/    /' "$err"; }
done <<EOF
x11|DISPLAY=:$missing
x11_named|DISPLAY=:$missing QT_QPA_PLATFORM=xcb
wayland|WAYLAND_DISPLAY=tinkella-none-$$
EOF

start_jackd || { echo "FAIL: jackd did not start"; exit 1; }

# --- Sound font ------------------------------------------------------------------------------
run_offscreen font_missing TINKELLA_SOUNDFONT="$work/none.sf2"
one_line font_missing "synthesiser unavailable.*none\.sf2.*no such file"

head -c 200000 /dev/urandom >"$work/noise.sf2"
run_offscreen font_corrupt TINKELLA_SOUNDFONT="$work/noise.sf2"
one_line font_corrupt "synthesiser unavailable.*noise\.sf2"

printf 'RIFF\x10\x00\x00\x00sfbkLIST' >"$work/truncated.sf2"
run_offscreen font_truncated TINKELLA_SOUNDFONT="$work/truncated.sf2"
one_line font_truncated "synthesiser unavailable.*truncated\.sf2"
! grep -q -E '^$|CRITICAL' "$err" || { fail "font_truncated: library noise"; sed 's/^/    /' "$err"; }

# A font the user may not read: root reads any file, so root runs the program without the
# capabilities that let it.
printf 'RIFF\x10\x00\x00\x00sfbkLIST' >"$work/locked.sf2"
chmod 000 "$work/locked.sf2"
unprivileged=()
[ "$(id -u)" -ne 0 ] || unprivileged=(setpriv --bounding-set=-dac_override,-dac_read_search)
run_offscreen font_locked TINKELLA_SOUNDFONT="$work/locked.sf2" "${unprivileged[@]}"
one_line font_locked "synthesiser unavailable.*locked\.sf2: permission denied"

# --- No ALSA sequencer (an empty ALSA configuration names none): JACK is chosen and said so,
# and libasound's complaint stays off standard error.
: >"$work/asound.conf"
options="--audio jack" run_offscreen no_sequencer ALSA_CONFIG_PATH="$work/asound.conf"
one_line no_sequencer "^Tinkella: MIDI output through jack"
! grep -q "ALSA lib" "$err" || { fail "no_sequencer: libasound's message"; sed 's/^/    /' "$err"; }

# --- Settings --------------------------------------------------------------------------------
config=$work/garbage/config
mkdir -p "$config/Quorvin"
head -c 4000 /dev/urandom >"$config/Quorvin/Tinkella.conf"
cp "$config/Quorvin/Tinkella.conf" "$work/garbage.copy"
run_offscreen garbage
one_line garbage "^Settings: .*Tinkella\.conf is not a settings file"
cmp -s "$config/Quorvin/Tinkella.conf" "$work/garbage.copy" || fail "garbage: the user's file was changed"
unset config

# The folder for the settings file cannot be made: a plain file stands in its place (file
# permissions would not stop root, who runs these tests in containers).
config=$work/blocked/config
mkdir -p "$config"
echo "not a folder" >"$config/Quorvin"
run_offscreen blocked
one_line blocked "^Settings: .*cannot be (written|read)"
unset config

if [ "$(id -u)" -ne 0 ]; then
  config=$work/readonly/config
  mkdir -p "$config/Quorvin"
  chmod 555 "$config/Quorvin"
  run_offscreen readonly
  one_line readonly "^Settings: .*cannot be (written|read)"
  chmod 755 "$config/Quorvin"
  unset config
fi

# --- Screens smaller than the window's usual place: the whole frame (title bar and menu bar
# included) lies within the screen, the window narrowed to it ----------------------------------
# Sets $frame to the piano window's frame as "left top right bottom" (right and bottom
# exclusive), from its position and the window manager's frame extents.
read_frame() {
  local id x y w h l r t b
  id=$(xdotool search --onlyvisible --name '^Tinkella$' 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
  [ -n "$b" ] || return 1
  eval "$(xwininfo -id "$id" | awk -F': *' '/Absolute upper-left X/ {print "x=" $2}
    /Absolute upper-left Y/ {print "y=" $2} /Width/ {print "w=" $2} /Height/ {print "h=" $2}')"
  frame="$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))"
}
frame_fits() {
  read_frame || return 1
  read -r left top right bottom <<<"$frame"
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le "$1" ] && [ "$bottom" -le "$2" ]
}
frame=none
for size in 1024x768 640x480; do
  exec {sizefd}<> <(:)
  Xvfb -displayfd "$sizefd" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb-$size.log" 2>&1 &
  xvfb=$!
  read -r -t 10 number <&"$sizefd" || { fail "$size: Xvfb did not start"; continue; }
  DISPLAY=":$number" openbox >/dev/null 2>&1 &
  wm=$!
  mkdir -p "$work/$size"
  DISPLAY=":$number" XDG_CONFIG_HOME="$work/$size" "$binary" --midi none --audio none \
    >/dev/null 2>&1 &
  small=$!
  DISPLAY=":$number" wait_until 20 frame_fits "${size%x*}" "${size#*x}" ||
    fail "$size: the window's frame ($frame) is not within the screen"
  kill "$small" "$wm" "$xvfb"
  wait "$small" "$wm" "$xvfb" 2>/dev/null
done

# --- JACK server killed while a key is held --------------------------------------------------
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 display_number <&"$displayfd" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$display_number"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
mkdir -p "$work/jack/config"
XDG_CONFIG_HOME="$work/jack/config" "$binary" --midi jack --audio jack \
  >"$work/jack/out" 2>"$work/jack/err" &
app=$!
pids+=("$app")
find_window() { window=$(xdotool search --onlyvisible --name '^Tinkella$' 2>/dev/null | head -n 1); [ -n "$window" ]; }
wait_until 20 find_window || { fail "jack: the piano window did not appear"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT * 8 / 10)) mousedown 1
held() { grep -q "noteOn " "$work/jack/err"; }
wait_until 5 held || fail "jack: the mouse press started no note"
lines_before=$(wc -l <"$work/jack/err")
kill -KILL "$jackd_pid"
{ wait "$jackd_pid"; } 2>/dev/null
sleep 2
kill -0 "$app" 2>/dev/null || fail "jack: the program died with the JACK server"
xdotool mouseup 1
sleep 1
kill -0 "$app" 2>/dev/null || fail "jack: the program died when the held key was let go"
tail -n +"$((lines_before + 1))" "$work/jack/err" >"$work/jack/after"
err=$work/jack/after
# A line that names JACK going away; the notification numbers alone do not tell the user.
some_line jack "JACK.*(gone|lost|stopped|died|shut|went away|unavailable)|(gone|lost|stopped|died|shut|went away|unavailable).*JACK"
kill -TERM "$app"
wait "$app"
status=$?
[ "$status" -eq 0 ] || fail "jack: exit status $status after SIGTERM"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS: every fault survived and reported"
