#!/usr/bin/env bash
# Installs the Debian packages that one kind of work needs:
#   run   building and running the configurator;
#   test  that, and the tests, coverage, fuzzing, the end-to-end tests and the benchmarks.
# Packages that are already there are left alone, so a second run costs nothing. What
# it installs, and what it cannot, is said on standard error.
set -euo pipefail

run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins
  fonts-wine fonts-wqy-microhei
)
test_packages=(
  libgtest-dev libgmock-dev
  gcovr clang libclang-rt-dev
  xvfb xdotool libxcb1-dev libxcb-damage0-dev
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
  locales
)

case "${1:-}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

# One question for all of them; a package dpkg does not know is left out of the answer.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
  if [[ $'\n'"$installed"$'\n' != *$'\n'"$package install ok installed"$'\n'* ]]; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}. Install them as root with:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo=sudo
fi
echo "Installing: ${missing[*]}" >&2
$sudo apt-get update -qq >&2
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
