#!/usr/bin/env bash
# Starts the program under Xvfb with --first-paint-exit twenty times (KVIR_STARTUP_RUNS) and prints
# the median wall time from launch to exit and the peak resident memory (GNU time's "Maximum
# resident set size"). Runs of the floor, an empty Qt window of the same size that ends after its
# first paint (bench/kvir-empty-window of the same build), alternate with the program's, and the
# ratio of the two medians is printed: the start-up goal compares figures of the same run. The
# machine's load average before and after is printed too: other work on it slows both programs,
# but not always alike.
# Usage: bench/startup.sh [PATH_TO_KVIR [PATH_TO_EMPTY_WINDOW]]
#   (default: build/kvir beside this folder, and bench/kvir-empty-window beside the program)
set -euo pipefail

runs=${KVIR_STARTUP_RUNS:-20}
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/kvir}")
floor=$(realpath -m "${2:-$(dirname "$program")/bench/kvir-empty-window}")

[ -x "$program" ] || { echo "startup.sh: no program at $program; build it first" >&2; exit 2; }
[ -x "$floor" ] || {
  echo "startup.sh: no empty window at $floor; configure with -DKVIR_BENCH=ON and build it" >&2
  exit 2
}
[ -x /usr/bin/time ] || { echo "startup.sh: needs GNU time (Debian package 'time')" >&2; exit 2; }

# One X server for all runs, so that only the programs' own start-up is measured.
if [ -z "${KVIR_STARTUP_UNDER_XVFB:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "startup.sh: needs xvfb-run (package xvfb)" >&2; exit 2; }
  exec env KVIR_STARTUP_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$floor"
fi

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

report=$(mktemp)
trap 'rm -f "$report"' EXIT
# Runs `$1 --first-paint-exit` once; prints its wall time in ms and its peak memory in KiB.
measure() {
  local start end
  start=$(date +%s%N)
  if ! env -u QT_QPA_PLATFORM /usr/bin/time -f "%M" -o "$report" "$1" --first-paint-exit \
      >/dev/null 2>&1; then
    echo "startup.sh: a run of $1 did not exit with 0" >&2
    exit 1
  fi
  end=$(date +%s%N)
  echo "$(((end - start) / 1000000)) $(tail -n 1 "$report")"
}

load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
times_ms=()
peaks_kb=()
floor_ms=()
for ((i = 1; i <= runs; i++)); do
  read -r ms kb < <(measure "$program")
  times_ms+=("$ms")
  peaks_kb+=("$kb")
  read -r ms _ < <(measure "$floor")
  floor_ms+=("$ms")
done

echo "program: $program ($runs runs under Xvfb)"
echo "load average (1, 5, 15 min) before: $load_before; after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "wall time to first paint and exit, ms: ${times_ms[*]}"
echo "empty Qt window of the same size, ms:  ${floor_ms[*]}"
echo "peak resident memory, KiB:             ${peaks_kb[*]}"
program_median=$(printf '%s\n' "${times_ms[@]}" | median)
floor_median=$(printf '%s\n' "${floor_ms[@]}" | median)
printf 'median wall time: %s ms; empty window: %s ms; ratio %s\n' "$program_median" \
  "$floor_median" "$(awk -v p="$program_median" -v f="$floor_median" 'BEGIN {printf "%.2f", p / f}')"
median_kb=$(printf '%s\n' "${peaks_kb[@]}" | median)
highest_kb=$(printf '%s\n' "${peaks_kb[@]}" | sort -n | tail -n 1)
awk -v m="$median_kb" -v h="$highest_kb" 'BEGIN {
  printf "median peak memory: %.1f MiB = %.1f MB (highest %.1f MiB)\n", m / 1024, m * 1.024 / 1000,
         h / 1024
}'
