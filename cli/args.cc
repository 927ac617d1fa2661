#include "cli/args.h"

#include "schemes/schemes.h"

namespace kvir {

int ParseSchemeNumber(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 3 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  const int n = digits ? std::stoi(text) : 0;
  if (n < 1 || n > kSchemeCount) {
    throw UsageError("номер схемы «" + text + "» недопустим: ожидается число от 1 до 16");
  }
  return n;
}

std::string ButtonList(const Scheme& scheme) {
  std::string list;
  for (uint16_t b : scheme.buttons) {
    if (!list.empty()) list += ", ";
    list += scheme.indicators()[b].name;
  }
  return list;
}

void CheckButtons(Scheme& scheme, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const Indicator* ind = scheme.Find(name);
    if (ind == nullptr || !ind->is_button) {
      throw UsageError("«" + name + "» не кнопка входа схемы " + std::to_string(scheme.number()) +
                       "; кнопки этой схемы: " + ButtonList(scheme));
    }
  }
}

}  // namespace kvir
