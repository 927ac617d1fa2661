#include "cli/args.h"

#include "circuit/schemes.h"
#include "core/error.h"

namespace kvir {

std::string SchemeNumberRange(Language language) {
  return (language == Language::kEnglish ? "from 1 to " : "от 1 до ") +
         std::to_string(kSchemeCount);
}

void RequireSchemeNumber(const std::vector<std::string>& words) {
  if (words.size() < 2) {
    throw Error(ErrorCode::kCliNoSchemeNumber, {std::to_string(kSchemeCount)}).In(words[0]);
  }
}

std::string ButtonList(const Scheme& scheme) {
  std::string list;
  for (uint16_t b : scheme.buttons) {
    if (!list.empty()) list += ", ";
    const Indicator& button = scheme.indicators()[b];
    list += button.name;
    if (!button.label.empty()) list += " (" + button.label + ")";
  }
  return list;
}

namespace {

std::string ResolveButton(const Scheme& scheme, const std::string& word) {
  const std::vector<uint16_t> called = scheme.ButtonsCalled(word);
  if (called.size() == 1) return scheme.indicators()[called.front()].name;
  const std::string scheme_number = std::to_string(scheme.number());
  if (called.empty()) {
    throw Error(ErrorCode::kCliNotAButton, {word, scheme_number, ButtonList(scheme)});
  }
  std::string names;
  for (const uint16_t b : called)
    names += (names.empty() ? "" : ", ") + scheme.indicators()[b].name;
  throw Error(ErrorCode::kCliLabelOnMany, {word, scheme_number, names});
}

}  // namespace

std::vector<std::string> ResolveButtons(const Scheme& scheme,
                                        const std::vector<std::string>& words) {
  std::vector<std::string> names;
  for (const std::string& word : words) names.push_back(ResolveButton(scheme, word));
  return names;
}

}  // namespace kvir
