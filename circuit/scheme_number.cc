#include "circuit/scheme_number.h"

#include <algorithm>

#include "circuit/schemes.h"
#include "core/error.h"

namespace kvir {

int ParseSchemeNumber(const std::string& text) {
  const bool digits = !text.empty() && text.size() <= 3 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  const int n = digits ? std::stoi(text) : 0;
  if (n < 1 || n > kSchemeCount) {
    throw Error(ErrorCode::kSchemeNumberInvalid, {text, std::to_string(kSchemeCount)});
  }
  return n;
}

std::vector<int> ParseSchemeList(const std::string& text) {
  std::vector<int> schemes;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string part = text.substr(start, comma - start);
    start = comma + 1;
    const size_t dash = part.find('-');
    const int first = ParseSchemeNumber(part.substr(0, dash));
    const int last = dash == std::string::npos ? first : ParseSchemeNumber(part.substr(dash + 1));
    if (last < first) throw Error(ErrorCode::kSchemeRangeReversed, {part});
    for (int n = first; n <= last; ++n) {
      if (std::find(schemes.begin(), schemes.end(), n) == schemes.end()) schemes.push_back(n);
    }
  }
  return schemes;
}

}  // namespace kvir
