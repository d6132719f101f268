#!/usr/bin/env bash
# The upgrade from the single bytelora package of 0.1.0 to the three packages, and
# bytelora-cli alone on a machine without a desktop, in clean Debian 12 systems that
# debootstrap makes from the mirror apt uses here:
#   1. bytelora 0.1.0 installed with apt: its files, the counter's system user, and the
#      counter enabled and started;
#   2. a user's settings, history log and data usage in their home;
#   3. apt installs bytelora, bytelora-cli and bytelora-countd as an upgrade: the user's
#      files are untouched, the counter is still enabled and running, its user is kept,
#      each file belongs to its new package, and bytelora removed afterwards leaves the
#      counter alone. The same again with dpkg taking the counter's package before
#      bytelora, and on a server that takes bytelora-cli and bytelora-countd without
#      bytelora;
#   4. in a second fresh system, bytelora-cli alone: `usage` and `usage --json` in an
#      empty home, and nothing of Qt's GUI installed along.
# No systemd runs in a chroot: systemctl-stand-in.sh stands in for systemctl there and
# keeps whether the counter would run. The debootstrapped system and the packages apt
# downloaded are kept in <build dir>/debian-upgrade for the next run.
# Needs root and the mirror; exits 77 where it cannot run.
# Usage: check-debian-upgrade.sh <build dir>
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
skip() { echo "SKIP: debian upgrade: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# The last commit that made the single bytelora package, and its version.
single_commit=f2e5183
single_version=0.1.0

[ "$(id -u)" -eq 0 ] || skip "needs root for debootstrap and chroot"
for tool in debootstrap chroot mount findmnt cpack dpkg-deb dpkg-shlibdeps git curl strip; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
git -C "$src" cat-file -e "$single_commit^{commit}" 2>/dev/null \
  || skip "the history lacks $single_commit, whose packaging makes the $single_version package"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no CPACK_PACKAGE_VERSION in $build/CPackConfig.cmake"
grep -q '^set(CPACK_COMPONENTS_ALL ".*countd' "$build/CPackConfig.cmake" \
  || skip "the counter was not built in $build, and the upgrade is about its service"

# The mirror apt uses here for bookworm.
# shellcheck source=tests/packaging/debian-mirror.sh
. "$here/debian-mirror.sh"
mirror=$(bookworm_mirror)
[ -n "$mirror" ] || skip "apt here has no source for bookworm"
curl -fsS --max-time 30 -o /dev/null "$mirror/dists/bookworm/Release" 2>/dev/null \
  || skip "no network to $mirror"

cache="$build/debian-upgrade"
mkdir -p "$cache/archives"
work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-upgrade.XXXXXX")
unmount_under() {
  local mount
  findmnt -rn -o TARGET | { grep -F "$1/" || true; } | LC_ALL=C sort -r | while read -r mount; do
    umount "$mount" 2>/dev/null || umount -l "$mount"
  done
}
cleanup() {
  unmount_under "$work"
  # Never across a mount that is still there.
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

# --- the packages ------------------------------------------------------------------------
arch=$(dpkg --print-architecture)
debs="$work/debs"
mkdir -p "$debs"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
for pkg in bytelora bytelora-cli bytelora-countd; do
  cp "$work/cpack/${pkg}_${version}_$arch.deb" "$debs/" || fail "cpack made no $pkg package"
done

# The single package of 0.1.0, made the way its CPack made it: every installed file, its
# control fields and its maintainer scripts, taken from that commit. It wraps this build's
# programs rather than a build of that commit (ten minutes more on a small machine): dpkg
# moves files and runs scripts by the package's name, version, file list and scripts, not
# by what the programs do. check-install-layout.sh holds the installed files to the same
# list as then.
single="$work/single"
DESTDIR="$single" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 \
  || { cat "$work/install.log" >&2; fail "cmake --install failed"; }
elves=("$single/usr/bin/bytelora" "$single/usr/bin/bytelora-cli" "$single/usr/sbin/bytelora-countd")
strip --strip-unneeded "${elves[@]}"
mkdir -p "$single/DEBIAN" "$work/shlibdeps/debian"
: >"$work/shlibdeps/debian/control"
shlibs=$(cd "$work/shlibdeps" && dpkg-shlibdeps -O "${elves[@]}" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ -n "$shlibs" ] || fail "dpkg-shlibdeps found no libraries for the $single_version package"
cat >"$single/DEBIAN/control" <<EOF
Package: bytelora
Version: $single_version
Architecture: $arch
Maintainer: Bytelora developers <support@bytelora.org>
Section: net
Priority: optional
Depends: qt6-qpa-plugins, libqt6sql6-sqlite, passwd, $shlibs
Recommends: xdg-utils
Description: Network traffic meter with a bandwidth history log
 Bytelora measures the network traffic of the machine it runs on.
EOF
for script in postinst prerm postrm; do
  git -C "$src" show "$single_commit:packaging/linux/countd-$script" >"$single/DEBIAN/$script"
  chmod 755 "$single/DEBIAN/$script"
done
single_files=$(cd "$single" && find usr \( -type f -o -type l \) | sed 's|^|/|' | LC_ALL=C sort)
dpkg-deb --root-owner-group --build "$single" "$debs/bytelora_${single_version}_$arch.deb" >/dev/null
# "<package>: <file>" for each file of the three packages, as dpkg -S says it.
new_owners=$(for pkg in bytelora bytelora-cli bytelora-countd; do
               dpkg-deb --contents "$debs/${pkg}_${version}_$arch.deb" |
                 awk -v pkg="$pkg" '$1 !~ /^d/ {print pkg ": " substr($6, 2)}'
             done | LC_ALL=C sort)
new_files=$(cut -d' ' -f2 <<<"$new_owners" | LC_ALL=C sort)
[ "$single_files" = "$new_files" ] || {
  diff <(echo "$single_files") <(echo "$new_files") >&2 || true
  fail "the three packages do not hold the single package's files between them"
}

# --- clean Debian 12 systems -----------------------------------------------------------------
base="$cache/bookworm-minbase.tar"
if [ ! -s "$base" ]; then
  echo "debootstrap bookworm from $mirror (kept as $base)"
  if ! debootstrap --variant=minbase bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1; then
    unmount_under "$work/base"
    tail -n 5 "$work/debootstrap.log" >&2
    skip "debootstrap was refused (its last lines above)"
  fi
  unmount_under "$work/base"
  tar -C "$work/base" --numeric-owner -cpf "$base.part" . && mv "$base.part" "$base"
  rm -rf --one-file-system "$work/base"
fi

# run_in <root> <command...>: runs a command in the system, with a plain environment.
run_in() {
  local root=$1; shift
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
# apt hands dpkg a PATH of its own, without the systemctl stand-in's folder.
apt_in() {
  local root=$1; shift
  run_in "$root" apt-get -y -q --no-install-recommends -o Dpkg::Options::=--force-unsafe-io \
    -o DPkg::Path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" \
    >>"$root.apt.log" 2>&1 || { tail -n 30 "$root.apt.log" >&2; fail "apt-get $* failed in $(basename "$root")"; }
  cp -n "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null || true
}
dpkg_in() {
  local root=$1; shift
  run_in "$root" dpkg --force-unsafe-io "$@" >>"$root.apt.log" 2>&1 \
    || { tail -n 30 "$root.apt.log" >&2; fail "dpkg $* failed in $(basename "$root")"; }
}
new_system() {
  local root="$work/$1"
  mkdir "$root"
  tar -C "$root" --numeric-owner -xpf "$base"
  cp -L --remove-destination /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  [ -c "$root/dev/null" ] || mount --bind /dev "$root/dev"
  # What systemctl would see on a machine that runs systemd.
  mkdir -p "$root/run/systemd/system"
  install -m 755 "$here/systemctl-stand-in.sh" "$root/usr/local/bin/systemctl"
  cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
  cp -r "$debs" "$root/debs"
  apt_in "$root" update
}
# The version dpkg has installed, or nothing.
installed() { run_in "$1" dpkg-query -W -f='${db:Status-Abbrev}${Version}' "$2" 2>/dev/null | sed -n 's/^ii *//p'; }
deb_of() { echo "/debs/${1}_${2}_$arch.deb"; }

# The counter is enabled, runs, and keeps its user: the state an upgrade must leave.
counter_kept() {
  local root=$1 when=$2 why=""
  run_in "$root" getent passwd bytelora-countd >/dev/null || why="its user bytelora-countd is gone"
  run_in "$root" systemctl --quiet is-enabled bytelora-countd.service || why="${why:+$why; }it is not enabled"
  run_in "$root" systemctl --quiet is-active bytelora-countd.service || why="${why:+$why; }it is not running"
  [ -z "$why" ] && return 0
  echo "systemctl calls, oldest first:" >&2
  sed 's/^/  /' "$root/var/lib/systemctl-stand-in/log" >&2
  (cd "$root/etc/systemd/system" && find . -name 'bytelora-countd*' -printf '  %p -> %l\n') >&2
  fail "$when: the counter: $why"
}
# Every file belongs to the package that holds it now.
owners_right() {
  local root=$1 when=$2 owners
  # shellcheck disable=SC2046  # one argument a file
  owners=$(run_in "$root" dpkg -S $(cut -d' ' -f2 <<<"$new_owners") 2>&1 | LC_ALL=C sort || true)
  [ "$owners" = "$new_owners" ] || {
    diff <(echo "$new_owners") <(echo "$owners") >&2 || true
    fail "$when: dpkg -S names other owners than the packages that hold the files"
  }
}
# Installs the single package and checks it as a 0.1.0 machine had it.
install_single() {
  local root=$1 how=$2 file
  if [ "$how" = apt ]; then
    apt_in "$root" install "$(deb_of bytelora "$single_version")"
  else
    dpkg_in "$root" -i "$(deb_of bytelora "$single_version")"
  fi
  [ "$(installed "$root" bytelora)" = "$single_version" ] || fail "bytelora $single_version is not installed"
  for file in $single_files; do
    [ -e "$root$file" ] || fail "bytelora $single_version installed no $file"
  done
  counter_kept "$root" "bytelora $single_version installed"
}
all_new_installed() {
  local root=$1 when=$2 pkg
  for pkg in bytelora bytelora-cli bytelora-countd; do
    [ "$(installed "$root" "$pkg")" = "$version" ] \
      || fail "$when: $pkg is at '$(installed "$root" "$pkg")', not $version"
  done
}
calls_since() { tail -n "+$(($2 + 1))" "$1/var/lib/systemctl-stand-in/log" | paste -sd';' -; }
calls_so_far() { wc -l <"$1/var/lib/systemctl-stand-in/log"; }

# --- 1. the single package, 2. a user's files, 3. the upgrade with apt -----------------------
echo "== bytelora $single_version, then the upgrade to $version (apt)"
desk="$work/desktop"
new_system desktop
install_single "$desk" apt
run_in "$desk" useradd --create-home --shell /bin/sh alice
home="$desk/home/alice"
mkdir -p "$home/.config/Quillmark" "$home/.local/state/Bytelora" "$home/.local/share/Bytelora"
printf '[Bytelora]\nLogEvery=Log every 1 minute\n' >"$home/.config/Quillmark/Bytelora.conf"
printf '12/7/26 3:07:45 PM Download: 12 Kb/s Upload: 3 Kb/s\r\n' >"$home/.local/state/Bytelora/Bytelora.txt"
head -c 65536 /dev/urandom >"$home/.local/share/Bytelora/usage.sqlite"
run_in "$desk" chown -R alice:alice /home/alice
home_state() { (cd "$home" && find . -printf '%p %U %G %m %s %T@\n' && find . -type f -exec sha256sum {} +) | LC_ALL=C sort; }
before=$(home_state)

mark=$(calls_so_far "$desk")
apt_in "$desk" install "$(deb_of bytelora "$version")" "$(deb_of bytelora-cli "$version")" \
  "$(deb_of bytelora-countd "$version")"
echo "systemctl calls during the upgrade: $(calls_since "$desk" "$mark")"
all_new_installed "$desk" "after the upgrade with apt"
[ "$(home_state)" = "$before" ] || {
  diff <(echo "$before") <(home_state) >&2 || true
  fail "the upgrade changed the user's files"
}
owners_right "$desk" "after the upgrade with apt"
counter_kept "$desk" "after the upgrade with apt"

# Then the desktop program alone goes, as on a server that took the upgrade: it leaves
# nothing behind whose scripts could touch the counter later (the 0.1.0 package's purge
# takes the counter's links away).
apt_in "$desk" remove bytelora
left=$(run_in "$desk" dpkg-query -W -f='${db:Status-Abbrev}' bytelora 2>/dev/null || true)
case $left in
  "" | un*) ;;
  *) fail "bytelora removed is still in dpkg's database as '$left'" ;;
esac
counter_kept "$desk" "after bytelora 0.2.0 was removed"

# The same upgrade with dpkg taking the counter's package first: the single package's prerm
# stops the counter after bytelora-countd started it, and bytelora starts it again.
echo "== the upgrade with the counter's package first (dpkg)"
dpkg_in "$desk" --purge bytelora bytelora-cli bytelora-countd
install_single "$desk" dpkg
mark=$(calls_so_far "$desk")
# dpkg leaves the old bytelora unconfigured, as the new packages break it, and says so.
run_in "$desk" dpkg --force-unsafe-io --auto-deconfigure -i "$(deb_of bytelora-countd "$version")" \
  "$(deb_of bytelora-cli "$version")" >>"$desk.apt.log" 2>&1 || true
for pkg in bytelora-cli bytelora-countd; do
  [ "$(installed "$desk" "$pkg")" = "$version" ] || { tail -n 30 "$desk.apt.log" >&2; fail "dpkg did not install $pkg"; }
done
dpkg_in "$desk" -i "$(deb_of bytelora "$version")"
echo "systemctl calls during the upgrade: $(calls_since "$desk" "$mark")"
all_new_installed "$desk" "after the upgrade with the counter first"
owners_right "$desk" "after the upgrade with the counter first"
counter_kept "$desk" "after the upgrade with the counter first"

# A server that had the single package takes bytelora-cli and bytelora-countd alone: apt
# removes bytelora, whose scripts stop and mask the counter on their way out.
echo "== a server: bytelora $single_version, then bytelora-cli and bytelora-countd alone (apt)"
dpkg_in "$desk" --purge bytelora bytelora-cli bytelora-countd
install_single "$desk" dpkg
mark=$(calls_so_far "$desk")
apt_in "$desk" install "$(deb_of bytelora-cli "$version")" "$(deb_of bytelora-countd "$version")"
echo "systemctl calls during the change: $(calls_since "$desk" "$mark")"
[ -z "$(installed "$desk" bytelora)" ] || fail "bytelora $(installed "$desk" bytelora) is still installed"
for pkg in bytelora-cli bytelora-countd; do
  [ "$(installed "$desk" "$pkg")" = "$version" ] || fail "on the server $pkg is at '$(installed "$desk" "$pkg")'"
done
counter_kept "$desk" "on the server, bytelora removed"

# An administrator's disabling (systemctl disable takes the link away) outlives an upgrade
# of the counter's package.
rm "$desk/etc/systemd/system/multi-user.target.wants/bytelora-countd.service"
dpkg_in "$desk" -i "$(deb_of bytelora-countd "$version")"
if run_in "$desk" systemctl --quiet is-enabled bytelora-countd.service; then
  fail "reinstalling bytelora-countd enabled the counter its administrator had disabled"
fi

# --- 4. bytelora-cli alone in a fresh system --------------------------------------------------
echo "== bytelora-cli alone"
server="$work/server"
new_system server
apt_in "$server" install "$(deb_of bytelora-cli "$version")"
[ "$(installed "$server" bytelora-cli)" = "$version" ] || fail "bytelora-cli is not installed alone"
for pkg in bytelora bytelora-countd; do
  [ -z "$(installed "$server" "$pkg")" ] || fail "installing bytelora-cli brought $pkg along"
done
run_in "$server" useradd --create-home --shell /bin/sh bob
for args in "usage" "usage --json"; do
  # shellcheck disable=SC2086  # the arguments are split on purpose
  chroot --userspec=bob:bob "$server" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/bob LANG=C.UTF-8 \
    bytelora-cli $args >"$work/cli.log" 2>&1 \
    || fail "bytelora-cli $args in an empty home ended with $?: $(cat "$work/cli.log")"
done
gui=$(run_in "$server" dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" {print $2}' |
      grep -E '^libqt6(widgets|gui|dbus|opengl)6' | xargs || true)
[ -z "$gui" ] || fail "bytelora-cli alone brought Qt's GUI: $gui"
echo "debian upgrade ok: $single_version to $version, with apt and with dpkg; bytelora-cli alone"
