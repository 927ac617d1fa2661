#pragma once
// Name lists of the scheme tables: "IN[00..07] OUT02 - AND[00..15][00..03]".
// Tokens are separated by blanks; each bracket group "[aa..bb]" counts from aa to bb with the
// width of aa, the first group outermost; "-" stands for an unwired (null) entry.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvir {

/// The null entry of a name list.
inline constexpr std::string_view kNoName = "-";

namespace names_detail {

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\n' || c == '\t';
}

constexpr int ParseNumber(std::string_view s) {
  int value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return s.empty() ? -1 : value;
}

/// Names in one token; -1 when the token is malformed.
constexpr int CountToken(std::string_view token) {
  int count = 1;
  for (size_t open = token.find('['); open != std::string_view::npos;
       open = token.find('[', open + 1)) {
    const size_t dots = token.find("..", open);
    const size_t close = token.find(']', open);
    if (dots == std::string_view::npos || close == std::string_view::npos || dots > close) {
      return -1;
    }
    const int from = ParseNumber(token.substr(open + 1, dots - open - 1));
    const int to = ParseNumber(token.substr(dots + 2, close - dots - 2));
    if (from < 0 || to < from) return -1;
    count *= to - from + 1;
  }
  return count;
}

/// Calls `visit` with each blank-separated token of the list, in order, until it returns false.
template <typename Visit>
constexpr void ForEachToken(std::string_view list, Visit visit) {
  size_t i = 0;
  while (i < list.size()) {
    if (IsBlank(list[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < list.size() && !IsBlank(list[end])) ++end;
    if (!visit(list.substr(i, end - i))) return;
    i = end;
  }
}

}  // namespace names_detail

/// How many names the list expands to; -1 when it is malformed. Usable in static_assert.
constexpr int CountNames(std::string_view list) {
  int total = 0;
  names_detail::ForEachToken(list, [&total](std::string_view token) {
    const int n = names_detail::CountToken(token);
    total = n < 0 ? -1 : total + n;
    return n >= 0;
  });
  return total;
}

/// The names of the list in order ("-" kept as is). Throws std::invalid_argument when malformed.
std::vector<std::string> ExpandNames(std::string_view list);

/// The names of the list in groups: one group per value of each token's first bracket, a token
/// without brackets a group of its own. "AND[00..07][00..02] OUT01" gives 8 groups of 3, then 1.
std::vector<std::vector<std::string>> ExpandGroups(std::string_view list);

/// The two digits of an indicator number: 5 → "05".
constexpr std::array<char, 2> TwoDigitChars(int n) {
  return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}
/// A number 0 … 99 as scheme and indicator names write it: 5 → "05", 16 → "16".
inline std::string IndicatorNumber(int n) {
  const std::array<char, 2> digits = TwoDigitChars(n);
  return std::string(digits.data(), digits.size());
}
/// "IN05", "AND0102": the prefix followed by one or two two-digit numbers.
std::string IndicatorName(std::string_view prefix, int first, int second = -1);

/// A name list held by value, so that the scheme generators can compose one at compile time.
class NameList {
 public:
  static constexpr size_t kCapacity = 80;

  constexpr NameList() = default;
  constexpr NameList(std::string_view text) { Add(text); }  // NOLINT: rows read as plain text
  constexpr NameList(const char* text) : NameList(std::string_view(text)) {}  // NOLINT

  /// Appends text; overflowing the capacity stops compilation of a constexpr generator.
  constexpr NameList& Add(std::string_view text) {
    for (char c : text) {
      if (size_ == kCapacity) throw "name list too long";
      text_[size_++] = c;
    }
    return *this;
  }
  /// Appends a two-digit number.
  constexpr NameList& Add(int number) {
    const std::array<char, 2> digits = TwoDigitChars(number);
    return Add(std::string_view(digits.data(), digits.size()));
  }
  /// Appends "[aa..bb]".
  constexpr NameList& Range(int from, int to) {
    return Add("[").Add(from).Add("..").Add(to).Add("]");
  }

  constexpr std::string_view view() const { return {text_.data(), size_}; }
  constexpr operator std::string_view() const { return view(); }  // NOLINT

 private:
  std::array<char, kCapacity> text_{};
  uint8_t size_ = 0;
};

}  // namespace kvir
