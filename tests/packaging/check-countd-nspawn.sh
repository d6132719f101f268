#!/usr/bin/env bash
# The counter's package under a real systemd: a clean Debian 12 (systemd, systemd-sysv,
# dbus) that debootstrap makes from the mirror apt uses here, booted with systemd-nspawn
# and given a veth of its own to the host. In it:
#   1. apt installs bytelora-countd and bytelora-cli; the service is active, its process
#      has no capability, no new privileges, a system-call filter and IPC of its own, and
#      systemd holds the unit's IPAddressDeny, PrivateIPC and RestartPreventExitStatus;
#   2. a wrong command line (exit 2) and an unsafe socket folder (exit 3) leave the
#      service failed, never started again; the unit as shipped then starts and serves;
#   3. alice and bob each download a file of their own size from a web server on the
#      host, over the veth: each sees curl with their own bytes only, and carol, who
#      downloads nothing, sees no program;
#   4. apt purge stops the service and takes its unit, its links and its socket away;
#      its system user stays, as the README promises.
# nspawn's own system-call filter forbids bpf() in the container: SYSTEMD_SECCOMP=0 turns
# it off, and the counter's capabilities are added to the container's bounding set.
# The debootstrapped system and the packages apt downloaded are kept in
# <build dir>/debian-nspawn for the next run.
# Needs root, the mirror and a kernel that boots a container; exits 77 where it cannot run.
# Usage: check-countd-nspawn.sh <build dir>
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIP: countd under systemd-nspawn: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "needs root for debootstrap and systemd-nspawn"
for tool in debootstrap systemd-nspawn nsenter chroot cpack ip curl python3 findmnt; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no CPACK_PACKAGE_VERSION in $build/CPackConfig.cmake"
grep -q '^set(CPACK_COMPONENTS_ALL ".*countd' "$build/CPackConfig.cmake" \
  || skip "the counter was not built in $build"
# shellcheck source=tests/packaging/debian-mirror.sh
. "$here/debian-mirror.sh"
mirror=$(bookworm_mirror)
[ -n "$mirror" ] || skip "apt here has no source for bookworm"
curl -fsS --max-time 30 -o /dev/null "$mirror/dists/bookworm/Release" 2>/dev/null \
  || skip "no network to $mirror"

