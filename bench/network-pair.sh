# Two computers on one network, simulated on one machine, for tests/e2e/network_e2e.sh and
# bench/compare-network (sourced; needs root, iproute2, util-linux's nsenter, jackd2, qmidinet).
#
# Network namespaces $net_a (the player's computer, 10.77.0.1) and $net_b (the synthesiser's,
# 10.77.0.2) are joined by a veth pair whose ends carry the namespaces' names, with a route for
# multicast on each side. net_two_computers then starts, each in its namespace:
#   - on A, a JACK dummy server (the name given) with QmidiNet (JACK MIDI, no ALSA, bound to the
#     veth) and netjack2's manager loaded into it (multicast discovery, the defaults);
#   - on B, a JACK dummy server "$far_q" with QmidiNet, and a netjack2 slave server "$far_n"
#     (`jackd -d net`, one MIDI port from the master, no audio), which joins A's manager as
#     client "far": its port far:midi_to_slave_1 on A arrives as system:midi_capture_1 on B;
#   - the lossless listener (tests/e2e/midi_listen) as client "far-synth" on each B server,
#     its lines in $net_dir/far-qmidinet.log and $net_dir/far-netjack.log.
# net_send_from PORT connects a JACK MIDI port of A to both ways. JACK's shared memory is not
# separated by a network namespace, so every server has a name of its own; all run --sync, as the
# tests' servers do. net_down stops every process started here, last started first (a server
# after its clients, the netjack2 slave before its master; QmidiNet last), and deletes the
# namespaces, whatever failed before.
# shellcheck shell=bash
net_a=tnk$$a net_b=tnk$$b net_pids=() net_gateways=()
declare -A net_servers # server names by process id
: "${net_dir:?}"

net_up() {
    ip netns add "$net_a" && ip netns add "$net_b" &&
        ip link add "$net_a" type veth peer name "$net_b" &&
        ip link set "$net_a" netns "$net_a" && ip link set "$net_b" netns "$net_b" &&
        ip -n "$net_a" addr add 10.77.0.1/24 dev "$net_a" &&
        ip -n "$net_b" addr add 10.77.0.2/24 dev "$net_b" || return 1
    local ns
    for ns in "$net_a" "$net_b"; do
        ip -n "$ns" link set lo up && ip -n "$ns" link set "$ns" up &&
            ip -n "$ns" route add 224.0.0.0/4 dev "$ns" || return 1
    done
}

# Runs $4... in namespace $1 as a client of JACK server $2, its output in $net_dir/$3; its id is
# added to $net_pids. nsenter executes the command in its own process, so $! is the program's id
# (`ip netns exec` would fork and not pass a signal on).
net_start() {
    JACK_DEFAULT_SERVER=$2 nsenter --net="/run/netns/$1" "${@:4}" >"$net_dir/$3" 2>&1 &
    net_pids+=($!)
}

# Starts JACK server $2 in namespace $1 with the driver options $3...; fails unless up in 10 s.
net_jackd() {
    net_start "$1" "$2" "jackd-$2.log" jackd --no-realtime --sync -n "$2" "${@:3}"
    net_servers[${net_pids[-1]}]=$2
    jack_wait -s "$2" -w -t 10 >/dev/null 2>&1
}

