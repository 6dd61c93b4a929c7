#!/usr/bin/env bash
# Installs every Debian package needed to build, test, run and package Tavelo.
# Idempotent: does nothing when all packages are present.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config g++ clang libclang-rt-dev
  qt6-base-dev qt6-base-dev-tools nlohmann-json3-dev libqt6sql6-sqlite
  libx11-dev libxcb1-dev libxcb-screensaver0-dev
  qt6-l10n-tools qt6-translations-l10n
  libwayland-dev wayland-protocols plasma-wayland-protocols libglib2.0-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-private-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool openbox tint2 dunst
  dbus dbus-x11 imagemagick procps xcompmgr
  gsettings-desktop-schemas libglib2.0-bin
  at-spi2-core python3-pyatspi                                          # the accessibility test
  # the desktop matrix (make test-desktops), one shell a group; installed sizes with
  # --no-install-recommends on Debian 12, each group on top of the above
  python3-gi libglib2.0-bin libnss-wrapper
  xfwm4 xfce4-panel xfce4-notifyd xfconf                                # Xfce, 30 MB
  sway waybar mako-notifier xwayland wtype                              # sway, 55 MB
  gnome-shell gnome-shell-extension-appindicator gjs                    # GNOME, 510 MB
  kwin-wayland plasma-workspace plasma-desktop qtwayland5 kded5 kactivitymanagerd  # KDE, 1.2 GB
  # fonts so that screenshots show real text
  fonts-dejavu-core fonts-droid-fallback  # the latter for Japanese and Chinese
  # packaging
  dpkg-dev file appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
