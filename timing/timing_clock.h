#pragma once
// The clock the timing benchmark reads.

#include "timing/timing_format.h"

namespace kvir {

/// A source of the current moment.
class TimingClock {
 public:
  virtual ~TimingClock() = default;

  /// The current local moment.
  virtual TimingMoment Now() = 0;
};

/// The system clock: calendar fields from the local wall time, ticks from the steady clock, so
/// elapsed times stay true when the wall time is set or jumps.
class SystemTimingClock final : public TimingClock {
 public:
  TimingMoment Now() override;
};

}  // namespace kvir
