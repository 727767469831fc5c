#!/usr/bin/env bash
# Faults the real program survives with one line on stderr and a normal quit: broken, missing and
# unreadable sound fonts, no ALSA sequencer, bad settings files and folders; the frame fits small
# screens; a missing or unreachable display ends it at once with status 1 and one line.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
failures=0
fail() {
  echo "FAIL: $*"
  [ -f "${err:-}" ] && sed 's/^/    /' "$err"
  failures=$((failures + 1))
}

# --- no display server, or one that does not exist ------------------------------------------
missing=97
while [ -e "/tmp/.X11-unix/X$missing" ]; do missing=$((missing + 1)); done
while IFS='|' read -r name settings; do
  err=$work/$name.err
  # shellcheck disable=SC2086 # $settings is a list of assignments
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY $settings XDG_CONFIG_HOME="$work/$name" \
    timeout 20 "$bin" --midi none --audio none </dev/null >/dev/null 2>"$err"
  [ $? -eq 1 ] || fail "$name: exit status not 1"
  awk 'END {exit !(NR == 1 && /^tinkella: no display/)}' "$err" || fail "$name: not one line saying so"
done <<EOF_CASES
none|
x11|DISPLAY=:$missing
x11_named|DISPLAY=:$missing QT_QPA_PLATFORM=xcb
wayland|WAYLAND_DISPLAY=tinkella-none-$$
EOF_CASES

start_jackd || { echo "FAIL: jackd did not start"; exit 1; }

# --- offscreen: sound fonts, MIDI system, settings --------------------------------------------
# Root reads and writes any file, so root runs the program without the capabilities that let it.
unprivileged=()
[ "$(id -u)" -ne 0 ] || unprivileged=(setpriv "--bounding-set=-dac_override,-dac_read_search")
head -c 200000 /dev/urandom >"$work/noise.sf2"
printf 'RIFF\x10\x00\x00\x00sfbkLIST' | tee "$work/truncated.sf2" >"$work/locked.sf2"
chmod 000 "$work/locked.sf2"
mkdir -p "$work/garbage/Quorvin" "$work/blocked" "$work/readonly/Quorvin"
head -c 4000 /dev/urandom | tee "$work/garbage.copy" >"$work/garbage/Quorvin/Tinkella.conf"
echo "not a folder" >"$work/blocked/Quorvin"
chmod 555 "$work/readonly/Quorvin"
# Each case: name; environment; options (default: no MIDI, sound through JACK); the one line
# expected on standard error; a pattern no line may match.
while IFS=';' read -r name vars options pattern noise; do
  err=$work/$name.err
  # shellcheck disable=SC2086 # $vars and $options are lists of words
  env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/$name" $vars "${unprivileged[@]}" \
    "$bin" ${options:---midi none --audio jack} </dev/null >/dev/null 2>"$err" &
  pid=$!
  wait_until 15 grep -q -E -- "$pattern" "$err"
  sleep 1
  if gone "$pid"; then fail "$name: the program stopped"; continue; fi
  kill -TERM "$pid"
  wait "$pid" || fail "$name: exit status $? after SIGTERM"
  n=$(grep -c -E -- "$pattern" "$err")
  [ "$n" -eq 1 ] || fail "$name: $n lines match '$pattern'"
  [ -z "$noise" ] || ! grep -q -E -- "$noise" "$err" || fail "$name: a line matches '$noise'"
done <<EOF_CASES
font_missing;TINKELLA_SOUNDFONT=$work/none.sf2;;synthesiser unavailable.*none\.sf2.*no such file;
font_corrupt;TINKELLA_SOUNDFONT=$work/noise.sf2;;synthesiser unavailable.*noise\.sf2;
font_truncated;TINKELLA_SOUNDFONT=$work/truncated.sf2;;synthesiser unavailable.*truncated\.sf2;^$|CRITICAL
font_locked;TINKELLA_SOUNDFONT=$work/locked.sf2;;synthesiser unavailable.*locked\.sf2: permission denied;
no_sequencer;ALSA_CONFIG_PATH=/dev/null;--audio jack;^Tinkella: MIDI output through jack;ALSA lib
garbage;;;^Settings: .*Tinkella\.conf is not a settings file;
blocked;;;^Settings: .*cannot be (written|read);
readonly;;;^Settings: .*cannot be (written|read);
EOF_CASES
err=""
cmp -s "$work/garbage/Quorvin/Tinkella.conf" "$work/garbage.copy" || fail "garbage: the user's file was changed"

# --- screens smaller than the window's usual place: the whole frame (title bar and menu bar
# included) lies within the screen, the window narrowed to it
# The piano window's frame, from its place and the window manager's frame extents, lies within
# a screen of $1 x $2; $frame is set to "left top right bottom" (right and bottom exclusive).
frame_fits() {
  local l r t b x y w h
  find_window '^Tinkella$' || return 1
  read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
  [ -n "$b" ] || return 1
  read -r x y w h < <(geometry "$window")
  frame="$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))"
  ((x >= l && y >= t && x + w + r <= $1 && y + h + b <= $2))
}
frame=none
for size in 1024x768 640x480; do
  start_x "$size" || { fail "$size: Xvfb with openbox did not start"; continue; }
  XDG_CONFIG_HOME="$work/$size" "$bin" --midi none --audio none >/dev/null 2>&1 &
  small=$!
  wait_until 20 frame_fits "${size%x*}" "${size#*x}" ||
    fail "$size: the window's frame ($frame) is not within the screen"
  kill "$small" "$wm_pid" "$xvfb_pid"
  wait "$small" "$wm_pid" "$xvfb_pid" 2>/dev/null
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "PASS: every fault survived and reported"
