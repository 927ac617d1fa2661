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
#include <utility>

namespace kvir {

/// The name that stands for the standard output.
inline constexpr std::string_view kStandardOutputName = "-";

/// The step of a write that failed.
enum class FileStep {
  kNone,             ///< nothing failed
  kPath,             ///< the path itself: a part of it, a loop of links, a directory at its end
  kReadLink,         ///< reading a symbolic link on the way
  kOpen,             ///< opening a device or FIFO to write in place
  kCreateTemporary,  ///< creating the temporary file beside the target
  kWrite,            ///< writing the bytes (to the standard output too)
  kSync,             ///< flushing the temporary file to the disk
  kClose,            ///< closing the file
  kRename,           ///< renaming the temporary file over the target
};

/// The outcome of a write: ok, or the step that failed, its system error number (errno) and the
/// path the write was asked for. The words for it are in io/error_texts.h, in either language.
class FileStatus {
 public:
  static FileStatus Ok() { return FileStatus(); }
  static FileStatus Failed(FileStep step, int error, std::string path) {
    return FileStatus(step, error, std::move(path));
  }

  bool ok() const { return step_ == FileStep::kNone; }
  /// kNone when ok.
  FileStep step() const { return step_; }
  /// 0 when ok.
  int error() const { return error_; }
  /// The path as the caller gave it ("-" for the standard output); empty when ok.
  const std::string& path() const { return path_; }

 private:
  FileStatus() = default;
  FileStatus(FileStep step, int error, std::string path)
      : step_(step), error_(error), path_(std::move(path)) {}

  FileStep step_ = FileStep::kNone;
  int error_ = 0;
  std::string path_;
};

/// Writes all of `bytes` to `path` as described above. New files get mode 0666 less the umask.
[[nodiscard]] FileStatus WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace kvir
