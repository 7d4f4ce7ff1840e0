#!/usr/bin/env bash
# Builds the benchmarks (Release, in build/bench) and runs them: the core's
# events under Google Benchmark, then the planner's start-up against a bare Qt
# window of the same size, both offscreen, alternating, RUNS times each
# (default 30). Prints the medians of wall time and peak memory and their ratios.
# Benchmarks measure; they are not tests and are never part of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev
runs=${RUNS:-30}
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSMAR_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench-programs
bench=$build/bench

echo
echo "== Core (Google Benchmark; medians of 10 repetitions)"
"$bench/core-bench" --benchmark_repetitions=10 --benchmark_display_aggregates_only=true \
  --benchmark_out="$build/core-bench.csv" --benchmark_out_format=csv
echo
echo "Goals: Form1 built and loaded < 200 us; each event < 20 us; the sheet composed < 50 us"
# CSV rows: name,iterations,real_time,cpu_time,time_unit,...
awk -F, '$1 ~ /_median"?$/ {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
    goal = 20
    if (name ~ /Form1_build_and_load/) goal = 200
    if (name ~ /compose_character_sheet/) goal = 50
    printf "  %-40s %9.3f us  (goal < %3d us)  %s\n", name, $3, goal, ($3 < goal ? "met" : "MISSED")
}' "$build/core-bench.csv"

if [ ! -x "$bench/bare-window" ] || [ ! -x "$bench/planner-startup" ]; then
  echo
  echo "No start-up programs (they need the window: this build has -DTESSMAR_GUI=OFF)."
  exit 0
fi

echo
echo "== Start-up to the first frame, offscreen, $runs runs each, alternating"
export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)  # Qt wants one; an empty private folder keeps it quiet
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
results=$build/startup-runs.txt
: >"$results"
"$bench/run-measured" "$bench/bare-window" >/dev/null  # once each first, so that
"$bench/run-measured" "$bench/planner-startup" >/dev/null  # no run pays for a cold cache
for ((i = 0; i < runs; i++)); do
  echo "bare $("$bench/run-measured" "$bench/bare-window")" >>"$results"
  echo "planner $("$bench/run-measured" "$bench/planner-startup")" >>"$results"
done

median() {  # program column: the median of that column over the program's runs
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$results" | sort -n |
    awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
bare_wall=$(median bare 2)
bare_peak=$(median bare 3)
planner_wall=$(median planner 2)
planner_peak=$(median planner 3)
awk -v bw="$bare_wall" -v bp="$bare_peak" -v pw="$planner_wall" -v pp="$planner_peak" 'BEGIN {
    printf "  %-16s %10s %14s\n", "", "wall (ms)", "peak (MiB)"
    printf "  %-16s %10.1f %14.1f\n", "bare window", bw / 1000, bp / 1024
    printf "  %-16s %10.1f %14.1f\n", "planner", pw / 1000, pp / 1024
    printf "  %-16s %10.2f %14.2f\n", "ratio", pw / bw, pp / bp
    printf "Goals: wall ratio <= 1.5 (%s), peak memory ratio <= 1.3 (%s)\n",
           (pw / bw <= 1.5 ? "met" : "MISSED"), (pp / bp <= 1.3 ? "met" : "MISSED")
}'
