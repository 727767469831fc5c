#!/usr/bin/env bash
# The program on a private PipeWire session (no JACK server): the synthesiser's own stream is
# the node "Tinkella" with its properties, a click on middle C is heard at the sink's monitor,
# the silent stream goes inactive and the next click is heard again; the daemon killed and
# restarted by the session is said to go and come back, and the next click is heard on the new
# stream, which has the same properties.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../bench/pipewire-session.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { pipewire_stop; }
if ! pipewire_start "$work"; then
  echo "SKIP: a private PipeWire session could not start here"
  exit 77
fi
start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_app tinkella --midi=none
wait_until 15 grep -q "synthesiser on pipewire, [0-9]* frames × 1 at 48000 Hz" "$work/tinkella.log" ||
  fail "no PipeWire output announced"
has_properties() {
  pactl list sink-inputs >"$work/inputs.log"
  for want in 'application.name = "Tinkella"' 'node.name = "Tinkella"' 'media.role = "music"' \
    'application.icon_name = "tinkella"' 'node.latency = "64/48000"'; do
    grep -qF "$want" "$work/inputs.log" || fail "the stream lacks $want"
  done
}
has_properties
wait_until 10 find_window '^Tinkella$' || fail "piano window not shown"
piano=$window
corked() { pactl list sink-inputs | grep -q "Corked: $1"; }
# Middle C clicked; each take must hold the note (peak above -26 dBFS).
take() {
  pw-record -P '{ stream.capture.sink = true }' --target tinkella_sink "$work/$1.wav" &
  recorder=$!
  sleep 0.5
  on_middle_c mousedown 1 sleep 0.5 mouseup 1
  sleep 0.3
  kill -INT "$recorder" && wait "$recorder"
  peak=$(sox "$work/$1.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
  awk -v p="${peak:-0}" 'BEGIN {exit !(p > 0.05)}' || fail "$1 note not heard (peak ${peak:-none})"
  wait_until 10 corked yes || fail "the silent stream stayed active"
}
take first
take after-idle
said() { grep -qx "Tinkella: the PipeWire daemon $1" "$work/tinkella.log"; }
pipewire_crash
wait_until 5 said "has gone away — sound waits for it to come back" || fail "the end not reported"
pipewire_daemons_start "$work" || fail "the PipeWire session did not restart"
wait_until 5 said "is back — sound plays again" || fail "the stream did not come back"
back=$((($(date +%s%N) - pipewire_accepting) / 1000000))
echo "from the daemon accepting clients to the stream back: at most $back ms"
has_properties
take after-restart
gone "$app_pid" && fail "Tinkella ended"
echo "PASS"
