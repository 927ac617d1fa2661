// The titles and texts about the schemes, read from their rows in the scheme table.

#include "circuit/scheme_texts.h"

#include <stdexcept>
#include <string>

#include "circuit/schemes.h"

namespace kvir {
namespace {

const SchemeDef& DefOf(int n) {
  if (n < 1 || n > kSchemeCount) throw std::out_of_range("no scheme " + std::to_string(n));
  return *kSchemeTable[n - 1].def;
}

}  // namespace

std::string_view SchemeTitle(int n, Language language) {
  const SchemeDef& def = DefOf(n);
  return language == Language::kEnglish ? def.title_en : def.title;
}

std::string_view AboutScheme(int n, Language language) {
  const SchemeDef& def = DefOf(n);
  return language == Language::kEnglish ? def.about_en : def.about_ru;
}

}  // namespace kvir
