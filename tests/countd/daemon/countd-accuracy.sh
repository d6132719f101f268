#!/usr/bin/env bash
# The counter against the kernel's own counters, as root, in two network namespaces of
# its own joined by a veth pair: three programs with executables of their own send
# known payloads (bulk TCP, UDP datagrams, 100 short TCP connections) to three sinks.
#  - each program's sent bytes, and its sink's received bytes, lie between the payload
#    and the payload with its headers (UDP: exactly 28 bytes a datagram);
#  - on each side, every packet on the veth belongs to one of these programs (static
#    neighbours, no IPv6: no ARP nor neighbour discovery), so the programs' sum equals
#    the veth's bytes minus 14 bytes of Ethernet header a packet, within 0.1 %;
#  - loopback is no network traffic: a download over lo counts for no program, and the
#    programs' sum against the veth (what "Other" is made of) does not change with it;
#  - the right program gets the bytes: a listener handed to a child (as a socket-activating
#    service manager does) counts for the child, a pre-fork server's bytes for its named
#    workers, and an exec after the first socket starts a new record;
#  - a socket made before the counter started is counted from its first use on; a second
#    counter loaded without the first-use programs (as on kernels before 6.3) counts the
#    new sockets the same and the old one as untagged;
#  - an exited program's bytes are all kept when it is folded into its exited record;
#  - the counter runs with no capabilities, and another user sees none of root's programs;
#  - one user who fills their share of the process table keeps no other user's new program
#    from being counted, and is told how many of theirs were refused;
#  - without root, or with its socket in a folder others may write in, it refuses (exit 3).
# Exits 77 (skipped) with one line saying why where it cannot run.
# usage: countd-accuracy.sh <bytelora-countd> <countd_traffic_peer> <bpftool>
set -euo pipefail
countd=$1
peer=$2
bpftool=$3
. "$(dirname "$0")/../../support/netns.sh"

[ "$(id -u)" -eq 0 ] || netns_skip "the counter's accuracy test needs root (network namespaces and loading eBPF programs)"
command -v setpriv >/dev/null || netns_skip "no setpriv (util-linux)"
netns_require "the counter's accuracy test"

tag=bl22$$
ns_a=${tag}a
ns_b=${tag}b
work=$(mktemp -d)
chmod 755 "$work"  # other users reach the socket
cleanup() {
  # Every program this script started and that still runs (after a failure, a sink still
  # waits for its sender, the old sender for its signal).
  local job
  for job in $(jobs -p); do kill "$job" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
netns_at_exit cleanup

netns_pair --no-ipv6 "$ns_a" "$ns_b" veth-a veth-b 10.22.0.1/24 10.22.0.2/24
# Static neighbours and no ARP: each side knows the other's address.
mac_a=$(ip -n "$ns_a" -o link show veth-a | grep -o 'link/ether [0-9a-f:]*' | cut -d' ' -f2)
mac_b=$(ip -n "$ns_b" -o link show veth-b | grep -o 'link/ether [0-9a-f:]*' | cut -d' ' -f2)
ip -n "$ns_a" link set veth-a arp off
ip -n "$ns_b" link set veth-b arp off
ip -n "$ns_a" neigh replace 10.22.0.2 lladdr "$mac_b" dev veth-a nud permanent
ip -n "$ns_b" neigh replace 10.22.0.1 lladdr "$mac_a" dev veth-b nud permanent

# A program whose socket is older than the counter.
mkdir -p "$work/bin"
cp "$peer" "$work/bin/old-sender"
BYTELORA_PEER_WAIT_FILE=$work/go ip netns exec "$ns_a" "$work/bin/old-sender" udp-send 10.22.0.2 5004 100 500 >/dev/null &
old_sender=$!
for _ in $(seq 200); do [ -e "$work/go.socket" ] && break; sleep 0.02; done

# Started as another user, the counter refuses and says why, with the exit code that
# tells the service not to start it again.
status=0
setpriv --reuid=65534 --regid=65534 --clear-groups "$countd" --socket "$work/refused.socket" 2>"$work/refused.log" || status=$?
[ "$status" -eq 3 ] || { echo "FAIL: without root the counter exited $status, not 3"; exit 1; }
grep -q "must be started as root" "$work/refused.log" || { echo "FAIL: $(cat "$work/refused.log")"; exit 1; }
# A socket folder that other users may write in is refused the same way.
mkdir -m 1777 "$work/shared"
status=0
"$countd" --socket "$work/shared/countd.socket" 2>"$work/refused.log" || status=$?
[ "$status" -eq 3 ] || { echo "FAIL: in a folder everyone may write in the counter exited $status, not 3"; exit 1; }
grep -q "is unsafe" "$work/refused.log" || { echo "FAIL: $(cat "$work/refused.log")"; exit 1; }
[ ! -e "$work/shared/countd.socket" ] || { echo "FAIL: a socket was made in the unsafe folder"; exit 1; }

# The counter, on a socket of the test's own.
socket=$work/countd.socket
"$countd" --socket "$socket" --user nobody 2>"$work/countd.log" &
countd_pid=$!
for _ in $(seq 100); do
  [ -S "$socket" ] && break
  kill -0 "$countd_pid" 2>/dev/null || break
  sleep 0.05
done
if [ ! -S "$socket" ]; then
  reason=$(head -1 "$work/countd.log")
  case "$reason" in
    *"kernel refused"*|*"cannot attach"*|*"no cgroup v2"*|*"cannot open the cgroup"*) netns_skip "$reason" ;;
    *) echo "FAIL: the counter did not start: $reason"; exit 1 ;;
  esac
fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The fallback of kernels without the sock_send_length / sock_recv_length tracepoints,
# side by side with the full counter (each has its own maps).
fallback_socket=$work/fallback.socket
BYTELORA_COUNTD_TEST_WITHOUT_FIRST_USE=1 "$countd" --socket "$fallback_socket" --user nobody 2>"$work/fallback.log" &
# Its socket is made before it says how it counts: the line is waited for.
for _ in $(seq 100); do grep -q "counting at" "$work/fallback.log" && break; sleep 0.05; done
[ -S "$fallback_socket" ] || fail "the counter without the first-use programs did not start: $(cat "$work/fallback.log")"
grep -q "older than the counter are counted as untagged" "$work/fallback.log" ||
  fail "the counter without the first-use programs does not say what it leaves out"

cap_eff=$(awk '/^CapEff:/ {print $2}' "/proc/$countd_pid/status")
counter_uid=$(awk '/^Uid:/ {print $3}' "/proc/$countd_pid/status")
[ "$cap_eff" = 0000000000000000 ] || fail "the counter kept capabilities: CapEff $cap_eff"
[ "$counter_uid" != 0 ] || fail "the counter still runs as root"
grep -q '^NoNewPrivs:[[:space:]]*1' "/proc/$countd_pid/status" || fail "the counter may gain privileges again"

# One executable per role.
for role in bulk-sender bulk-sink udp-sender udp-sink short-sender short-sink old-sink \
            loop-sender loop-sink exec-first exec-second exec-sink act-sender activator activated \
            pf-sender pf-master; do
  cp "$peer" "$work/bin/$role"
done
veth_bytes() { # <ns> <dev>: "<bytes both ways> <packets both ways>"
  local s=/sys/class/net/$2/statistics
  ip netns exec "$1" sh -c "echo \$((\$(cat $s/rx_bytes) + \$(cat $s/tx_bytes))) \$((\$(cat $s/rx_packets) + \$(cat $s/tx_packets)))"
}
read -r a_bytes0 a_packets0 < <(veth_bytes "$ns_a" veth-a)
read -r b_bytes0 b_packets0 < <(veth_bytes "$ns_b" veth-b)

