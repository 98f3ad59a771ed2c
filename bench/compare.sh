#!/bin/sh
# Builds the Release programs and times, side by side in one hyperfine run, the yearly
# export against hebcal writing the same year with its zmanim, and a day report against
# /bin/true (the cost of starting any process); then prints the ratios against the goals
# and the Google Benchmark figure for a year built in memory.
#
# Usage: bench/compare.sh [build-dir]   (default build-rel)
# RUNS sets hyperfine's runs per command (default 300). VESSANT_BASELINE names an older
# vessant binary to time in the same run, for a before-and-after.
# hyperfine and hebcal come from Debian; the script installs them when they are missing.
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build-rel}"
RUNS="${RUNS:-300}"

missing=""
for tool in hyperfine hebcal; do
  command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
  SUDO=""
  [ "$(id -u)" != 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
fi

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESSANT_TESTS=OFF -DVESSANT_BENCH=ON >/dev/null
cmake --build "$BUILD" --target vessant vessant_bench

# The export flushes its file to the disk before renaming it into place; on a busy disk
# that flush alone can take longer than the whole computation, and hebcal writes to a pipe.
# A folder in memory (tmpfs) keeps the comparison to the work both programs do.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  work="$(mktemp -d -p /dev/shm)"
else
  work="$(mktemp -d)"
fi
trap 'rm -rf "$work"' EXIT
VESSANT="$BUILD/cli/vessant"
# No data folder: the built-in defaults, as on a machine where the calendar never ran.
export VESSANT_DATA_DIR="$work/no-data-folder"

EXPORT_ARGS="export --year 2025 --place Pittsburgh -o $work/2025.csv"
HEBCAL="hebcal -c -o -s -d -F -O -Z -E -l 40,26 -L 80,0 -z America/New_York 2025"

set -- -n export "$VESSANT $EXPORT_ARGS" -n hebcal "$HEBCAL" -n day "$VESSANT day" -n true /bin/true
if [ -n "${VESSANT_BASELINE:-}" ]; then
  set -- "$@" -n export-baseline "$VESSANT_BASELINE $EXPORT_ARGS" -n day-baseline "$VESSANT_BASELINE day"
fi
hyperfine -N --warmup 20 --runs "$RUNS" --export-json "$work/times.json" "$@"

python3 - "$work/times.json" <<'EOF'
import json
import sys

# Goals: the export at most 0.6 of hebcal's time; a day report under 1.2 ms.
EXPORT_GOAL = 0.6
DAY_GOAL_MS = 1.2

runs = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
# Wall time (median) and the processor time the process used (user + system, mean); on a
# busy machine the second is the steadier of the two.
wall = {name: r["median"] * 1000 for name, r in runs.items()}
cpu = {name: (r["user"] + r["system"]) * 1000 for name, r in runs.items()}

print()
print(f"{'command':<16} {'wall ms':>8} {'cpu ms':>8}")
for name in runs:
    print(f"{name:<16} {wall[name]:>8.2f} {cpu[name]:>8.2f}")
print()
print(f"{'ratio':<20} {'wall':>6} {'cpu':>6}")


def ratio(label, a, b):
    print(f"{label:<20} {wall[a] / wall[b]:>6.2f} {cpu[a] / cpu[b]:>6.2f}")


ratio("export / hebcal", "export", "hebcal")
ratio("day / true", "day", "true")
for name in ("export", "day"):
    if name + "-baseline" in runs:
        ratio(f"{name} / baseline", name, name + "-baseline")
print()
met = wall["export"] / wall["hebcal"] <= EXPORT_GOAL
print(f"export at most {EXPORT_GOAL} of hebcal's wall time: {'met' if met else 'NOT met'}")
met = wall["day"] < DAY_GOAL_MS
print(f"day under {DAY_GOAL_MS} ms wall time: {'met' if met else 'NOT met'} ({wall['day']:.2f} ms)")
EOF

echo
"$BUILD/bench/vessant_bench" --benchmark_filter='BM_ExportYearBytes' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true
