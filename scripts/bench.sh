#!/usr/bin/env bash
# Builds the configurator and the benchmark programs in Release (build-bench/) and
# measures, in one run: start-up to the first shown frame and peak memory of Quorvel
# against a bare Qt dialog with the same widgets, on a virtual X display; Read Config
# plus Write Config round trips per second over the emulated adapter; and the time of
# one such round trip on the Qt driver with 0, 10,000 and 100,000 rows in the log, with
# the memory per log row; and a 32,767-byte paste into Dead Band, drawn on the Qt driver.
# Usage: scripts/bench.sh [RUNS] [SECONDS]   (defaults: 20 runs each, 5 seconds)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-20}
seconds=${2:-5}

"$PWD/scripts/install-deps.sh" test

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_WERROR=ON -DQUORVEL_BENCHMARK=ON >/dev/null
cmake --build "$build" --target Quorvel quorvel_bare_dialog quorvel_startup_benchmark \
  quorvel_roundtrip_benchmark quorvel_log_length_benchmark quorvel_paste_benchmark >&2

# A display of our own, with the DAMAGE extension that the start-up benchmark watches,
# on a number that no other X server holds (other servers may be seen only by their
# abstract sockets). -noreset: the server stays up between the measured programs.
display_is_free() {
  [ ! -e "/tmp/.X$1-lock" ] && ! grep -aq "/tmp/.X11-unix/X$1\$" /proc/net/unix
}
start_xvfb() {
  Xvfb ":$1" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do
    kill -0 "$xvfb" 2>/dev/null || return 1
    grep -aq "/tmp/.X11-unix/X$1\$" /proc/net/unix && return 0
    sleep 0.1
  done
  return 1
}
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true' EXIT
display=
for _ in $(seq 10); do
  number=$((100 + RANDOM % 800))
  display_is_free "$number" || continue
  if start_xvfb "$number"; then
    display=:$number
    break
  fi
  kill "$xvfb" 2>/dev/null || true
done
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); $(date -u '+%Y-%m-%d')"
DISPLAY=$display "$build/bench/quorvel_startup_benchmark" "$PWD/$build/Quorvel" \
  "$PWD/$build/bench/quorvel_bare_dialog" "$runs"
"$build/bench/quorvel_roundtrip_benchmark" "$seconds"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bench/quorvel_log_length_benchmark"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/bench/quorvel_paste_benchmark"
