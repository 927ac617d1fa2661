#!/usr/bin/env bash
# Starts the program under Xvfb with --first-paint-exit ten times and prints the median wall time
# from launch to exit and the peak resident memory (GNU time's "Maximum resident set size").
# Usage: bench/startup.sh [PATH_TO_KVIR]   (default: build/kvir beside this folder)
set -euo pipefail

runs=10
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/kvir}")

[ -x "$program" ] || { echo "startup.sh: no program at $program; build it first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "startup.sh: needs GNU time (Debian package 'time')" >&2; exit 2; }

# One X server for all runs, so that only the program's own start-up is measured.
if [ -z "${KVIR_STARTUP_UNDER_XVFB:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "startup.sh: needs xvfb-run (package xvfb)" >&2; exit 2; }
  exec env KVIR_STARTUP_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

times_ms=()
peaks_kb=()
report=$(mktemp)
trap 'rm -f "$report"' EXIT
for ((i = 1; i <= runs; i++)); do
  start=$(date +%s%N)
  if ! env -u QT_QPA_PLATFORM /usr/bin/time -f "%M" -o "$report" "$program" --first-paint-exit \
      >/dev/null 2>&1; then
    echo "startup.sh: run $i of $program did not exit with 0" >&2
    exit 1
  fi
  end=$(date +%s%N)
  times_ms+=("$(((end - start) / 1000000))")
  peaks_kb+=("$(tail -n 1 "$report")")
done

echo "program: $program ($runs runs under Xvfb)"
echo "wall time to first paint and exit, ms: ${times_ms[*]}"
echo "peak resident memory, KiB:             ${peaks_kb[*]}"
printf 'median wall time: %s ms\n' "$(printf '%s\n' "${times_ms[@]}" | median)"
median_kb=$(printf '%s\n' "${peaks_kb[@]}" | median)
highest_kb=$(printf '%s\n' "${peaks_kb[@]}" | sort -n | tail -n 1)
awk -v m="$median_kb" -v h="$highest_kb" 'BEGIN {
  printf "median peak memory: %.1f MiB = %.1f MB (highest %.1f MiB)\n", m / 1024, m * 1.024 / 1000,
         h / 1024
}'
