#!/usr/bin/env bash
# The real program on Xvfb + openbox + a private JACK server that is killed, then stopped
# cleanly, and each time started again under its name while a key is held: the program goes on
# and says so once, then within a few seconds its ports are back under their names, its
# outputs on playback, its connection to jack_midi_dump restored, and a click on middle C is
# seen at jack_midi_dump and heard at its outputs.
set -u
bin=$1
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { xdotool mouseup 1 2>/dev/null; }
gone_line="MIDI-ERROR: the JACK server has gone away \u2014 MIDI and sound on it wait for it to come back"
back_line="MIDI: the JACK server is back \u2014 MIDI and sound on it play again"
gone_line=$(printf "$gone_line") back_line=$(printf "$back_line")

start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_jackd || fail "jackd did not start"
start_app tinkella --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "piano window not shown"
piano=$window
start_dump
dump_pid=${pids[-1]}
connect_dump "$work/tinkella.log"
sleep 1
read -r px py pw ph < <(geometry "$piano")
# Middle C's white part, as in app_e2e.sh: 50-point keys, the view scrolled to 60/96.
key_x=$((px + 35 * 50 + 25 - (3500 - pw) * 60 / 96)) key_y=$((py + ph - 45))
lines() { grep -cxF "$1" "$work/tinkella.log"; }
connected() { jack_lsp -c "$1" 2>/dev/null | grep -q "^   $2$"; }

for round in 1 2; do
  signal=$([ "$round" = 1 ] && echo KILL || echo TERM)
  # A key held across the gap: the note it started went with the server.
  xdotool mousemove "$key_x" "$key_y" mousedown 1
  sleep 0.3
  kill "-$signal" "$jackd_pid"
  wait "$jackd_pid" 2>/dev/null
  # A jack_midi_dump outliving its server would take the next one's wake-ups.
  kill "$dump_pid" 2>/dev/null
  wait_until 10 eval '[ "$(lines "$gone_line")" = "$round" ]' ||
    fail "SIG$signal: the loss was not said once"
  gone "$app_pid" && fail "SIG$signal: the program died with the server"
  xdotool mouseup 1
  start_jackd || fail "SIG$signal: jackd did not start again"
  wait_until 5 eval '[ "$(lines "$back_line")" = "$round" ]' ||
    fail "SIG$signal: the return was not said once within 5 s"
  for port in Tinkella:Tinkella "Tinkella:Tinkella In" Tinkella:left Tinkella:right; do
    wait_until 5 has_port "$port" || fail "SIG$signal: $port missing after the restart"
  done
  connected Tinkella:left system:playback_1 && connected Tinkella:right system:playback_2 ||
    fail "SIG$signal: left and right not connected to playback again"
  start_dump
  dump_pid=${pids[-1]}
  wait_until 5 connected Tinkella:Tinkella midi-monitor:input ||
    fail "SIG$signal: the connection to jack_midi_dump was not restored"
  sleep 0.2
  jack_rec -f "$work/take$round.wav" -d 3 -b 16 Tinkella:left Tinkella:right \
    >"$work/jackrec.log" 2>&1 &
  pids+=($!)
  sleep 0.5
  for attempt in 1 2 3; do
    before=$(wc -l <"$work/dump.log")
    xdotool mousemove "$key_x" "$key_y" mousedown 1
    sleep 0.6
    xdotool mouseup 1
    wait_until 5 received_in_order "$before" "90 3c 7f" "80 3c 00" && break
    [ "$attempt" -lt 3 ] || fail "SIG$signal: middle C did not reach jack_midi_dump"
  done
  wait "${pids[-1]}" 2>/dev/null
  heard_middle_c "$work/take$round.wav" 0.02 || fail "SIG$signal: middle C not heard"
done
kill -TERM "$app_pid"
wait "$app_pid" || fail "exit status $? after SIGTERM"
echo "PASS"