# Polls JACK server $1 for port $2 for up to 10 s, while process $3 (if given) runs.
net_port() {
    local _
    for _ in $(seq 50); do
        jack_lsp -s "$1" 2>/dev/null | grep -qx "$2" && return 0
        [ -z "${3:-}" ] || kill -0 "$3" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# Starts $5... as net_start does and waits until JACK server $2 lists port $4. A server can refuse
# a client while another leaves its graph ("Cannot notify add client"), so a client that ended
# without its port is started again, three times at most.
net_client() {
    local _
    for _ in 1 2 3; do
        net_start "$1" "$2" "$3" "${@:5}"
        net_port "$2" "$4" "${net_pids[-1]}" && return 0
        net_stop "${net_pids[-1]}"
        unset 'net_pids[-1]'
    done
    return 1
}

# QmidiNet ends on SIGTERM without leaving the JACK graph, and a --sync server then waits for it
# at every cycle and takes seconds to stop: it is stopped after the servers (in $net_gateways).
net_qmidinet() {
    net_client "$1" "$2" "qmidinet-$1.log" QmidiNet:in_1 env QT_QPA_PLATFORM=offscreen \
        qmidinet -g -j on -a off -i "$1" || return 1
    net_gateways+=("${net_pids[-1]}")
    unset 'net_pids[-1]'
}

# Prints $1, or $1_ where the polls here would fail: jack_lsp of JACK 1.9.21 aborts in malloc
# against a server name of 24, 40 or 56 characters (measured here).
net_server_name() { if ((${#1} % 16 == 8 && ${#1} > 8)); then echo "$1_"; else echo "$1"; fi; }

# Both computers, A's JACK server named $1 (see net_server_name), the far servers $far_q and
# $far_n after it; $2 is midi_listen.
net_two_computers() {
    net_near=$1 far_q=$(net_server_name "$1-q") far_n=$(net_server_name "$1-n")
    net_up && net_jackd "$net_a" "$1" -d dummy -r 48000 -p 64 &&
        net_jackd "$net_b" "$far_q" -d dummy -r 48000 -p 64 &&
        net_qmidinet "$net_a" "$1" && net_qmidinet "$net_b" "$far_q" &&
        jack_load -s "$1" netmanager >"$net_dir/netmanager.log" 2>&1 &&
        net_jackd "$net_b" "$far_n" -d net -n far -i 1 -o 0 -C 0 -P 0 &&
        net_client "$net_b" "$far_q" far-qmidinet.log far-synth:input "$2" far-synth &&
        net_client "$net_b" "$far_n" far-netjack.log far-synth:input "$2" far-synth &&
        net_port "$1" far:midi_to_slave_1 &&
        jack_connect -s "$far_q" QmidiNet:out_1 far-synth:input &&
        jack_connect -s "$far_n" system:midi_capture_1 far-synth:input
}

net_send_from() {
    jack_connect -s "$net_near" "$1" QmidiNet:in_1 &&
        jack_connect -s "$net_near" "$1" far:midi_to_slave_1
}

# Stops a process: SIGTERM, then SIGKILL after 5 s. A JACK server killed keeps its slot in
# JACK's registry of eight servers until a server of the same name starts and stops again.
net_stop() {
    local _ name=${net_servers[$1]:-} pid
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null && sleep 0.1 || break; done
    kill -KILL "$1" 2>/dev/null && echo "network-pair: $(ps -o comm= -p "$1") $name did not end on SIGTERM, killed"
    wait "$1" 2>/dev/null
    [ -n "$name" ] && grep -qa "jack-[0-9]*:$name:" /dev/shm/jack-shm-registry 2>/dev/null || return 0
    jackd --no-realtime -n "$name" -d dummy >/dev/null 2>&1 &
    pid=$!
    jack_wait -s "$name" -w -t 5 >/dev/null 2>&1
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

net_down() {
    local i
    # A server with the manager loaded hangs at SIGTERM; unloaded first, it stops at once.
    [ -z "${net_near:-}" ] || timeout 3 jack_unload netmanager "$net_near" >/dev/null 2>&1
    for ((i = ${#net_pids[@]} - 1; i >= 0; i--)); do net_stop "${net_pids[i]}"; done
    for i in "${net_gateways[@]}"; do net_stop "$i"; done
    # QmidiNet, stopped after its server, leaves its client's semaphore behind.
    for i in "${net_servers[@]}"; do rm -f /dev/shm/jack_sem.[0-9]*_"$i"_*; done
    net_pids=() net_gateways=() net_servers=()
    ip netns del "$net_a" 2>/dev/null
    ip netns del "$net_b" 2>/dev/null
}
