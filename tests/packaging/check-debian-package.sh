#!/usr/bin/env bash
# The Debian packages: bytelora (the desktop program), bytelora-cli and, where the counter
# was built, bytelora-countd. Their control fields and each one's own files; a real dpkg
# install of all of them into a throw-away root with its own dpkg database; the installed
# program starts under Xvfb, a second start hands over to the first, a start after a
# crash works; bytelora removed leaves the other two working, bytelora-cli installs and
# runs alone, and removing the packages leaves no file behind.
# Usage: check-debian-package.sh <build dir> <version>
set -euo pipefail
build=$1
version=$2
skip() { echo "SKIP: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps file Xvfb xdotool; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/bytelora-deb.XXXXXX")
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- the packages -------------------------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
arch=$(dpkg --print-architecture)
packages=(bytelora bytelora-cli)
# The counter has a package where it was built (its component is then packaged).
countd=0
if grep -q '^set(CPACK_COMPONENTS_ALL ".*countd' "$build/CPackConfig.cmake"; then
  countd=1
  packages+=(bytelora-countd)
fi
deb() { echo "$work/cpack/${1}_${version}_$arch.deb"; }
made=$(cd "$work/cpack" && ls -- *.deb 2>/dev/null | LC_ALL=C sort || true)
wanted=$(for pkg in "${packages[@]}"; do basename "$(deb "$pkg")"; done | LC_ALL=C sort)
[ "$made" = "$wanted" ] || fail "cpack made: $(echo $made), not: $(echo $wanted)"

field() { dpkg-deb -f "$(deb "$1")" "$2"; }
# The names a Depends field lists, alternatives included, one a line.
names() { tr ',|' '\n\n' | sed -e 's/^ *//' -e 's/[ (].*//' | grep .; }
depends_on() { field "$1" Depends | names | grep -qx "$2"; }
for pkg in "${packages[@]}"; do
  [ "$(field "$pkg" Package)" = "$pkg" ] || fail "$pkg: Package: $(field "$pkg" Package)"
  [ "$(field "$pkg" Version)" = "$version" ] || fail "$pkg: Version: $(field "$pkg" Version)"
  [ "$(field "$pkg" Section)" = net ] || fail "$pkg: Section: $(field "$pkg" Section)"
  [ -n "$(field "$pkg" Maintainer)" ] || fail "$pkg: no Maintainer"
  [ -n "$(field "$pkg" Description)" ] || fail "$pkg: no Description"
  # Files owned by root, as dpkg expects of a package it installs system-wide.
  if dpkg-deb --contents "$(deb "$pkg")" | awk '{print $2}' | grep -qv '^root/root$'; then
    fail "$pkg holds files not owned by root"
  fi
done

# The desktop program brings the other packages of its own version, the platform plugin
# and the SQLite driver Qt loads at run time.
for dep in libqt6widgets6 libqt6sql6 libc6 libstdc++6 qt6-qpa-plugins libqt6sql6-sqlite; do
  depends_on bytelora "$dep" || fail "bytelora's Depends lacks $dep: $(field bytelora Depends)"
done
others=(bytelora-cli)
[ "$countd" = 1 ] && others+=(bytelora-countd)
for other in "${others[@]}"; do
  grep -q "\(^\|, \)$other (= $version)\(,\|$\)" <<<"$(field bytelora Depends)" \
    || fail "bytelora does not depend on $other (= $version): $(field bytelora Depends)"
done
# The one-instance guard needs no Qt Network on Linux.
if depends_on bytelora libqt6network6; then
  fail "bytelora depends on libqt6network6, which the program does not use: $(field bytelora Depends)"
fi
for dep in libqt6core6 libqt6sql6-sqlite libc6; do
  depends_on bytelora-cli "$dep" || fail "bytelora-cli's Depends lacks $dep: $(field bytelora-cli Depends)"
done
for dep in bytelora bytelora-countd qt6-qpa-plugins; do
  if depends_on bytelora-cli "$dep"; then fail "bytelora-cli depends on $dep: $(field bytelora-cli Depends)"; fi
done
if [ "$countd" = 1 ]; then
  for dep in libbpf1 passwd; do
    depends_on bytelora-countd "$dep" || fail "bytelora-countd's Depends lacks $dep: $(field bytelora-countd Depends)"
  done
  if field bytelora-countd Depends | names | grep -q '^libqt\|^qt6\|^bytelora'; then
    fail "bytelora-countd depends on more than the counter needs: $(field bytelora-countd Depends)"
  fi
