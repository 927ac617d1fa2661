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

namespace kvir {

/// The name that stands for the standard output.
inline constexpr std::string_view kStandardOutputName = "-";

/// The outcome of a write: ok, or a one-line Russian message naming the file and the cause.
class FileStatus {
 public:
  static FileStatus Ok() { return FileStatus(); }
  static FileStatus Error(std::string message) { return FileStatus(std::move(message)); }

  bool ok() const { return message_.empty(); }
  /// Empty when ok.
  const std::string& message() const { return message_; }

 private:
  FileStatus() = default;
  explicit FileStatus(std::string message) : message_(std::move(message)) {}

  std::string message_;
};

/// Writes all of `bytes` to `path` as described above. New files get mode 0666 less the umask.
[[nodiscard]] FileStatus WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

/// The Russian text for a system error number (errno), for messages shown to the user.
std::string SystemErrorText(int error);

}  // namespace kvir
