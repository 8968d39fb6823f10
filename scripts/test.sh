#!/usr/bin/env bash
# Installs what building and testing need, builds everything and runs every test;
# --sanitize does so under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(scripts/build.sh test "$@" | tail -n 1)
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)"