bulk_bytes=$((20 * 1024 * 1024))
udp_count=5000 udp_size=1000
short_count=100 short_size=1000
in_b() { ip netns exec "$ns_b" "$@"; }
in_a() { ip netns exec "$ns_a" "$@"; }
in_b "$work/bin/bulk-sink" tcp-sink 5001 1 "$work/ready1" >"$work/bulk-sink.out" &
sink1=$!
in_b "$work/bin/udp-sink" udp-sink 5002 $((udp_count * udp_size)) "$work/ready2" >"$work/udp-sink.out" &
sink2=$!
in_b "$work/bin/short-sink" tcp-sink 5003 "$short_count" "$work/ready3" >"$work/short-sink.out" &
sink3=$!
in_b "$work/bin/old-sink" udp-sink 5004 $((100 * 500)) "$work/ready4" >/dev/null &
sink4=$!
loop_bytes=$((5 * 1024 * 1024))
in_a "$work/bin/loop-sink" tcp-sink 5010 1 "$work/ready5" >"$work/loop-sink.out" &
sink5=$!
exec_count=500 exec_size=500
in_b "$work/bin/exec-sink" udp-sink 5011 $((2 * exec_count * exec_size)) "$work/ready6" >"$work/exec-sink.out" &
sink6=$!
act_connections=2 act_bytes=$((4 * 1024 * 1024))
in_b "$work/bin/activator" activate 5012 "$work/ready7" "$work/bin/activated" fd3-sink "$act_connections" >"$work/activated.out" &
sink7=$!
pf_connections=4 pf_bytes=$((2 * 1024 * 1024))
ip netns exec "$ns_b" "$work/bin/pf-master" prefork 5013 2 "$pf_connections" "$work/ready8" "$work/done8" >"$work/pf-master.out" &
pf_master=$!
for _ in $(seq 200); do
  all=1
  for i in 1 2 3 4 5 6 7 8; do [ -e "$work/ready$i" ] || all=0; done
  [ "$all" = 1 ] && break
  sleep 0.05
done
in_a "$work/bin/bulk-sender" tcp-send 10.22.0.2 5001 1 "$bulk_bytes" >"$work/bulk-sender.out" &
send1=$!
in_a "$work/bin/udp-sender" udp-send 10.22.0.2 5002 "$udp_count" "$udp_size" >"$work/udp-sender.out" &
send2=$!
in_a "$work/bin/short-sender" tcp-send 10.22.0.2 5003 "$short_count" "$short_size" >"$work/short-sender.out" &
send3=$!
in_a "$work/bin/loop-sender" tcp-send 127.0.0.1 5010 1 "$loop_bytes" >"$work/loop-sender.out" &
send5=$!
in_a "$work/bin/exec-first" exec-after 10.22.0.2 5011 "$exec_count" "$exec_size" "$work/bin/exec-second" >"$work/exec.out" &
send6=$!
in_a "$work/bin/act-sender" tcp-send 10.22.0.2 5012 "$act_connections" "$act_bytes" >"$work/act-sender.out" &
send7=$!
in_a "$work/bin/pf-sender" tcp-send 10.22.0.2 5013 "$pf_connections" "$pf_bytes" >"$work/pf-sender.out" &
send8=$!
touch "$work/go"
for p in $send1 $send2 $send3 $send5 $send6 $send7 $send8 $sink1 $sink2 $sink3 $sink4 $sink5 $sink6 $sink7 $old_sender; do
  wait "$p" || fail "a traffic program failed"
done
for _ in $(seq 200); do [ -e "$work/done8" ] && break; sleep 0.05; done
[ -e "$work/done8" ] || fail "the pre-fork server's workers did not read everything"

read -r a_bytes1 a_packets1 < <(veth_bytes "$ns_a" veth-a)
read -r b_bytes1 b_packets1 < <(veth_bytes "$ns_b" veth-b)
"$peer" query "$socket" >"$work/root.txt"

