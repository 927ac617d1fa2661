#pragma once
// The words for a failed file operation, in Russian and in English: the reason for each system
// error number (errno) a file can fail with, and the whole message for a failed write.

#include <span>
#include <string>

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

}  // namespace kvir
