#!/usr/bin/env bash
# The real program on Xvfb + openbox + a private JACK server that is killed, then stopped
# cleanly, and each time started again under its name while a key is held: the program goes on
# and says so once, then within a few seconds its ports are back under their names, its
# outputs on playback, its connection to jack_midi_dump restored, and a click on middle C is
# seen at jack_midi_dump and heard at its outputs, as before the first stop. A copy without MIDI,
# whose synthesiser is a client of its own, "Tinkella Synth", says the same once of its sound
# and comes back on playback, but for the connection the user broke. Back at 44.1 kHz, then at
# 128 frames, both copies say once each time that they follow, and middle C stays in tune. Last,
# transposed up a whole tone, a click on middle C lights that key and plays D.
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
XDG_CONFIG_HOME=$work/synth QT_QPA_PLATFORM=offscreen start_app synth --midi=none --audio=jack
start_app tinkella --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "piano window not shown"
piano=$window
start_dump
dump_pid=${pids[-1]}
connect_dump "$work/tinkella.log"
wait_until 10 has_port "Tinkella Synth:right" || fail "no client Tinkella Synth"
sleep 1
lines() { grep -cxF "$1" "$work/tinkella.log"; }
said() { [ "$(grep -c "$1" "$work/synth.log")" = "$2" ]; }
connected() { jack_lsp -c "$1" 2>/dev/null | grep -q "^   $2$"; }
follow_line="the sound server changed its rate or period"
followed() { for l in tinkella synth; do [ "$(grep -c "$follow_line" "$work/$l.log")" = "$1" ] || return 1; done; }
# A click on middle C (in round $1) seen at jack_midi_dump and heard at the outputs, in tune (sox
# reads 267-273 Hz; 249-250 Hz for 240.4 Hz, a 48 kHz synthesiser on a 44.1 kHz server).
click_heard() {
  jack_rec -f "$work/take$1.wav" -d 3 -b 16 Tinkella:left Tinkella:right >"$work/jackrec.log" 2>&1 &
  pids+=($!)
  sleep 0.5
  click_seen || fail "round $1: middle C did not reach jack_midi_dump"
  wait "${pids[-1]}" 2>/dev/null
  heard_middle_c "$work/take$1.wav" 0.02 258 285 || fail "round $1: middle C not heard in tune"
}
click_heard 0

for round in 1 2 3; do
  signal=$([ "$round" = 2 ] && echo TERM || echo KILL)
  # A key held across the gap: the note it started went with the server.
  on_middle_c mousedown 1
  sleep 0.3
  kill "-$signal" "$jackd_pid"
  wait "$jackd_pid" 2>/dev/null
  # A jack_midi_dump outliving its server would take the next one's wake-ups.
  kill "$dump_pid" 2>/dev/null
  wait_until 10 eval '[ "$(lines "$gone_line")" = "$round" ]' ||
    fail "SIG$signal: the loss was not said once"
  wait_until 10 said "sound waits for it to come back" "$round" ||
    fail "SIG$signal: Tinkella Synth did not say once that the server went"
  gone "$app_pid" && fail "SIG$signal: the program died with the server"
  xdotool mouseup 1
  [ "$round" = 3 ] && jackd_driver=(-d dummy -r 44100 -p 64)
  start_jackd || fail "SIG$signal: jackd did not start again"
  wait_until 5 eval '[ "$(lines "$back_line")" = "$round" ]' ||
    fail "SIG$signal: the return was not said once within 5 s"
  wait_until 5 said "sound plays again" "$round" ||
    fail "SIG$signal: Tinkella Synth did not say once within 5 s that the server is back"
  wait_until 5 followed $((round / 3)) || fail "SIG$signal: a new rate not followed and said once"
  for port in Tinkella:Tinkella "Tinkella:Tinkella In" Tinkella:left Tinkella:right \
    "Tinkella Synth:left" "Tinkella Synth:right"; do
    wait_until 5 has_port "$port" || fail "SIG$signal: $port missing after the restart"
  done
  connected Tinkella:left system:playback_1 && connected Tinkella:right system:playback_2 &&
    connected "Tinkella Synth:left" system:playback_1 ||
    fail "SIG$signal: the outputs not connected to playback again"
  # The user breaks one of Tinkella Synth's connections; it stays broken after the next restart.
  if [ "$round" = 1 ]; then
    connected "Tinkella Synth:right" system:playback_2 || fail "SIG$signal: Tinkella Synth:right not on playback"
    jack_disconnect "Tinkella Synth:right" system:playback_2 || fail "jack_disconnect failed"
  elif connected "Tinkella Synth:right" system:playback_2; then
    fail "SIG$signal: a connection the user broke came back"
  fi
  start_dump
  dump_pid=${pids[-1]}
  wait_until 5 connected Tinkella:Tinkella midi-monitor:input ||
    fail "SIG$signal: the connection to jack_midi_dump was not restored"
  sleep 0.2
  click_heard "$round"
done
jack_bufsize 128 >/dev/null || fail "jack_bufsize failed"
wait_until 5 followed 2 || fail "128 frames: the new period not followed and said once"
click_heard 4
followed 2 || fail "a new rate or period said more than once"
kill -TERM "$app_pid"
wait "$app_pid" || fail "exit status $? after SIGTERM"

# Transposed up 2 (in the settings file): a click on middle C lights middle C, leaves as note 62
# and sounds near 293.7 Hz; the title says so.
export XDG_CONFIG_HOME=$work/transposed
mkdir -p "$XDG_CONFIG_HOME/Quorvin" && printf '[General]\ntranspose=2\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_app transposed --midi=jack --audio=jack
wait_until 15 find_window '^Tinkella .* Transpose \+2$' "$app_pid" || fail "transpose: no title saying +2"
piano=$window
connect_dump "$work/transposed.log"
sleep 1
jack_rec -f "$work/d.wav" -d 4 -b 16 Tinkella:left Tinkella:right >"$work/jackrec.log" 2>&1 &
pids+=($!)
sleep 0.5
# The grey level at $1 key widths right of middle C's centre, near the keys' front edge, held.
shade() {
  read -r _ _ w h < <(geometry "$piano")
  convert "$work/held.png" -crop "1x1+$((35 * 50 + 25 + $1 * 50 - (3500 - w) * 60 / 96))+$((h - 45))" \
    -colorspace gray -format '%[fx:int(255*p)]' info:
}
for _ in 1 2 3; do
  before=$(wc -l <"$work/dump.log")
  on_middle_c mousedown 1 sleep 0.4 && import -window "$piano" "$work/held.png" && xdotool mouseup 1
  wait_until 5 received_in_order "$before" "90 3e 7f" "80 3e 00" && break
done
received_in_order "$before" "90 3e 7f" "80 3e 00" || fail "transpose: note 62 did not reach jack_midi_dump"
echo "transpose: middle C $(shade 0), D $(shade 1) (white 255, unpressed 235)"
[ "$(shade 0)" -ge 250 ] && [ "$(shade 1)" -lt 250 ] || fail "transpose: the key lit is not middle C"
wait "${pids[-1]}" 2>/dev/null
heard_middle_c "$work/d.wav" 0.02 280 310 || fail "transpose: not heard near 293.7 Hz"
kill -TERM "$app_pid"
wait "$app_pid" || fail "transpose: exit status $? after SIGTERM"
echo "PASS"
