#pragma once
// The languages of the program's texts. Russian is the default everywhere.

#include <optional>
#include <string_view>

namespace kvir {

enum class Language { kRussian, kEnglish };

/// "ru" or "en"; nothing for any other text.
std::optional<Language> ParseLanguage(std::string_view code);

}  // namespace kvir
