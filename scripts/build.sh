#!/usr/bin/env bash
# Installs what is missing and builds into build/ (or build-sanitize/ with --sanitize);
# prints the build folder on its last line.
#   scripts/build.sh run                 the configurator alone
#   scripts/build.sh test [--sanitize]   everything, tests included
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-}
case "$kind" in
  run | test) ;;
  *)
    echo "usage: $0 run | test [--sanitize]" >&2
    exit 2
    ;;
esac
"$PWD/scripts/install-deps.sh" "$kind"

build=build
options=()
targets=()
if [ "$kind" = run ]; then
  # The tests are configured when GoogleTest is there, but only the configurator is built.
  targets=(--target Quorvel)
else
  options=(-DQUORVEL_TESTS=ON)
  if [ "${2:-}" = "--sanitize" ]; then
    build=build-sanitize
    options+=(-DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  fi
fi
cmake -S . -B "$build" -G Ninja -DQUORVEL_WERROR=ON "${options[@]}" >/dev/null
cmake --build "$build" "${targets[@]}" >&2
echo "$build"
