#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with --sanitize); prints the
# build folder on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."

"$PWD/scripts/install-deps.sh"

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  options=(-DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$build" -G Ninja -DQUORVEL_WERROR=ON "${options[@]}" >/dev/null
cmake --build "$build" >&2
echo "$build"