counted() { # <role> <received|sent>
  local column=3
  [ "$2" = sent ] && column=4
  awk -v exe="$work/bin/$1" -v c=$column '$1 == "program" && $5 == exe {sum += $c} END {print sum + 0}' "$work/root.txt"
}
# between <what> <value> <low> <high>
between() {
  if [ "$2" -lt "$3" ] || [ "$2" -gt "$4" ]; then fail "$1: $2 bytes, not between $3 and $4"; fi
}
tcp_high() { # <payload> <connections>: the payload with at most 60 bytes of headers for
  # each 1448-byte segment and 10 header-only packets a connection
  echo $(($1 + ($1 / 1448 + 1) * 60 + $2 * 10 * 60))
}
for role in bulk short; do
  payload=$(cat "$work/$role-sender.out")
  connections=1
  [ "$role" = short ] && connections=$short_count
  between "$role-sender sent" "$(counted "$role-sender" sent)" "$payload" "$(tcp_high "$payload" "$connections")"
  received=$(cat "$work/$role-sink.out")
  [ "$received" = "$payload" ] || fail "$role-sink read $received of $payload bytes"
  between "$role-sink received" "$(counted "$role-sink" received)" "$received" "$(tcp_high "$received" "$connections")"
done
udp_payload=$(cat "$work/udp-sender.out")
udp_received=$(cat "$work/udp-sink.out")
[ "$(counted udp-sender sent)" = $((udp_payload + 28 * udp_count)) ] ||
  fail "udp-sender sent $(counted udp-sender sent), not $udp_payload + 28 a datagram"
[ "$(counted udp-sink received)" = $((udp_received + 28 * udp_received / udp_size)) ] ||
  fail "udp-sink received $(counted udp-sink received), not $udp_received + 28 a datagram"

# Loopback counts for no program.
for role in loop-sender loop-sink; do
  [ "$(($(counted "$role" received) + $(counted "$role" sent)))" = 0 ] ||
    fail "$role: loopback traffic counted as $(counted "$role" received) received, $(counted "$role" sent) sent"
done
[ "$(cat "$work/loop-sink.out")" = "$loop_bytes" ] || fail "the loopback download did not happen"

# An exec starts a new record: each executable has its own datagrams.
for role in exec-first exec-second; do
  [ "$(counted "$role" sent)" = $((exec_count * (exec_size + 28))) ] ||
    fail "$role sent $(counted "$role" sent), not $exec_count datagrams of $exec_size + 28 bytes"
done

# The handed listener's and the pre-fork server's connections count for the processes
# that read them. Bytes that arrive before such a process's first read on a connection
# are the listener owner's (its tag is taken over at that read), so a little is left to
# the owner: at most a tenth.
handed_check() { # <what> <reader's received> <owner's both ways> <payload>
  between "$1: the reader's received bytes" "$2" $(($4 * 9 / 10)) "$(tcp_high "$4" 4)"
  [ "$3" -le $(($4 / 10)) ] || fail "$1: the listener's owner kept $3 bytes of $4"
}
handed_check "socket activation" "$(counted activated received)" \
  "$(($(counted activator received) + $(counted activator sent)))" "$(cat "$work/act-sender.out")"
worker_received=$(awk -v m="$pf_master" -v exe="$work/bin/pf-master" \
  '$1 == "process" && $2 != m && $3 == "pf-worker" && $6 == exe {sum += $4} END {print sum + 0}' "$work/root.txt")
master_bytes=$(awk -v m="$pf_master" '$1 == "process" && $2 == m {sum += $4 + $5} END {print sum + 0}' "$work/root.txt")
handed_check "pre-fork workers" "$worker_received" "$master_bytes" "$(cat "$work/pf-sender.out")"
kill "$pf_master"

# The old socket is tagged at its first send, which the kernel reports after the
# datagram left: the 99 after it are the program's. (In the sums below,
# that first datagram is the one packet of the veth that no program's count holds.)
[ "$(counted old-sender sent)" = $((99 * (500 + 28))) ] ||
  fail "a socket older than the counter: $(counted old-sender sent) bytes counted, not 99 datagrams"

# Each side: the programs' sum against the veth.
side_check() { # <side> <veth bytes> <veth packets> <roles...>
  local side=$1 bytes=$2 packets=$3 sum=0 role
  shift 3
  for role in "$@"; do sum=$((sum + $(counted "$role" received) + $(counted "$role" sent))); done
  local expected=$((bytes - 14 * packets))
  local difference=$((sum > expected ? sum - expected : expected - sum))
  echo "side $side: programs $sum bytes, veth $bytes bytes in $packets packets, expected $expected, off by $difference"
  [ $((difference * 1000)) -le "$expected" ] || fail "side $side: the programs' sum is off by more than 0.1 %"
}
side_check A $((a_bytes1 - a_bytes0)) $((a_packets1 - a_packets0)) bulk-sender udp-sender short-sender old-sender \
  loop-sender loop-sink exec-first exec-second act-sender pf-sender
