#!/usr/bin/env bash
# Runs kvir-bench once, with the repetitions of all benchmarks interleaved at random so that the
# figures compared share the machine's moods, and prints per scheme the median CPU times and the
# ratios of the goals: press ÷ decode floor, GUI press ÷ decode floor (also at 200 %), and
# evaluation alone.
# Many short repetitions pair the figures better on a busy machine than a few long ones.
# Usage: bench/ratios.sh [PATH_TO_KVIR_BENCH] [REPETITIONS] [SECONDS_PER_REPETITION]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$repo/build-bench/bench/kvir-bench}
repetitions=${2:-200}
min_time=${3:-0.01}
[ -x "$bench" ] || { echo "ratios.sh: no kvir-bench at $bench" >&2; exit 2; }

# Only the per-scheme benchmarks and BM_InitSchemes: the exam's (bench/run.sh runs them, three
# times) take seconds a repetition.
"$bench" --benchmark_filter='-^BM_(Exam|RenderPng)' \
  --benchmark_repetitions="$repetitions" --benchmark_min_time="$min_time" \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '
    function ns(value, unit) {
      return value * (unit == "ms" ? 1e6 : unit == "us" ? 1e3 : unit == "s" ? 1e9 : 1)
    }
    {
      gsub(/"/, "", $1)
      if ($1 !~ /_median$/) next
      name = substr($1, 1, length($1) - 7)
      cpu[name] = ns($4, $5)
    }
    END {
      printf "%-6s %12s %12s %7s %12s %7s %12s %8s\n", "scheme", "press ns", "floor ns", "ratio",
             "gui ns", "ratio", "evaluate ns", "200 %"
      worst_press = worst_gui = worst_eval = worst_200 = 0
      for (n = 1; n <= 16; ++n) {
        press = cpu["BM_Press/" n]; floor_ns = cpu["BM_DecodeFloor/" n]
        gui = cpu["BM_GuiPress/" n]; eval_ns = cpu["BM_Evaluate/" n]
        r = floor_ns ? press / floor_ns : 0; g = gui && floor_ns ? gui / floor_ns : 0
        gui200 = cpu["BM_GuiPress200/" n]; floor200 = cpu["BM_DecodeFloor200/" n]
        z = gui200 && floor200 ? gui200 / floor200 : 0
        if (z > worst_200) worst_200 = z
        if (r > worst_press) worst_press = r
        if (g > worst_gui) worst_gui = g
        if (eval_ns > worst_eval) worst_eval = eval_ns
        printf "%-6d %12.0f %12.0f %7.3f %12s %7s %12.1f %8s\n", n, press, floor_ns, r,
               gui ? sprintf("%.0f", gui) : "-", gui ? sprintf("%.3f", g) : "-", eval_ns,
               z ? sprintf("%.3f", z) : "-"
      }
      printf "highest press ratio %.3f (goal <= 1.10); highest GUI ratio %s (goal <= 2.0); " \
             "slowest evaluation %.1f ns (goal <= 1000)\n", worst_press,
             worst_gui ? sprintf("%.3f", worst_gui) : "-", worst_eval
      printf "highest GUI ratio at 200 %% %s (goal <= 2.0)\n",
             worst_200 ? sprintf("%.3f", worst_200) : "-"
      printf "BM_InitSchemes median %.2f ms\n", cpu["BM_InitSchemes"] / 1e6
    }'
