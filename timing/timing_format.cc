#include "timing/timing_format.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace kvir {

namespace {

constexpr int64_t kMsPerSecond = 1000;
constexpr int64_t kMsPerMinute = 60 * kMsPerSecond;
constexpr int64_t kMsPerHour = 60 * kMsPerMinute;
constexpr int64_t kMsPerDay = 24 * kMsPerHour;

/// `value` modulo `divisor`, never negative.
int64_t FloorMod(int64_t value, int64_t divisor) {
  const int64_t rest = value % divisor;
  return rest < 0 ? rest + divisor : rest;
}

}  // namespace

TimingMoment TimingMomentAt(int64_t local_ms) {
  namespace chrono = std::chrono;
  const int64_t time_of_day = FloorMod(local_ms, kMsPerDay);
  const chrono::days day_number{(local_ms - time_of_day) / kMsPerDay};
  const chrono::year_month_day date{chrono::sys_days{day_number}};
  TimingMoment moment;
  moment.year = static_cast<int>(date.year());
  moment.month = static_cast<int>(static_cast<unsigned>(date.month()));
  moment.day = static_cast<int>(static_cast<unsigned>(date.day()));
  moment.hour = static_cast<int>(time_of_day / kMsPerHour);
  moment.minute = static_cast<int>(time_of_day / kMsPerMinute % 60);
  moment.second = static_cast<int>(time_of_day / kMsPerSecond % 60);
  moment.millisecond = static_cast<int>(time_of_day % kMsPerSecond);
  moment.ticks_ms = local_ms;
  return moment;
}

int64_t ElapsedMs(const TimingMoment& from, const TimingMoment& to) {
  return to.ticks_ms - from.ticks_ms;
}

std::string TimingStamp(const TimingMoment& moment) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%02d %02d:%02d:%02d:%03d",
                static_cast<int>(FloorMod(moment.year, 100)), moment.month, moment.day, moment.hour,
                moment.minute, moment.second, moment.millisecond);
  return text;
}

std::string TimingTotal(int64_t elapsed_ms) {
  const int64_t ms = FloorMod(std::max<int64_t>(elapsed_ms, 0), kMsPerDay);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d:%03d", static_cast<int>(ms / kMsPerHour),
                static_cast<int>(ms / kMsPerMinute % 60), static_cast<int>(ms / kMsPerSecond % 60),
                static_cast<int>(ms % kMsPerSecond));
  return text;
}

std::string TimingRun(int64_t elapsed_ms) {
  const int64_t ms = FloorMod(std::max<int64_t>(elapsed_ms, 0), kMsPerMinute);
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%03d", static_cast<int>(ms / kMsPerSecond),
                static_cast<int>(ms % kMsPerSecond));
  return text;
}

}  // namespace kvir