fi
# Up to 0.1.0 the bytelora package held all the files; those that moved take them over
# and have it upgraded along.
for pkg in "${others[@]}"; do
  for relation in Replaces Breaks; do
    [ "$(field "$pkg" "$relation")" = "bytelora (<< 0.2.0)" ] \
      || fail "$pkg: $relation: $(field "$pkg" "$relation"), not bytelora (<< 0.2.0)"
  done
done

# Each package holds its own files and nothing else.
files() { dpkg-deb --contents "$(deb "$1")" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort; }
id=org.bytelora.Bytelora
expect() {
  local pkg=$1; shift
  local wanted
  wanted=$(printf '%s\n' "$@" | LC_ALL=C sort)
  [ "$(files "$pkg")" = "$wanted" ] || {
    printf '%s holds:\n%s\n\nexpected:\n%s\n' "$pkg" "$(files "$pkg")" "$wanted" >&2
    fail "$pkg does not hold its own files alone"
  }
}
icons=()
for size in 16 32 48 64 128 256; do icons+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
expect bytelora ./usr/bin/bytelora ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
  "${icons[@]}" ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/bytelora/help/bytelora-help.html
expect bytelora-cli ./usr/bin/bytelora-cli

# Maintainer scripts: the counter's make its user and enable it (but leave another root
# alone); the desktop program's restarts the counter once after the upgrade from the
# single package; bytelora-cli has none.
scripts() { dpkg-deb --ctrl-tarfile "$(deb "$1")" | tar -t | sed 's|^\./||' | grep -E '^(pre|post)(inst|rm)$' | sort | xargs; }
[ -z "$(scripts bytelora-cli)" ] || fail "bytelora-cli has maintainer scripts: $(scripts bytelora-cli)"
if [ "$countd" = 1 ]; then
  expect bytelora-countd ./usr/sbin/bytelora-countd ./usr/lib/systemd/system/bytelora-countd.service
  [ "$(scripts bytelora-countd)" = "postinst postrm prerm" ] || fail "bytelora-countd's scripts: $(scripts bytelora-countd)"
  [ "$(scripts bytelora)" = "postinst" ] || fail "bytelora's scripts: $(scripts bytelora)"
  mkdir "$work/countd-control" "$work/desktop-control"
  dpkg-deb --ctrl-tarfile "$(deb bytelora-countd)" | tar -x -C "$work/countd-control"
  dpkg-deb --ctrl-tarfile "$(deb bytelora)" | tar -x -C "$work/desktop-control"
  for script in "$work"/countd-control/p* "$work/desktop-control/postinst"; do
    sh -n "$script" || fail "$script is not a valid shell script"
  done
  grep -q 'useradd --system' "$work/countd-control/postinst" || fail "postinst makes no system user"
  grep -q 'deb-systemd-helper enable bytelora-countd.service' "$work/countd-control/postinst" || fail "postinst enables nothing"
  unit=$(dpkg-deb --fsys-tarfile "$(deb bytelora-countd)" | tar -xO ./usr/lib/systemd/system/bytelora-countd.service)
  for setting in NoNewPrivileges=yes ProtectSystem=strict "RestrictAddressFamilies=AF_UNIX AF_NETLINK" \
                 RuntimeDirectory=bytelora "RestartPreventExitStatus=2 3" "WantedBy=multi-user.target"; do
    grep -qx "$setting" <<<"$unit" || fail "the counter's unit lacks $setting"
  done
  if command -v systemd-analyze >/dev/null; then
    printf '%s\n' "$unit" >"$work/bytelora-countd.service"
    # Only the unit's own syntax: the program's path is the installed one.
    if systemd-analyze verify "$work/bytelora-countd.service" 2>&1 | grep -v -e 'bytelora-countd: No such file' \
         -e 'Command /usr/sbin/bytelora-countd is not executable' -e 'System has not been booted with systemd' \
         -e 'Failed to ' -e '^$' | grep .; then
      fail "systemd-analyze finds fault with the counter's unit"
    fi
  fi
else
  [ -z "$(scripts bytelora)" ] || fail "bytelora has maintainer scripts without the counter: $(scripts bytelora)"
fi

# --- install into a throw-away root ---------------------------------------------------------
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
: >"$root/var/lib/dpkg/available"
# The root holds no other packages: the dependencies are this machine's.
dpkgr=(dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless
       --log=/dev/null)