cache="$build/debian-nspawn"
mkdir -p "$cache/archives"
work=$(mktemp -d "${TMPDIR:-/var/tmp}/bytelora-nspawn.XXXXXX")
root="$work/root"
machine="bytelora-$$"
# The veth's ends, named here (at most 15 characters) rather than after the machine.
host_end="blh$$"
host_ip=10.231.77.1
guest_ip=10.231.77.2
nspawn_pid=""
server_pid=""
# The container's systemd, once nspawn has started it.
leader=""
find_leader() {
  # Not nspawn's own short-lived child that makes the container's namespaces.
  [ -n "$leader" ] || leader=$(ps -o pid=,comm= --ppid "$nspawn_pid" 2>/dev/null |
    awk '$2 == "systemd" {print $1; exit}' || true)
}
stop_container() {
  [ -n "$nspawn_pid" ] || return 0
  find_leader
  # nspawn asks the container's systemd to power off on SIGTERM.
  kill -TERM "$nspawn_pid" 2>/dev/null || true
  for _ in $(seq 60); do
    kill -0 "$nspawn_pid" 2>/dev/null || break
    sleep 0.5
  done
  # Killed, the first process of the container takes every other one in it along; nspawn
  # killed alone would leave them running.
  [ -z "$leader" ] || kill -KILL "$leader" 2>/dev/null || true
  sleep 0.5
  kill -KILL "$nspawn_pid" 2>/dev/null || true
  wait "$nspawn_pid" 2>/dev/null || true
  nspawn_pid=""
}
# On a host without systemd, nspawn makes the cgroups "payload" and "supervisor" in the
# one it runs in (here the root) and leaves them, empty, behind.
remove_empty_nspawn_cgroups() {
  local top group
  for top in /sys/fs/cgroup /sys/fs/cgroup/unified /sys/fs/cgroup/systemd; do
    for group in "$top/payload" "$top/supervisor"; do
      [ -d "$group" ] || continue
      [ -z "$(find "$group" -name cgroup.procs -exec cat {} + 2>/dev/null)" ] || continue
      find "$group" -depth -type d -exec rmdir {} \; 2>/dev/null || true
    done
  done
}
cleanup() {
  [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
  stop_container
  [ -d /run/systemd/system ] || remove_empty_nspawn_cgroups
  findmnt -rn -o TARGET | { grep -F "$work/" || true; } | LC_ALL=C sort -r |
    while read -r mount; do umount "$mount" 2>/dev/null || umount -l "$mount"; done
  # Never across a mount that is still there.
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

# --- the packages -------------------------------------------------------------------------
arch=$(dpkg --print-architecture)
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" -D 'CPACK_COMPONENTS_ALL=cli;countd' \
  >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=()
for pkg in bytelora-countd bytelora-cli; do
  [ -f "$work/cpack/${pkg}_${version}_$arch.deb" ] || fail "cpack made no $pkg package"
  debs+=("/debs/${pkg}_${version}_$arch.deb")
done

# --- a clean Debian 12 with systemd ---------------------------------------------------------
base="$cache/bookworm-systemd.tar"
if [ ! -s "$base" ]; then
  echo "debootstrap bookworm with systemd from $mirror (kept as $base)"
  if ! debootstrap --variant=minbase --include=systemd,systemd-sysv,dbus,iproute2,curl,ca-certificates \
    bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1; then
    tail -n 5 "$work/debootstrap.log" >&2
    skip "debootstrap was refused (its last lines above)"
  fi
  tar -C "$work/base" --numeric-owner -cpf "$base.part" . && mv "$base.part" "$base"
  rm -rf --one-file-system "$work/base"
fi
mkdir "$root"
tar -C "$root" --numeric-owner -xpf "$base"
mkdir "$root/debs"
cp "$work/cpack"/*.deb "$root/debs/"
cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
# The container has no way out but the veth: apt fetches what the packages need now,
# from the chroot, and installs it later under systemd from its cache.
cp -L --remove-destination /etc/resolv.conf "$root/etc/resolv.conf"
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
  sh -c 'apt-get -q update && apt-get -y -q --no-install-recommends --download-only install "$@"' \
  sh "${debs[@]}" >"$work/download.log" 2>&1 || { tail -n 20 "$work/download.log" >&2; fail "apt could not fetch what the packages need"; }
cp -n "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null || true

# --- boot it --------------------------------------------------------------------------------
# shellcheck disable=SC2054  # the capabilities are one argument
nspawn_args=(-b -D "$root" -M "$machine" --register=no --console=passive
  "--network-veth-extra=$host_end:eth1" --capability=CAP_BPF,CAP_PERFMON,CAP_NET_ADMIN)
# Without systemd on the host there is no manager to make the container's scope.
[ -d /run/systemd/system ] || nspawn_args+=(--keep-unit)
SYSTEMD_SECCOMP=0 systemd-nspawn "${nspawn_args[@]}" >"$work/boot.log" 2>&1 &
nspawn_pid=$!
# in_container <command...>: as root in the container, with a plain environment.
in_container() {
  nsenter -t "$leader" -m -u -i -n -p -- /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
state=""
for _ in $(seq 120); do
  kill -0 "$nspawn_pid" 2>/dev/null || break
  find_leader
  if [ -n "$leader" ]; then
    state=$(in_container systemctl is-system-running 2>/dev/null || true)
    case $state in running | degraded) break ;; esac
  fi
  sleep 0.5
done
case $state in
  running | degraded) ;;
  *)
    tail -n 5 "$work/boot.log" >&2
    skip "this machine cannot boot a container (systemd-nspawn -b; its last lines above)"
    ;;
esac
echo "booted Debian 12 under systemd-nspawn (system $state)"

ip addr add "$host_ip/24" dev "$host_end"
ip link set "$host_end" up
in_container ip addr add "$guest_ip/24" dev eth1
in_container ip link set eth1 up

# --- 1. installed with apt, the service as it runs --------------------------------------------
in_container apt-get -y -q --no-install-recommends install "${debs[@]}" >"$work/install.log" 2>&1 \
  || { tail -n 20 "$work/install.log" >&2; fail "apt could not install the packages in the container"; }
unit=bytelora-countd.service
property() { in_container systemctl show -p "$1" --value "$unit"; }
serving() {
  for _ in $(seq 40); do
    [ "$(property ActiveState)" = active ] && in_container test -S /run/bytelora/countd.socket && return 0
    sleep 0.25
  done
  in_container journalctl -u "$unit" --no-pager -n 20 >&2 || true
  fail "$1: the counter is $(property ActiveState), not serving"
}
serving "after apt install"
pid=$(property MainPID)
status=$(in_container cat "/proc/$pid/status")
field() { sed -n "s/^$1:[[:space:]]*//p" <<<"$status"; }
[ "$(field CapEff)" = 0000000000000000 ] || fail "the counter runs with CapEff $(field CapEff)"
[ "$(field NoNewPrivs)" = 1 ] || fail "the counter may gain privileges (NoNewPrivs $(field NoNewPrivs))"
[ "$(field Seccomp)" = 2 ] || fail "the counter runs without a system-call filter (Seccomp $(field Seccomp))"
[ "$(in_container readlink "/proc/$pid/ns/ipc")" != "$(in_container readlink /proc/1/ns/ipc)" ] \
  || fail "the counter shares the system's IPC namespace (PrivateIPC)"
[ "$(property PrivateIPC)" = yes ] || fail "PrivateIPC is $(property PrivateIPC)"
deny=$(property IPAddressDeny | tr ' ' '\n' | LC_ALL=C sort | xargs)
[ "$deny" = "0.0.0.0/0 ::/0" ] || fail "IPAddressDeny is '$deny', not any"
[ "$(property RestartPreventExitStatus)" = "2 3" ] \
  || fail "RestartPreventExitStatus is '$(property RestartPreventExitStatus)'"
echo "the service runs: CapEff 0, NoNewPrivs, a system-call filter, IPC of its own, no IP"

# --- 2. failures a new start cannot mend ------------------------------------------------------
dropin=/run/systemd/system/$unit.d
fails_for_good() {
  local how=$1 code=$2 arguments=$3
  in_container mkdir -p "$dropin"
  printf '[Service]\nExecStart=\nExecStart=/usr/sbin/bytelora-countd %s\n' "$arguments" |
    in_container tee "$dropin/broken.conf" >/dev/null
  in_container systemctl daemon-reload
  in_container systemctl restart "$unit" || true
  # Past RestartSec=5, when a restart would have come.
  sleep 6.5
  [ "$(property ActiveState)" = failed ] || fail "$how: the counter is $(property ActiveState), not failed"
  [ "$(property ExecMainStatus)" = "$code" ] || fail "$how: it ended with $(property ExecMainStatus), not $code"
  [ "$(property NRestarts)" = 0 ] || fail "$how: systemd started it again $(property NRestarts) times"
  in_container rm -r "$dropin"
  in_container systemctl daemon-reload
  in_container systemctl reset-failed "$unit"
}
fails_for_good "a wrong command line" 2 --no-such-option
# /tmp (the service's own, PrivateTmp) may be written by everyone.
fails_for_good "an unsafe socket folder" 3 "--socket /tmp/countd.socket"
in_container systemctl start "$unit"
serving "started again as shipped"
echo "the service fails for good on exits 2 and 3, and starts again as shipped"

# --- 3. two users' downloads, and a third's nothing -------------------------------------------
mkdir "$work/www"
head -c 3000000 /dev/zero >"$work/www/alice.bin"
head -c 5000000 /dev/zero >"$work/www/bob.bin"
python3 -m http.server --bind "$host_ip" --directory "$work/www" 18431 >"$work/server.log" 2>&1 &
server_pid=$!
# as_user <user> <command...>: in a service of its own, so that it runs in the
# container's cgroups where the counter counts.
as_user() {
  local user=$1; shift
  in_container systemd-run --quiet --wait --pipe --collect -p "User=$user" "$@"
}
for user in alice bob carol; do in_container useradd --create-home "$user"; done
for _ in $(seq 40); do
  as_user alice curl -fsS -o /dev/null "http://$host_ip:18431/" 2>/dev/null && break
  sleep 0.25
done
as_user alice curl -fsS -o /dev/null "http://$host_ip:18431/alice.bin" || fail "alice's download failed"
as_user bob curl -fsS -o /dev/null "http://$host_ip:18431/bob.bin" || fail "bob's download failed"
# check_apps <user> <expected: "none" or "<executable> <least received> <most received>">
check_apps() {
  local user=$1 expected=$2 answer
  answer=$(as_user "$user" bytelora-cli apps --json) || fail "bytelora-cli apps --json failed for $user"
  python3 - "$user" "$expected" "$answer" <<'EOF' || fail "$user's programs: $answer"
import json, sys
user, expected, answer = sys.argv[1], sys.argv[2].split(), json.loads(sys.argv[3])
apps = answer["applications"]
if expected == ["none"]:
    sys.exit(0 if not apps else 1)
executable, least, most = expected[0], int(expected[1]), int(expected[2])
if [app["executable"] for app in apps] != [executable]:
    sys.exit(1)
sys.exit(0 if least <= apps[0]["received"] <= most else 1)
EOF
}
# The payload and its headers: the other user's file would be well over the bound.
# The first alice's request (the wait for the server) adds a listing of a few hundred bytes.
check_apps alice "/usr/bin/curl 3000000 3300000"
check_apps bob "/usr/bin/curl 5000000 5300000"
check_apps carol none
echo "alice and bob each see their own download, carol sees none"

# --- 4. apt purge -------------------------------------------------------------------------
in_container apt-get -y -q purge bytelora-countd >"$work/purge.log" 2>&1 \
  || { tail -n 20 "$work/purge.log" >&2; fail "apt purge bytelora-countd failed"; }
[ "$(property LoadState)" = not-found ] || fail "after purge the unit is still $(property LoadState)"
[ "$(property ActiveState)" = inactive ] || fail "after purge the counter is $(property ActiveState)"
in_container test ! -e /run/bytelora/countd.socket || fail "after purge the socket is still there"
left=$(in_container find /etc/systemd /lib/systemd /usr/lib/systemd /usr/sbin -name 'bytelora-countd*')
[ -z "$left" ] || fail "after purge these are left: $left"
# shellcheck disable=SC2016  # expanded in the container
running=$(in_container sh -c 'for p in /proc/[0-9]*; do stat -c %U "$p" 2>/dev/null; done' | grep -c '^bytelora-countd$' || true)
[ "$running" = 0 ] || fail "after purge $running processes of bytelora-countd still run"
in_container getent passwd bytelora-countd >/dev/null || fail "purge removed the system user bytelora-countd"
echo "countd under systemd-nspawn ok: installed, confined, failing for good, two users apart, purged"
