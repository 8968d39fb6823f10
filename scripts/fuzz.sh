#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under the address and
# undefined-behaviour sanitizers into build-fuzz/, then runs them side by side, each for
# the given seconds (default 30), starting from its committed seed corpus in
# fuzz/corpus/<target>/. The corpus is copied first, so a run never writes into it.
# Fails if any target finds a crash, a leak or a broken invariant; the input that did
# it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
targets=(LoadFileFuzzer ParameterBlockFuzzer NumberTextFuzzer FieldTextsFuzzer DecimalFilterFuzzer
         EepromExchangeFuzzer)

"$PWD/scripts/install-deps.sh" test

build="$PWD/build-fuzz"
cmake -S . -B "$build" -G Ninja -DQUORVEL_WERROR=ON -DQUORVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$build/findings"
mkdir -p "$findings"

fuzz() {
  local target=$1
  mkdir -p "$work/$target/corpus" "$work/$target/tmp"
  cp -r "fuzz/corpus/$target/." "$work/$target/corpus/"
  (cd "$work/$target" && TMPDIR="$work/$target/tmp" "$build/fuzz/$target" -max_total_time="$seconds" \
     -artifact_prefix="$findings/$target-" -print_final_stats=1 corpus >"$work/$target.log" 2>&1)
}

pids=()
for target in "${targets[@]}"; do
  fuzz "$target" &
  pids+=($!)
done

failed=()
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/$target.log")
    echo "$target: $runs runs, $rate a second, no finding" >&2
  else
    failed+=("$target")
    echo "== $target found a problem:" >&2
    tail -n 60 "$work/$target.log" >&2
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found a problem in: ${failed[*]} (inputs in $findings/)" >&2
  exit 1
fi
echo "Every fuzz target ran ${seconds} s without a finding." >&2
