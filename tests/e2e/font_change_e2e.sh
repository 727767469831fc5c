#!/usr/bin/env bash
# The stored sound font, a copy of the system's, changes on disk under the running program: its
# file truncated, deleted or replaced after a note played. A program change and a note then come
# into "Tinkella In": the program goes on and jack_rec records the note.
set -u
bin=$1
sender=$2
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
font=$work/font.sf2
mkdir -p "$XDG_CONFIG_HOME/Quorvin" && printf '[General]\nsoundFont=%s\n' "$font" >"$XDG_CONFIG_HOME/Quorvin/Tinkella.conf"
start_jackd || fail "jackd did not start"

# Records middle C sent into "Tinkella In" after the message $2 (if any) into $work/$1.wav.
take() {
  jack_rec -f "$work/$1.wav" -d 1.5 -b 16 Tinkella:left Tinkella:right >/dev/null 2>&1 &
  sleep 0.2
  printf '%s\n' ${2:+"$2"} "90 3c 7f" >&7 && sleep 0.8 && echo "80 3c 00" >&7
  wait $!
}

for change in truncated deleted replaced; do
  cp /usr/share/sounds/sf2/default-GM.sf2 "$font"
  start_app "$change" --midi=jack --audio=jack
  # The stored font loads as the synthesiser is attached, before any later MIDI is handled.
  wait_until 30 grep -q "synthesiser on jack" "$work/$change.log" || fail "$change: no synthesiser"
  rm -f "$work/in" && mkfifo "$work/in"
  "$sender" "Tinkella:Tinkella In" <"$work/in" >"$work/$change.out" 2>&1 &
  pids+=($!)
  exec 7>"$work/in"
  wait_until 10 grep -qx connected "$work/$change.out" || fail "$change: the sender did not connect"
  take "$change-before"
  heard_middle_c "$work/$change-before.wav" 0.02 || fail "$change: the stored font did not play"
  case $change in
  truncated) truncate -s 4096 "$font" ;;
  deleted) rm "$font" ;;
  replaced) head -c 100000 /dev/urandom >"$font.new" && mv "$font.new" "$font" ;;
  esac
  take "$change-after" "c0 18" # Acoustic Guitar (nylon)
  gone "$app_pid" && fail "$change: the program stopped after the program change"
  heard_middle_c "$work/$change-after.wav" 0.02 || fail "$change: the new instrument is silent"
  exec 7>&-
  kill "$app_pid" && wait "$app_pid" || fail "$change: exit status $? after SIGTERM"
done
echo "PASS: the changed font played on"
