#include "schemes/names.h"

#include <stdexcept>

namespace kvir {
namespace {

void ExpandToken(std::string_view token, std::string prefix, std::vector<std::string>& out) {
  const size_t open = token.find('[');
  if (open == std::string_view::npos) {
    out.push_back(prefix.append(token));
    return;
  }
  const size_t dots = token.find("..", open);
  const size_t close = token.find(']', open);
  const std::string_view from_text = token.substr(open + 1, dots - open - 1);
  const int from = names_detail::ParseNumber(from_text);
  const int to = names_detail::ParseNumber(token.substr(dots + 2, close - dots - 2));
  prefix.append(token.substr(0, open));
  for (int v = from; v <= to; ++v) {
    std::string number = std::to_string(v);
    if (number.size() < from_text.size()) number.insert(0, from_text.size() - number.size(), '0');
    ExpandToken(token.substr(close + 1), prefix + number, out);
  }
}

}  // namespace

std::vector<std::string> ExpandNames(std::string_view list) {
  const int count = CountNames(list);
  if (count < 0) throw std::invalid_argument("malformed name list: " + std::string(list));
  std::vector<std::string> out;
  out.reserve(count);
  names_detail::ForEachToken(list, [&out](std::string_view token) {
    ExpandToken(token, std::string(), out);
    return true;
  });
  return out;
}

}  // namespace kvir
