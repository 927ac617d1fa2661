// kvir-storm PRESSES SEED: a long press storm on request, e.g. `kvir-storm 1000000 42`.
// Prints the seed, the figures and the time; exits 0 when every check passed, 1 on a fault, 2 on
// bad arguments.

#include <charconv>
#include <chrono>
#include <cstdio>
#include <string_view>

#include "tests/reliability/storm.h"

namespace {

bool ParseCount(std::string_view text, uint64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  kvir::reliability::StormOptions options;
  if (argc != 3 || !ParseCount(argv[1], options.presses) || !ParseCount(argv[2], options.seed)) {
    std::fprintf(stderr, "usage: kvir-storm PRESSES SEED (two non-negative whole numbers)\n");
    return 2;
  }
  std::printf("kvir-storm: %llu presses, seed %llu\n",
              static_cast<unsigned long long>(options.presses),
              static_cast<unsigned long long>(options.seed));
  std::fflush(stdout);
  const auto started = std::chrono::steady_clock::now();
  const kvir::reliability::StormReport report = kvir::reliability::RunStorm(options);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
  std::printf("presses %llu, selections %llu, indicator checks %llu, %.1f s\n",
              static_cast<unsigned long long>(report.presses),
              static_cast<unsigned long long>(report.selections),
              static_cast<unsigned long long>(report.indicators_checked), took.count());
  if (!report.ok()) {
    std::printf("FAULT %s\n", report.failure.c_str());
    return 1;
  }
  std::printf("no fault\n");
  return 0;
}
