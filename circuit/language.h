#pragma once
// The languages of the program's texts (core/language.h) and how a command line names them.

#include <optional>
#include <string_view>

#include "core/language.h"

namespace kvir {

/// "ru" or "en"; nothing for any other text.
std::optional<Language> ParseLanguage(std::string_view code);

}  // namespace kvir
