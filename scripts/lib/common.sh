# Shared by the set-up scripts: finds the tree and installs missing Debian packages.

BYTELORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages every build needs.
BYTELORA_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-xfixes0-dev libqt6sql6-sqlite
  # lupdate and lrelease with their CMake package, and Qt's own translations
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation
  desktop-file-utils appstream dpkg-dev file xvfb xdotool
  # The real-display suite (tests/desktop): window managers, a tray host, and the tools
  # that drive and look at the windows.
  openbox icewm trayer wmctrl x11-utils imagemagick
  # bytelora-cli usage's Prometheus text is checked with promtool; sqlite3 fills a test
  # database (tests/cli/usage-script.sh).
  prometheus sqlite3 tzdata
  # The per-application counter (countd/): its kernel programs, compiled with clang and
  # embedded through bpftool's skeleton, and libbpf to load them. The counter's test
  # makes network namespaces and runs as another user (iproute2, util-linux's setpriv).
  clang bpftool libbpf-dev libelf-dev zlib1g-dev iproute2 util-linux
  # Notification areas that come and go: a StatusNotifierItem host on a session bus of
  # its own.
  lxqt-panel dbus
  # A Wayland session: weston with XWayland, and Qt's Wayland platform.
  weston xwayland qt6-wayland
  # High-density screens: Xft.dpi set with xrdb.
  x11-xserver-utils
  # The windows in Chinese and Japanese (tests/desktop/languages.sh).
  fonts-noto-cjk
)

# The Windows cross build and the wine that runs its tests.
# With the Qt for mingw also the installer (nsis) and the desktop checks of bytelora.exe
# under wine on a virtual display, and iproute2 for the data usage check in a network
# namespace of its own.
BYTELORA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 nsis xvfb xdotool x11-utils imagemagick iproute2
  # A German user under wine (tests/windows/check-wine-german.sh): wine takes the locale
  # from LANG, which needs it generated.
  locales)

# The long checks (scripts/test-long): the fuzzer, network namespaces, a virtual display
# with a tray host, node_exporter with Prometheus scraping the data usage, and clean
# Debian systems for the packages' upgrade and for the counter's service under
# systemd-nspawn (which serves its downloads with python3's web server).
BYTELORA_LONG_PACKAGES=(clang libclang-rt-14-dev iproute2 xvfb trayer prometheus prometheus-node-exporter curl
  debootstrap systemd-container python3)

# ensure_locale <name>: generates a locale (such as de_DE.UTF-8) that is not there yet.
ensure_locale() {
  locale -a 2>/dev/null | grep -qix "$(echo "$1" | sed 's/UTF-8/utf8/')" && return 0
  echo "== Generating the locale $1"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" localedef -i "${1%%.*}" -f "${1#*.}" "$1"
}

# Installs the named Debian packages that are not installed yet.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; return 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_build <build-dir> [cmake options...]
configure_build() {
  local dir=$1; shift
  cmake -S "$BYTELORA_ROOT" -B "$dir" -G Ninja "$@"
}
