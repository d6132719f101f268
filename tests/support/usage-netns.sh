# Shared by the data usage checks against the kernel's counters: a network namespace of
# the check's own whose only interface besides loopback is the veth "va", sending into a
# peer namespace that drops everything without an answer. Sourced, not run; it sources
# netns.sh, whose netns_at_exit takes what a check must undo at exit.
# Every check prints "FAIL: ..." and leaves non-zero on the first fault, and leaves with
# 77 (a skip) saying why when it cannot make namespaces.
. "$(dirname "${BASH_SOURCE[0]}")/netns.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# netns_start <name> <subnet 0-255> <mtu>: makes the two namespaces and the veth, with
# 10.231.<subnet>.1 on va; 10.231.<subnet>.2 is where traffic goes. A permanent
# neighbour entry lets every datagram leave at once. Sets ns and work (a temporary
# folder, removed at exit).
netns_start() {
  netns_require
  ns=$1-$$ peer=$1p-$$ subnet=$2
  work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-$1.XXXXXX")
  netns_at_exit remove_work
  netns_pair "$ns" "$peer" va vb "10.231.$subnet.1/24" || fail "cannot make the namespaces and their veth pair"
  in_ns ip link set va mtu "$3"
  ip netns exec "$peer" ip link set vb mtu "$3"
  in_ns ip neigh add "10.231.$subnet.2" lladdr "02:00:00:00:$(printf %02x "$subnet"):02" dev va nud permanent
}
remove_work() { rm -rf "$work"; }
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
