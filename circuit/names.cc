#include "circuit/names.h"

#include <stdexcept>

namespace kvir {
namespace {

void ExpandToken(std::string_view token, std::string prefix, std::vector<std::string>& out);

/// Calls `visit(number text, rest of token)` for each value of the token's first bracket group.
template <typename Visit>
void ForEachValue(std::string_view token, size_t open, Visit visit) {
  const size_t dots = token.find("..", open);
  const size_t close = token.find(']', open);
  const std::string_view from_text = token.substr(open + 1, dots - open - 1);
  const int from = names_detail::ParseNumber(from_text);
  const int to = names_detail::ParseNumber(token.substr(dots + 2, close - dots - 2));
  for (int v = from; v <= to; ++v) {
    std::string number = std::to_string(v);
    if (number.size() < from_text.size()) number.insert(0, from_text.size() - number.size(), '0');
    visit(number, token.substr(close + 1));
  }
}

void ExpandToken(std::string_view token, std::string prefix, std::vector<std::string>& out) {
  const size_t open = token.find('[');
  if (open == std::string_view::npos) {
    out.push_back(prefix.append(token));
    return;
  }
  prefix.append(token.substr(0, open));
  ForEachValue(token, open, [&](const std::string& number, std::string_view rest) {
    ExpandToken(rest, prefix + number, out);
  });
}

void CheckList(std::string_view list) {
  if (CountNames(list) < 0)
    throw std::invalid_argument("malformed name list: " + std::string(list));
}

}  // namespace

std::vector<std::string> ExpandNames(std::string_view list) {
  CheckList(list);
  std::vector<std::string> out;
  out.reserve(CountNames(list));
  names_detail::ForEachToken(list, [&out](std::string_view token) {
    ExpandToken(token, std::string(), out);
    return true;
  });
  return out;
}

std::vector<std::vector<std::string>> ExpandGroups(std::string_view list) {
  CheckList(list);
  std::vector<std::vector<std::string>> groups;
  names_detail::ForEachToken(list, [&groups](std::string_view token) {
    const size_t open = token.find('[');
    if (open == std::string_view::npos) {
      groups.push_back({std::string(token)});
      return true;
    }
    const std::string prefix(token.substr(0, open));
    ForEachValue(token, open, [&](const std::string& number, std::string_view rest) {
      ExpandToken(rest, prefix + number, groups.emplace_back());
    });
    return true;
  });
  return groups;
}

std::string IndicatorName(std::string_view prefix, int first, int second) {
  std::string name = std::string(prefix) + IndicatorNumber(first);
  return second < 0 ? name : name + IndicatorNumber(second);
}

}  // namespace kvir
