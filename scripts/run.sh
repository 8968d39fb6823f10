#!/usr/bin/env bash
# Builds the configurator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(scripts/build.sh | tail -n 1)
exec "$build/Quorvel" "$@"
