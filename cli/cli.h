#pragma once
// kvir-cli: the schemes without a window, for scripts, teachers and tests.

#include <ostream>
#include <string>
#include <vector>

namespace kvir {

/// Exit status for a failure while running: a write failed, the disk is full, an I/O error.
inline constexpr int kRunError = 1;
/// Exit status for bad arguments.
inline constexpr int kUsageError = 2;

/// Runs one command line (without the program name); prints results to `out` and a one-line
/// message to `err` on failure. Returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kvir
