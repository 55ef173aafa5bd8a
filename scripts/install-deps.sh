#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev-tools
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
  libqt6svg6 qt6-qpa-plugins
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  # The fonts every desktop has: the tests must pass beside them (Nimbus Sans answers to
  # "Liberation Sans" and "Arial", a script face to "Comic Sans MS"), and the time zones the
  # hostile-desktop test sets.
  fonts-dejavu-core fonts-urw-base35 tzdata
  clang libclang-rt-14-dev clang-format
  file desktop-file-utils appstream lintian
  fonts-noto-cjk
  qt6-wayland weston
  pulseaudio pulseaudio-utils
  dbus dbus-daemon at-spi2-core python3-pyatspi python3-xlib xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
