#pragma once
// Saving a file the user named: every picture and table the program writes goes through here.
//
// Symbolic links are followed first, one by one, so a link stays and its target is written. Then
// the name found decides how:
// - "-", and a name of one of this process's open descriptors (/dev/stdout, /dev/stderr,
//   /dev/fd/N, /proc/self/fd/N, or a link to one of them): the bytes go through that descriptor, in
//   place, as a shell redirection would write them: a log opened with `>>` gets them at its end.
//   WritesStandardOutput tells a caller that the standard output is the file written, so that it
//   prints nothing more into it.
// - A FIFO is opened without waiting: if nothing reads it, the write fails at once (FileStep::
//   kNoReader). Once open, it and any other device are written in place.
// - A regular file the user may not write (as access(2) judges it, as cp would) is refused
//   (FileStep::kNotWritable); root may write any.
// - A regular file, or a name that does not exist yet, is replaced atomically: the bytes go to a
//   new temporary file ".kvir-XXXXXX" in the same directory, which takes the old file's mode,
//   owner and group and is renamed over it only once complete, so a failed write leaves the old
//   file or nothing, and never the temporary. New files get mode 0666 less the umask.
// - A regular file is written in place (truncated, then written) where replacing it would lose
//   something: it has more than one hard link, its directory does not let a file be created or
//   renamed there, or the temporary cannot take its owner, group and mode.
// Writes past the file size limit (`ulimit -f`) and into a pipe nobody reads any more are reported
// (EFBIG, EPIPE) only when the program ignores SIGXFSZ and SIGPIPE: see io/write_signals.h.

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
  kOpen,             ///< opening a device, FIFO or file to write in place, or a closed descriptor
  kNoReader,         ///< a FIFO nothing reads (ENXIO)
  kNotWritable,      ///< a file the user may not write
  kCreateTemporary,  ///< creating the temporary file beside the target
  kWrite,            ///< writing the bytes (to the standard output too)
  kSync,             ///< flushing the file to the disk
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

/// Writes all of `bytes` to `path` as described above.
[[nodiscard]] FileStatus WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

/// The same for a text's bytes.
[[nodiscard]] inline FileStatus WriteOutputFile(const std::string& path, std::string_view text) {
  return WriteOutputFile(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

/// The name WriteOutputFile(path) writes: `path` with its symbolic links followed, up to a
/// descriptor's name (/dev/stdout, /proc/self/fd/1) or to a name that is not a link. Check a
/// file type's suffix on this name, not on `path`: "out.png" may be a link to "notes.txt".
/// `path` itself when it is "-" or its links cannot be followed (the write then says why).
std::string WrittenFileName(const std::string& path);

/// Whether WriteOutputFile(path) writes into the standard output: "-", or a name of the same file
/// or pipe the standard output is (/dev/stdout, a link to /proc/self/fd/1, the log it goes to).
/// A caller that writes such a path prints nothing else there: not even the name it wrote.
bool WritesStandardOutput(const std::string& path);

}  // namespace kvir
