#!/usr/bin/env bash
# Builds with gcov's line counting into build-coverage/, runs every test, and reports
# the line coverage of the program's own folders; fails when any of them is below 90 %.
set -euo pipefail
cd "$(dirname "$0")/.."

"$PWD/scripts/install-deps.sh" test

build=build-coverage
folders=(params device app)
minimum=90

cmake -S . -B "$build" -G Ninja -DQUORVEL_WERROR=ON -DQUORVEL_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" >&2
# Counts of an earlier run would add to this one's.
find "$build" -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)" >/dev/null

summary="$build/coverage.json"
filters=()
for folder in "${folders[@]}"; do
  filters+=(--filter "$PWD/$folder/")
done
gcovr --root . --object-directory "$build" "${filters[@]}" --json-summary "$summary" >/dev/null

python3 - "$summary" "$minimum" "${folders[@]}" <<'PYTHON'
import json
import sys

summary, minimum, folders = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
files = json.load(open(summary))["files"]
failed = False
for folder in folders:
    mine = [f for f in files if f["filename"].startswith(folder + "/")]
    covered = sum(f["line_covered"] for f in mine)
    total = sum(f["line_total"] for f in mine)
    percent = 100.0 * covered / total if total else 0.0
    verdict = "ok" if percent >= minimum else "BELOW %g %%" % minimum
    print("%-8s %5.1f %%  (%d of %d lines)  %s" % (folder + "/", percent, covered, total, verdict))
    for f in sorted(mine, key=lambda f: f["filename"]):
        if f["line_covered"] < f["line_total"]:
            print("    %-36s %d of %d lines" % (f["filename"], f["line_covered"], f["line_total"]))
    failed = failed or percent < minimum
sys.exit(1 if failed else 0)
PYTHON
