#pragma once
// The timing file: an existing file that gets one whole block appended, or nothing.

#include <sys/types.h>
#include <string>
#include <string_view>
#include <utility>

namespace kvir {

/// What a file step or a whole run came to: ok, or a message in Russian naming the failure.
struct TimingResult {
  std::string error;

  bool ok() const { return error.empty(); }
};

/// An existing file opened for appending; it is never created. The destructor closes a file that
/// is still open, so an exception cannot leak the descriptor.
class TimingFile {
 public:
  explicit TimingFile(std::string path) : path_(std::move(path)) {}
  ~TimingFile();
  TimingFile(const TimingFile&) = delete;
  TimingFile& operator=(const TimingFile&) = delete;

  /// Opens the file for appending without creating it and notes its size.
  TimingResult Open();

  /// Appends all of `bytes`; when a write fails, cuts the file back to its size at Open.
  TimingResult Append(std::string_view bytes);

  /// Closes the file.
  TimingResult Close();

 private:
  /// The write failure `err`, reported after the `written` bytes already appended are cut off.
  TimingResult FailAppend(int err, size_t written);

  std::string path_;
  int fd_ = -1;
  off_t size_at_open_ = 0;
};

}  // namespace kvir
