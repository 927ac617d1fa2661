#pragma once
// Scheme numbers as a person writes them: on a command line, in the teacher's dialog.

#include <string>
#include <vector>

namespace kvir {

/// A scheme number 1 … 16, leading zeros allowed ("07"); throws Error(kSchemeNumberInvalid)
/// otherwise.
int ParseSchemeNumber(const std::string& text);

/// The schemes a list names, each once, in the order first named: numbers and ranges separated by
/// commas ("1,10-12"). Throws Error (kSchemeNumberInvalid, kSchemeRangeReversed) for a part that
/// is neither.
std::vector<int> ParseSchemeList(const std::string& text);

}  // namespace kvir
