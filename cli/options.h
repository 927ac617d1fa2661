#pragma once
// The options of kvir-cli: "--lang ru|en" for every command, "--zoom PERCENT" for render,
// "--separator X" for table, and the flags some commands take.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/scheme_texts.h"

namespace kvir {

/// A command line with its options taken out.
struct CommandLine {
  std::vector<std::string> words;  ///< the command and its own arguments, in order
  Language language = Language::kRussian;
  std::optional<int> zoom;         ///< the level "--zoom" names, when given
  std::optional<char> separator;   ///< the character "--separator" names, when given
  std::vector<std::string> flags;  ///< the flags given, in order

  bool Has(std::string_view flag) const;
};

/// Takes every "--lang CODE" out of `args`, wherever it stands, and gives the last one's language,
/// Russian without one; throws Error for a missing or unknown language. Taken first, so that
/// every further message is in that language.
Language TakeLanguage(std::vector<std::string>& args);

/// Takes "--zoom PERCENT", "--separator X" and the known flags (--labels, --csv, --crop, --title,
/// --clear-view) out of `args`, wherever they stand, once TakeLanguage has taken `language` out;
/// throws Error for a missing or unknown zoom level or separator.
CommandLine ParseCommandLine(std::vector<std::string> args, Language language);

/// Throws Error naming the first option given that the command does not take, of its flags
/// in order and then "--zoom" and "--separator"; "--lang" goes with every command and is not
/// checked.
void RequireOnlyOptions(const CommandLine& line, std::span<const std::string_view> taken);

}  // namespace kvir