side_check B $((b_bytes1 - b_bytes0)) $((b_packets1 - b_packets0)) bulk-sink udp-sink short-sink old-sink \
  exec-sink activator activated pf-master
grep -q '^kernel ' "$work/root.txt" || fail "root is not told the kernel's sockets' bytes"

# The fallback counted every new socket's bytes as the full counter did, and the old
# socket's as untagged.
"$peer" query "$fallback_socket" >"$work/fallback.txt" || fail "the fallback counter did not answer"
for role in bulk-sender bulk-sink udp-sender udp-sink short-sender short-sink exec-first exec-second; do
  for way in received sent; do
    full=$(counted "$role" "$way")
    fallback=$(awk -v exe="$work/bin/$role" -v c=$([ "$way" = sent ] && echo 4 || echo 3) \
      '$1 == "program" && $5 == exe {sum += $c} END {print sum + 0}' "$work/fallback.txt")
    [ "$full" = "$fallback" ] || fail "$role $way: $fallback bytes without the first-use programs, $full with them"
  done
done
grep -q "bin/old-sender" "$work/fallback.txt" && fail "without the first-use programs an old socket was tagged"
fallback_untagged=$(awk '$1 == "untagged" {print $3}' "$work/fallback.txt")
[ "${fallback_untagged:-0}" -ge $((100 * 528)) ] ||
  fail "without the first-use programs the old socket's datagrams are not untagged: ${fallback_untagged:-none}"

# Another user sees their own programs only: none of root's, no untagged bytes.
setpriv --reuid=54321 --regid=54321 --clear-groups "$peer" query "$socket" >"$work/other.txt" ||
  fail "another user could not ask the counter"
if grep -q '^untagged\|^kernel' "$work/other.txt" || awk '$1 == "program" && $2 != 54321 {found = 1} END {exit !found}' "$work/other.txt"; then
  fail "another user sees what is not theirs: $(head -3 "$work/other.txt")"
fi
grep -q "$work/bin" "$work/other.txt" && fail "another user sees root's test programs"
grep -q "^program 0 .*$work/bin/bulk-sender" "$work/root.txt" || fail "root does not see its own programs"

# A connection still open and quiet: what its program has read is counted already.
cp "$peer" "$work/bin/hold-sink"
cp "$peer" "$work/bin/hold-sender"
hold_bytes=$((8 * 1024 * 1024))
ip netns exec "$ns_b" "$work/bin/hold-sink" tcp-hold-sink 5015 "$hold_bytes" "$work/ready10" "$work/done10" &
hold_sink=$!
for _ in $(seq 200); do [ -e "$work/ready10" ] && break; sleep 0.05; done
ip netns exec "$ns_a" "$work/bin/hold-sender" tcp-hold 10.22.0.2 5015 "$hold_bytes" &
hold_sender=$!
for _ in $(seq 200); do [ -e "$work/done10" ] && break; sleep 0.05; done
"$peer" query "$socket" >"$work/hold.txt"
hold_received=$(awk -v exe="$work/bin/hold-sink" '$1 == "program" && $5 == exe {print $3}' "$work/hold.txt")
between "an open connection's received bytes" "${hold_received:-0}" "$hold_bytes" "$(tcp_high "$hold_bytes" 1)"
# (Its sender's count may still lack what left after the last send call: see the README.)
echo "an open quiet connection: sender $(awk -v exe="$work/bin/hold-sender" '$1 == "program" && $5 == exe {print $4}' "$work/hold.txt") bytes counted as sent of $hold_bytes"
kill "$hold_sink" "$hold_sender"

