#pragma once
// Moments of the local clock and the three text formats of the timing file.

#include <cstdint>
#include <string>

namespace kvir {

/// A local calendar moment at millisecond resolution. `ticks_ms` counts milliseconds on a clock
/// that only moves forward; the difference of two moments' ticks is the time between them.
struct TimingMoment {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int64_t ticks_ms = 0;
};

/// The moment `local_ms` milliseconds after 1970-01-01 00:00:00.000 of the local calendar, with
/// that count as its ticks. Handy for clocks that are not the system's.
TimingMoment TimingMomentAt(int64_t local_ms);

/// Whole milliseconds from `from` to `to`.
int64_t ElapsedMs(const TimingMoment& from, const TimingMoment& to);

/// "yy.mm.dd hh:nn:ss:zzz" of `moment`, every field with leading zeros.
std::string TimingStamp(const TimingMoment& moment);

/// "hh:nn:ss:zzz" of an elapsed time; whole days are dropped, a negative time is written as zero.
std::string TimingTotal(int64_t elapsed_ms);

/// "ss:zzz" of an elapsed time; minutes and hours are dropped, a negative time is written as zero.
std::string TimingRun(int64_t elapsed_ms);

}  // namespace kvir
