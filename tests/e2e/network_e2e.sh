#!/usr/bin/env bash
# A synthesiser on another computer, through engines musicians already use: two network
# namespaces joined by a veth pair (bench/network-pair.sh). On the first, Tinkella on Xvfb +
# openbox and its own JACK server, with QmidiNet and netjack2's manager; on the second, QmidiNet
# on a JACK server and a netjack2 slave server, each with a lossless listener. A click on middle C
# arrives at both listeners as its note-on and note-off, the pitch wheel dragged up and let go as
# bends ending at the centre. Needs root (namespaces) and qmidinet.
set -u
bin=$1
[ "$(id -u)" = 0 ] || { echo "skipped: network namespaces need root"; exit 77; }
command -v qmidinet >/dev/null || { echo "skipped: qmidinet is not installed"; exit 77; }
source "$(dirname "$0")/lib.sh"
net_dir=$work
# shellcheck source=../../bench/network-pair.sh
source "$(dirname "$0")/../../bench/network-pair.sh"
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
cleanup_first() { xdotool mouseup 1 2>/dev/null; net_down; }
mkdir -p "$XDG_CONFIG_HOME/Quorvin" && printf '[General]\nshowWheels=true\n' >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"

start_x 1920x1080 || fail "Xvfb with openbox did not start"
net_two_computers "$server" "$TINKELLA_MIDI_LISTEN" || fail "the two computers did not come up"
net_start "$net_a" "$server" tinkella.log "$bin" --midi=jack --audio=none
wait_until 15 find_window '^Tinkella$' || fail "piano window not shown"
piano=$window
net_port "$server" Tinkella:Tinkella && net_send_from Tinkella:Tinkella || fail "no connection"
wait_until 10 grep -q "CoreMIDI notification: id=" "$work/tinkella.log" || fail "not reported"
sleep 0.1

# Moves the pointer onto middle C, or the pitch wheel's middle, and runs the xdotool commands $@
# there: the wheels (34 points each) take the left of the window, the keys' scroll area the rest.
on_c() {
  local x y w h
  read -r x y w h < <(geometry "$piano")
  xdotool mousemove $((x + 68 + 35 * 50 + 25 - (3500 - (w - 68)) * 60 / 96)) $((y + h - 45)) "$@"
}
on_pitch_wheel() {
  local x y w h
  read -r x y w h < <(geometry "$piano")
  xdotool mousemove $((x + 17)) $((y + (h + 19) / 2)) "$@"
}

# Plays the gesture $1 (on_c or on_pitch_wheel and its xdotool commands) until each far listener
# has received the bytes $2, $3… in this order after the lines it had: five tries at most, as a
# busy machine's dummy server can miss a cycle, and QmidiNet, which resends nothing, lost up to
# half the notes of a fast run on a loaded machine (bench/README.md).
far_heard() {
  local gesture=$1 log before=()
  shift
  for _ in 1 2 3 4 5; do
    before=()
    for log in "$work"/far-*.log; do before+=("$(wc -l <"$log")"); done
    # shellcheck disable=SC2086
    $gesture
    wait_until 5 all_far_received "${before[*]}" "$(IFS=,; echo "$*")" && return 0
  done
  return 1
}
all_far_received() {
  local log i=0 counts
  read -ra counts <<<"$1"
  for log in "$work"/far-*.log; do
    tail -n +"$((counts[i++] + 1))" "$log" | awk -v p="$2" 'BEGIN {n = split(p, want, ",")}
      j < n && index($0, want[j + 1]) {j++} END {exit j < n}' || return 1
  done
}
far_heard "on_c mousedown 1 sleep 0.6 mouseup 1" "90 3c 7f" "80 3c 00" ||
  fail "a click on middle C did not arrive on the other computer as note-on and note-off"
# shellcheck disable=SC2046
far_heard "on_pitch_wheel mousedown 1 $(for s in $(seq 10 10 150); do echo "mousemove_relative -- 0 -10"; done) sleep 0.3 mouseup 1" \
  "e0 7f 7f" "e0 00 40" || fail "the pitch wheel's bends did not arrive on the other computer ending at the centre"
for log in "$work"/far-*.log; do echo "${log##*/}: $(cut -d: -f2 "$log" | cut -d@ -f1 | tr -d '\n')"; done
echo "PASS"