# One uid fills its share of the table with short-lived processes (their records stay
# until folded, 30 s after their exit); another uid's new program is still counted, and
# the refused ones are told to their uid (root: everyone's), to no one else.
share=2048  # COUNTD_MAX_PROCESSES_PER_UID
setpriv --reuid=54322 --regid=54322 --clear-groups "$peer" spawn-sockets $((share + 100)) ||
  fail "the table filler failed"
cp "$peer" "$work/bin/late-sender"
cp "$peer" "$work/bin/late-sink"
in_b "$work/bin/late-sink" udp-sink 5014 $((100 * 500)) "$work/ready9" >/dev/null &
sink9=$!
for _ in $(seq 200); do [ -e "$work/ready9" ] && break; sleep 0.05; done
in_a setpriv --reuid=54323 --regid=54323 --clear-groups "$work/bin/late-sender" udp-send 10.22.0.2 5014 100 500 >/dev/null ||
  fail "the late sender failed"
wait "$sink9" || fail "the late sender's sink failed"
setpriv --reuid=54323 --regid=54323 --clear-groups "$peer" query "$socket" >"$work/late.txt" || fail "the late user could not ask"
setpriv --reuid=54322 --regid=54322 --clear-groups "$peer" query "$socket" >"$work/filler.txt" || fail "the filler could not ask"
"$peer" query "$socket" >"$work/root-late.txt"
late_sent=$(awk -v exe="$work/bin/late-sender" '$1 == "program" && $5 == exe {print $4}' "$work/late.txt")
[ "${late_sent:-0}" = $((100 * 528)) ] || fail "with another uid's share full, a new program counted ${late_sent:-nothing}, not 100 datagrams"
filler_refused=$(awk '$1 == "refused" {print $2}' "$work/filler.txt")
[ "${filler_refused:-0}" -ge 100 ] && [ "${filler_refused:-0}" -le 101 ] ||
  fail "the filler is told ${filler_refused:-no} refused programs, not 100"
grep -qx 'refused 0' "$work/late.txt" || fail "the late user is told of refusals: $(grep refused "$work/late.txt")"
root_refused=$(awk '$1 == "refused" {print $2}' "$work/root-late.txt")
[ "${root_refused:-0}" -ge "${filler_refused:-0}" ] || fail "root is told ${root_refused:-no} refused programs"

# The exited programs are folded into their exited records (30 s after their exit, at the
# counter's next 5 s tick): their records leave the kernel's map, and every byte goes with
# them. (A few late header-only packets of their sockets may still come in before.)
processes_map=$(awk '/^map_id:/ {print $2}' "$(grep -l '^map_type:[[:space:]]*1$' /proc/"$countd_pid"/fdinfo/* | head -1)")
still_in_map() { # the pids of the traffic programs the map still holds
  local pid
  for pid in $send1 $send2 $send3 $sink1 $sink2 $sink3 $sink4 $old_sender; do
    "$bpftool" -j map dump id "$processes_map" | grep -q "\"pid\":$pid[,}]" && echo "$pid"
  done
  return 0
}
for _ in $(seq 120); do
  [ -z "$(still_in_map)" ] && break
  sleep 0.5
done
if [ -n "$(still_in_map)" ]; then
  fail "the exited programs were not taken out of the map within a minute: $(still_in_map | tr '\n' ' ')"
else
  "$peer" query "$socket" >"$work/folded.txt"
  for role in bulk-sender udp-sender short-sender old-sender bulk-sink udp-sink short-sink old-sink; do
    for way in received sent; do
      before=$(counted "$role" "$way")
      after=$(awk -v exe="$work/bin/$role" -v c=$([ "$way" = sent ] && echo 4 || echo 3) \
        '$1 == "program" && $5 == exe {sum += $c} END {print sum + 0}' "$work/folded.txt")
      between "$role $way after its exit" "$after" "$before" $((before + 600))
    done
  done
fi

[ -n "${BYTELORA_TEST_VERBOSE:-}" ] && cat "$work/root.txt"
kill -0 "$countd_pid" || fail "the counter died"
[ "$failures" -eq 0 ] || { cat "$work/root.txt" "$work/countd.log"; exit 1; }
echo "PASS"
