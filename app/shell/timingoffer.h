#pragma once
// Whether the program offers the developer's timing benchmark.

#include <QString>

namespace kvir {

/// True when a regular file named "_timing.txt" (or a link to one) lies in `executableDir`:
/// the benchmark appends to it, so a directory or anything else of that name does not count.
bool TimingBenchmarkOffered(const QString& executableDir);

}  // namespace kvir