installed() { dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' "$1" 2>/dev/null | grep -qx 'install ok installed'; }
debs=()
for pkg in "${packages[@]}"; do debs+=("$(deb "$pkg")"); done
"${dpkgr[@]}" -i "${debs[@]}" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i failed"; }
for pkg in "${packages[@]}"; do
  installed "$pkg" || fail "dpkg does not list $pkg as installed"
done
[ -x "$root/usr/bin/bytelora" ] || fail "no /usr/bin/bytelora after install"

# --- the installed program runs ---------------------------------------------------------------
# Xvfb picks a free display and writes its number once it accepts clients. -noreset: by
# default it resets whenever its last client leaves, and a program connecting just then
# (the window polls below come and go) is turned away.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -d '\n' <"$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
home="$work/home"
mkdir -p "$home/config" "$home/state" "$home/runtime" "$home/tmp"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_STATE_HOME="$home/state" \
       XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp"
unset TEMP

windows() { xdotool search --onlyvisible --name '^Bytelora$' 2>/dev/null | wc -l; }
wait_for_window() {
  local tries
  # Up to 30 s: a loaded CI machine can be slow to map the first window.
  for tries in $(seq 300); do
    [ "$(windows)" -ge 1 ] && return 0
    kill -0 "$1" 2>/dev/null || fail "bytelora ended at start-up: $(cat "$work/bytelora.log")"
    sleep 0.1
  done
  fail "no Bytelora window appeared: $(cat "$work/bytelora.log")"
}

"$root/usr/bin/bytelora" >"$work/bytelora.log" 2>&1 &
first=$!
pids+=("$first")
wait_for_window "$first"

# A second start hands over to the first and ends; still one window.
timeout 20 "$root/usr/bin/bytelora" >"$work/second.log" 2>&1 \
  || fail "the second start did not end cleanly: $(cat "$work/second.log")"
kill -0 "$first" 2>/dev/null || fail "the first instance ended when the second started"
[ "$(windows)" -eq 1 ] || fail "$(windows) Bytelora windows after a second start"

# A crash leaves the lock and the socket behind; the next start is not blocked by them.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
"$root/usr/bin/bytelora" >"$work/bytelora.log" 2>&1 &
again=$!
pids+=("$again")
wait_for_window "$again"
kill "$again"
wait "$again" 2>/dev/null || true

# --- remove -----------------------------------------------------------------------------------
# What remains of the root once the named packages are purged: their files are gone, the
# other packages' files stay.
left_behind() {
  (cd "$root" && find . -mindepth 1 \( -type f -o -type l \) -not -path './var/lib/dpkg/*' | LC_ALL=C sort)
}
others_files=$(for pkg in "${others[@]}"; do files "$pkg"; done | LC_ALL=C sort)
"${dpkgr[@]}" --purge bytelora >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg --purge bytelora failed"; }
[ "$(left_behind)" = "$others_files" ] || {
  printf 'left:\n%s\n\nexpected:\n%s\n' "$(left_behind)" "$others_files" >&2
  fail "removing bytelora did not leave exactly the other packages' files"
}
for other in "${others[@]}"; do installed "$other" || fail "removing bytelora took $other along"; done
"$root/usr/bin/bytelora-cli" --help >/dev/null || fail "bytelora-cli does not run once bytelora is removed"

"${dpkgr[@]}" --purge "${others[@]}" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg --purge failed"; }
# bytelora-cli alone: a machine without a desktop.
"${dpkgr[@]}" -i "$(deb bytelora-cli)" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i bytelora-cli failed"; }
"$root/usr/bin/bytelora-cli" usage >"$work/usage.log" 2>&1 \
  || fail "bytelora-cli usage, installed alone, failed: $(cat "$work/usage.log")"
"${dpkgr[@]}" --purge bytelora-cli >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg --purge bytelora-cli failed"; }

left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/lib' \
       -not -path './var/lib/dpkg' -not -path './var/lib/dpkg/*')
[ -z "$left" ] || fail "removing the packages left: $left"
for pkg in "${packages[@]}"; do
  if dpkg-query --admindir="$root/var/lib/dpkg" -W "$pkg" >/dev/null 2>&1; then
    fail "dpkg still knows $pkg after purge"
  fi
done

# bytelora-cli serves machines without a desktop: nothing of Qt's windows, D-Bus or X.
gui=$(field bytelora-cli Depends | names | grep -E '^(libqt6(gui|widgets|dbus|opengl)6|libxcb|libx11|libgl|libegl|libdbus|qt6-qpa-plugins)' | xargs || true)
[ -z "$gui" ] || fail "bytelora-cli depends on desktop libraries: $gui"
echo "debian packages ok: ${packages[*]} $version"
