#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; packages that
# are already there are left alone, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-qpa-plugins
  fonts-wine fonts-wqy-microhei
  gcovr clang libclang-rt-dev
  xvfb xdotool libxcb1-dev libxcb-damage0-dev
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
