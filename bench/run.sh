#!/usr/bin/env bash
# Every benchmark in one go, each figure printed with its goal: the per-scheme ratios
# (bench/ratios.sh), the exam's (kvir-bench, three repetitions), then the browser edition's page
# in headless Chromium (bench/web/bench.py), which is skipped, saying so, where there is no page.
# Usage: bench/run.sh [BUILD_BENCH_DIR] [KVIR_HTML] [RATIO_REPETITIONS]
#   BUILD_BENCH_DIR  a Release build with -DKVIR_BENCH=ON (build-bench)
#   KVIR_HTML        the page scripts/web.sh builds (build-web/kvir.html)
#   RATIO_REPETITIONS  passed to bench/ratios.sh (its default: 200)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
page=${2:-$repo/build-web/kvir.html}
bench=$build/bench/kvir-bench
[ -x "$bench" ] || { echo "run.sh: no kvir-bench at $bench" >&2; exit 2; }

echo "== per scheme: bench/ratios.sh"
bash "$repo/bench/ratios.sh" "$bench" ${3:+"$3"}

echo
echo "== exam: kvir-bench, BM_RenderPng and BM_Exam*, 3 repetitions (CPU time, median)"
# JSON, not CSV: the CSV reporter stops at a benchmark whose counters the first one lacked.
"$bench" --benchmark_filter='^BM_(RenderPng|Exam.*)$' --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
  python3 -c '
import json, sys

to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
cpu = {}
for run in json.load(sys.stdin)["benchmarks"]:
    if run.get("aggregate_name") == "median":
        cpu[run["run_name"]] = run["cpu_time"] * to_ms[run["time_unit"]]
for name, ms in cpu.items():
    print(f"{name:<24} {ms:12.1f} ms")

def ratio(what, top, bottom, times, goal):
    if top not in cpu or bottom not in cpu:
        print(f"{what}: no {top} or {bottom} in this kvir-bench, no figure")
        return
    value = cpu[top] / (times * cpu[bottom])
    scale = f"{times} x " if times != 1 else ""
    print(f"{what}: {top} / ({scale}{bottom}) = {cpu[top]:.1f} ms / ({scale}{cpu[bottom]:.1f} ms)"
          f" = {value:.2f} ({goal})")

ratio("Moodle bank", "BM_ExamMoodle100", "BM_RenderPng", 100, "goal <= 1.5")
ratio("worksheets", "BM_ExamPdf30", "BM_ExamPdf30Pictures", 1, "goal <= 1.5")
'

echo
echo "== browser edition: bench/web/bench.py"
if [ ! -f "$page" ]; then
  echo "SKIPPED: no page at $page (bash scripts/web.sh builds it)"
elif ! /usr/bin/python3 -c 'import selenium' 2>/dev/null || [ ! -x /usr/bin/chromium ]; then
  echo "SKIPPED: the page needs /usr/bin/chromium and python3-selenium (scripts/setup.sh web)"
else
  /usr/bin/python3 "$repo/bench/web/bench.py" "$page"
fi
