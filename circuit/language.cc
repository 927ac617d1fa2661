#include "circuit/language.h"

namespace kvir {

std::optional<Language> ParseLanguage(std::string_view code) {
  if (code == "ru") return Language::kRussian;
  if (code == "en") return Language::kEnglish;
  return std::nullopt;
}

}  // namespace kvir
