# Shared by the data usage checks against the kernel's counters: a network namespace of
# the check's own whose only interface besides loopback is the veth "va", sending into a
# peer namespace that drops everything without an answer. Sourced, not run.
# Every check prints "FAIL: ..." and leaves non-zero on the first fault, and leaves with
# 77 (a skip) saying why when it cannot make namespaces.

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIPPED: $*"; exit 77; }

# netns_start <name> <subnet 0-255> <mtu>: makes the two namespaces and the veth, with
# 10.231.<subnet>.1 on va; 10.231.<subnet>.2 is where traffic goes. A permanent
# neighbour entry lets every datagram leave at once. Sets ns, work (a temporary folder)
# and the EXIT trap, which calls netns_cleanup_more first when a check defines it.
netns_start() {
  [ "$(id -u)" -eq 0 ] || skip "needs root for network namespaces"
  command -v ip >/dev/null || skip "no ip command (iproute2)"
  ns=$1-$$ peer=$1p-$$ subnet=$2
  ip netns add "$ns" 2>/dev/null || skip "cannot make a network namespace"
  work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-$1.XXXXXX")
  trap netns_cleanup EXIT
  ip netns add "$peer" || fail "cannot make the peer namespace"
  ip link add va netns "$ns" type veth peer name vb netns "$peer" || fail "cannot make a veth pair"
  in_ns ip link set lo up
  in_ns ip link set va mtu "$3" up
  ip netns exec "$peer" ip link set vb mtu "$3" up
  in_ns ip addr add "10.231.$subnet.1/24" dev va
  in_ns ip neigh add "10.231.$subnet.2" lladdr "02:00:00:00:$(printf %02x "$subnet"):02" dev va nud permanent
}
netns_cleanup() {
  declare -F netns_cleanup_more >/dev/null && netns_cleanup_more
  ip netns del "$ns" 2>/dev/null
  ip netns del "$peer" 2>/dev/null
  rm -rf "$work"
}
in_ns() { ip netns exec "$ns" "$@"; }
# The bytes the kernel counted as sent on va, headers included.
sent_bytes() { in_ns cat /sys/class/net/va/statistics/tx_bytes; }
# send <bytes> <datagram size>: that much from va, in datagrams of that size.
send() {
  in_ns bash -c "head -c $1 /dev/zero | dd bs=$2 iflag=fullblock status=none > /dev/udp/10.231.$subnet.2/9" \
    || fail "could not send traffic"
}
# json_sent <file>: the sum of "sent" in the view's array of a `usage --json` (the
# "interfaces" object after it repeats the same bytes per interface).
json_sent() {
  tr -d '\r' <"$1" | awk '/"interfaces"/ {exit} match($0, /"sent": [0-9]+/) {s += substr($0, RSTART + 8, RLENGTH - 8)} END {printf "%.0f", s}'
}
# within_one_percent <stored> <kernel>
within_one_percent() {
  local diff=$(($1 > $2 ? $1 - $2 : $2 - $1))
  [ $((diff * 100)) -le "$2" ]
}
