#include "timing/timing_clock.h"

#include <chrono>
#include <ctime>

namespace kvir {

TimingMoment SystemTimingClock::Now() {
  namespace chrono = std::chrono;
  const auto steady = chrono::steady_clock::now();
  const auto wall = chrono::floor<chrono::milliseconds>(chrono::system_clock::now());
  const auto wall_seconds = chrono::floor<chrono::seconds>(wall);
  const std::time_t seconds = chrono::system_clock::to_time_t(wall_seconds);

  TimingMoment moment;
  std::tm local{};
  if (localtime_r(&seconds, &local) != nullptr) {
    moment.year = local.tm_year + 1900;
    moment.month = local.tm_mon + 1;
    moment.day = local.tm_mday;
    moment.hour = local.tm_hour;
    moment.minute = local.tm_min;
    moment.second = local.tm_sec;
  }
  moment.millisecond = static_cast<int>((wall - wall_seconds).count());
  moment.ticks_ms = chrono::duration_cast<chrono::milliseconds>(steady.time_since_epoch()).count();
  return moment;
}

}  // namespace kvir
