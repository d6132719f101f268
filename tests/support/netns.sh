# shellcheck shell=bash
# Network namespaces for the checks and the measurements that need real interfaces.
# Sourced (bash), not run:
#   netns_require [<who>]     goes on only where this script may make network namespaces:
#                             as root, with iproute2's ip, where `ip netns add` is allowed;
#                             elsewhere it skips
#   netns_skip <why>          the one skip: prints "SKIPPED: <why>" and exits 77
#   netns_pair [--no-ipv6] <ns a> <ns b> <dev a> <dev b> [<address a> [<address b>]]
#                             two namespaces with loopback up, joined by a veth pair (<dev a>
#                             in the first, <dev b> in the second) whose ends are up, with
#                             the addresses given (10.22.0.1/24); --no-ipv6 turns IPv6 off
#                             in both before a link is up, so that no neighbour discovery
#                             crosses the veth. Non-zero, saying why, when a step fails
#   netns_delete              deletes the namespaces made so far
#   netns_at_exit <function>  has the function run at exit, before the namespaces go (the
#                             last one given runs first)
# Sourcing it takes the EXIT trap, which deletes the namespaces made: a script hands what
# else it must undo to netns_at_exit rather than setting a trap of its own.
# Whoever runs such a script takes 77 as a skip: ctest by SKIP_RETURN_CODE 77,
# scripts/test-long by `|| [ $? -eq 77 ]`, the benchmarks by reporting it.

netns_made=()
netns_exit_functions=()

netns_skip() {
  echo "SKIPPED: $*"
  exit 77
}

netns_require() {
  local who=${1:+$1: }
  [ "$(id -u)" -eq 0 ] || netns_skip "${who}needs root for network namespaces"
  command -v ip >/dev/null || netns_skip "${who}no ip command (iproute2)"
  local probe=blprobe-$$
  ip netns add "$probe" 2>/dev/null || netns_skip "${who}ip netns add is refused here"
  ip netns del "$probe" 2>/dev/null || true
}

netns_pair() {
  local no_ipv6=0
  if [ "$1" = --no-ipv6 ]; then
    no_ipv6=1
    shift
  fi
  local a=$1 b=$2 dev_a=$3 dev_b=$4 address_a=${5:-} address_b=${6:-} ns
  ip netns add "$a" || { echo "netns_pair: cannot make the namespace $a" >&2; return 1; }
  netns_made+=("$a")
  ip netns add "$b" || { echo "netns_pair: cannot make the namespace $b" >&2; return 1; }
  netns_made+=("$b")
  ip link add "$dev_a" netns "$a" type veth peer name "$dev_b" netns "$b" ||
    { echo "netns_pair: cannot make the veth pair $dev_a, $dev_b" >&2; return 1; }
  for ns in "$a" "$b"; do
    if [ "$no_ipv6" = 1 ]; then
      ip netns exec "$ns" sysctl -qw net.ipv6.conf.all.disable_ipv6=1 net.ipv6.conf.default.disable_ipv6=1 ||
        { echo "netns_pair: cannot turn IPv6 off in $ns" >&2; return 1; }
    fi
    ip -n "$ns" link set lo up || { echo "netns_pair: no loopback in $ns" >&2; return 1; }
  done
  if [ -n "$address_a" ]; then
    ip -n "$a" addr add "$address_a" dev "$dev_a" || { echo "netns_pair: cannot give $dev_a $address_a" >&2; return 1; }
  fi
  if [ -n "$address_b" ]; then
    ip -n "$b" addr add "$address_b" dev "$dev_b" || { echo "netns_pair: cannot give $dev_b $address_b" >&2; return 1; }
  fi
  if ! ip -n "$a" link set "$dev_a" up || ! ip -n "$b" link set "$dev_b" up; then
    echo "netns_pair: cannot bring the veth pair up" >&2
    return 1
  fi
}

netns_delete() {
  local ns
  for ns in "${netns_made[@]}"; do ip netns del "$ns" 2>/dev/null || true; done
  netns_made=()
}

netns_at_exit() {
  netns_exit_functions+=("$1")
}

netns_cleanup() {
  set +e
  local i
  for ((i = ${#netns_exit_functions[@]} - 1; i >= 0; i--)); do "${netns_exit_functions[i]}"; done
  netns_delete
}
trap netns_cleanup EXIT
