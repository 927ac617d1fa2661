#include "cli/args.h"

#include "circuit/schemes.h"

namespace kvir {

std::string SchemeNumberRange(Language language) {
  return (language == Language::kEnglish ? "from 1 to " : "от 1 до ") +
         std::to_string(kSchemeCount);
}

int ParseSchemeNumber(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 3 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  const int n = digits ? std::stoi(text) : 0;
  if (n < 1 || n > kSchemeCount) {
    throw UsageError(
        "номер схемы «" + text + "» недопустим: ожидается число " + SchemeNumberRange(),
        "scheme number \"" + text + "\" is not valid: expected a number " +
            SchemeNumberRange(Language::kEnglish));
  }
  return n;
}

void RequireSchemeNumber(const std::vector<std::string>& words) {
  if (words.size() < 2) {
    throw UsageError(words[0] + ": не указан номер схемы: ожидается число " + SchemeNumberRange(),
                     words[0] + ": no scheme number given: expected a number " +
                         SchemeNumberRange(Language::kEnglish));
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
  std::vector<std::string> labelled;
  for (uint16_t b : scheme.buttons) {
    const Indicator& button = scheme.indicators()[b];
    if (button.name == word) return word;
    if (button.label == word) labelled.push_back(button.name);
  }
  if (labelled.size() == 1) return labelled.front();
  const std::string scheme_number = std::to_string(scheme.number());
  if (labelled.empty()) {
    throw UsageError("«" + word + "» не кнопка входа схемы " + scheme_number +
                         "; кнопки этой схемы: " + ButtonList(scheme),
                     "\"" + word + "\" is not an input button of scheme " + scheme_number +
                         "; the buttons of this scheme: " + ButtonList(scheme));
  }
  std::string names;
  for (const std::string& name : labelled) names += (names.empty() ? "" : ", ") + name;
  throw UsageError("метка «" + word + "» есть у нескольких кнопок схемы " + scheme_number + ": " +
                       names + "; укажите кнопку по имени",
                   "the label \"" + word + "\" is on more than one button of scheme " +
                       scheme_number + ": " + names + "; give the button by its name");
}

}  // namespace

std::vector<std::string> ResolveButtons(const Scheme& scheme,
                                        const std::vector<std::string>& words) {
  std::vector<std::string> names;
  for (const std::string& word : words) names.push_back(ResolveButton(scheme, word));
  return names;
}

}  // namespace kvir
