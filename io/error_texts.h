#pragma once
// The words for what went wrong, in Russian and in English: one table for every error code of the
// headless rooms (core/error.h), the reason for each system error number (errno) a file can fail
// with, and the whole message for a failed write. Only the front ends word errors, through here.

#include <exception>
#include <span>
#include <string>

#include "core/error.h"
#include "core/language.h"
#include "io/output_file.h"

namespace kvir {

/// One system error number and its reason in both languages, lower case, without a full stop.
struct SystemErrorWords {
  int error;
  const char* russian;
  const char* english;
};

/// Every system error number that has its own words.
std::span<const SystemErrorWords> KnownSystemErrors();

/// The reason for a system error number (errno) in `language`: its own words, or "системная
/// ошибка N" / "system error N" for a number without them.
std::string SystemErrorText(int error, Language language = Language::kRussian);

/// The one-line message for a failed write in `language`, naming the file, the step that failed
/// and the reason: "Не удалось записать a.png: ошибка записи: нет места на устройстве". A step
/// that says it all goes without the reason: "Не удалось записать f.png: канал никто не читает".
/// Empty when `status` is ok.
std::string FileStatusMessage(const FileStatus& status, Language language = Language::kRussian);

/// The message of `error` in `language`: its context, then its words with the arguments in place:
/// "exam: --schemes: «5-3»: первая схема больше последней". One line, no full stop, no program
/// name before it.
std::string ErrorText(const Error& error, Language language = Language::kRussian);

/// Whether `code` is the user's input refused (a command line's exit status 2) rather than a
/// failure while working (exit status 1).
bool IsBadInput(ErrorCode code);

/// The words a front end shows for `error`: ErrorText for an Error, else what() as it is.
std::string ErrorMessage(const std::exception& error, Language language = Language::kRussian);

}  // namespace kvir
