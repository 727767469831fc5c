#!/usr/bin/env bash
# Idle cost on a PipeWire desktop: the program (offscreen, no MIDI) on a private PipeWire session
# (bench/pipewire-session.sh), left without notes for WAIT seconds, then the CPU time of the
# program, pipewire, pipewire-pulse and wireplumber over SPAN seconds, in % of one core.
# Usage: bench/pipewire-idle-cpu.sh TINKELLA [AUDIO [WAIT [SPAN]]]   (pipewire, 60, 10)
set -u
bin=$1 audio=${2:-pipewire} wait=${3:-60} span=${4:-10}
dir=$(mktemp -d)
source "$(dirname "$0")/pipewire-session.sh"
trap 'kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; pipewire_stop; rm -rf "$dir"' EXIT
pipewire_start "$dir" || { echo "PipeWire did not start"; exit 1; }
HOME=$dir XDG_CONFIG_HOME=$dir/config QT_QPA_PLATFORM=offscreen \
  "$bin" --new-instance --midi=none --audio="$audio" >/dev/null 2>"$dir/app.log" &
app=$!
sleep "$wait"
grep "synthesiser on" "$dir/app.log"
# utime + stime of each process, in clock ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
names=(tinkella pipewire wireplumber pipewire-pulse)
ids=("$app" "${pipewire_pids[@]:1}")
before=() total=0
for id in "${ids[@]}"; do before+=("$(ticks "$id")"); done
sleep "$span"
hz=$(getconf CLK_TCK)
for i in "${!ids[@]}"; do
  used=$(($(ticks "${ids[$i]}") - before[i]))
  total=$((total + used))
  awk -v n="${names[$i]}" -v u="$used" -v hz="$hz" -v s="$span" \
    'BEGIN {printf "%-15s %5.2f %% of a core\n", n, 100 * u / hz / s}'
done
awk -v u="$total" -v hz="$hz" -v s="$span" 'BEGIN {printf "%-15s %5.2f %% of a core\n", "all", 100 * u / hz / s}'
