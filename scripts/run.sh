#!/usr/bin/env bash
# Installs what building and running the configurator need, builds it alone and starts
# it. It takes no arguments: the configurator ignores them.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(scripts/build.sh run | tail -n 1)
exec "$build/Quorvel"
