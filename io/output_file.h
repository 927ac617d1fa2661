#pragma once
// Saving a file the user named: every picture and table the program writes goes through here.
//
// A regular file (or a name that does not exist yet) is replaced atomically: the bytes go to a
// new temporary file beside it, which is renamed over it only once complete, so a failed write
// leaves the old file or nothing. Symbolic links are followed first, so the link stays and its
// target is written. Anything else (a device, a FIFO, /dev/stdout) is written in place, as a shell
// redirection would. "-" is the standard output.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "circuit/language.h"

namespace kvir {

/// The name that stands for the standard output.
inline constexpr std::string_view kStandardOutputName = "-";

/// The outcome of a write: ok, or a one-line Russian message naming the file and the cause, and
/// the cause's system error number (errno).
class FileStatus {
 public:
  static FileStatus Ok() { return FileStatus(); }
  static FileStatus Error(std::string message, int error) {
    return FileStatus(std::move(message), error);
  }

  bool ok() const { return message_.empty(); }
  /// Empty when ok.
  const std::string& message() const { return message_; }
  /// 0 when ok.
  int error() const { return error_; }

 private:
  FileStatus() = default;
  FileStatus(std::string message, int error) : message_(std::move(message)), error_(error) {}

  std::string message_;
  int error_ = 0;
};

/// Writes all of `bytes` to `path` as described above. New files get mode 0666 less the umask.
[[nodiscard]] FileStatus WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

/// The text for a system error number (errno) in `language`, for messages shown to the user.
std::string SystemErrorText(int error, Language language = Language::kRussian);

}  // namespace kvir
