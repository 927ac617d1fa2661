#pragma once
// The timing file: an existing file that gets one whole block appended, or nothing.

#include <sys/types.h>
#include <string>
#include <string_view>
#include <utility>

#include "core/language.h"

namespace kvir {

/// What a file step or a whole run came to: ok, or a message naming the failure, in the language
/// asked for.
struct TimingResult {
  std::string error;

  bool ok() const { return error.empty(); }
};

/// An existing file opened for appending; it is never created. The destructor closes a file that
/// is still open, so an exception cannot leak the descriptor. Its messages are in `language`.
class TimingFile {
 public:
  explicit TimingFile(std::string path, Language language = Language::kRussian)
      : path_(std::move(path)), language_(language) {}
  ~TimingFile();
  TimingFile(const TimingFile&) = delete;
  TimingFile& operator=(const TimingFile&) = delete;

  /// Opens the file for appending without creating it and notes its size. A FIFO that nothing
  /// reads is a failure at once, not a wait.
  TimingResult Open();

  /// Appends all of `bytes`; when a write fails, cuts the file back to its size at Open.
  TimingResult Append(std::string_view bytes);

  /// Closes the file.
  TimingResult Close();

 private:
  /// The open failure `err`, the descriptor closed if it was open.
  TimingResult FailOpen(int err);
  /// The write failure `err`, reported after the `written` bytes already appended are cut off.
  TimingResult FailAppend(int err, size_t written);

  /// `russian` or `english`, as the messages' language is.
  std::string Words(std::string russian, std::string english) const;
  /// The reason for the system error `err`, in the file writer's words.
  std::string Reason(int err) const;

  std::string path_;
  Language language_;
  int fd_ = -1;
  off_t size_at_open_ = 0;
};

}  // namespace kvir
