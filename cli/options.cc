#include "cli/options.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "cli/args.h"
#include "core/error.h"
#include "render/zoom.h"

namespace kvir {
namespace {

constexpr std::string_view kLanguageOption = "--lang";
constexpr std::string_view kZoomOption = "--zoom";
constexpr std::string_view kSeparatorOption = "--separator";
constexpr std::array<std::string_view, 5> kFlags = {"--labels", "--csv", "--crop", "--title",
                                                    "--clear-view"};

bool IsFlag(std::string_view word) {
  return std::find(kFlags.begin(), kFlags.end(), word) != kFlags.end();
}

// An option that takes a value: the errors for a missing value and for one not read, and what
// they name besides the value.
struct ValueOption {
  std::string_view name;  ///< "--lang"
  ErrorCode missing;      ///< kCliNoLanguage
  ErrorCode unknown;      ///< kCliLanguageUnknown
  std::string expected;   ///< what the errors name after the value, if anything
};

// Takes every "NAME VALUE" of `option` out of `args` and returns the last value read by `parse`,
// if any; a missing value or one `parse` does not read is a usage error.
template <typename Parse>
auto TakeOption(std::vector<std::string>& args, const ValueOption& option, Parse parse)
    -> decltype(parse(std::string())) {
  decltype(parse(std::string())) taken;
  for (auto it = std::find(args.begin(), args.end(), option.name); it != args.end();
       it = std::find(args.begin(), args.end(), option.name)) {
    const std::string name(option.name);
    if (it + 1 == args.end()) throw Error(option.missing, {option.expected}).In(name);
    taken = parse(*(it + 1));
    if (!taken) throw Error(option.unknown, {*(it + 1), option.expected}).In(name);
    args.erase(it, it + 2);
  }
  return taken;
}

std::optional<int> TakeZoom(std::vector<std::string>& args) {
  const ValueOption option = {kZoomOption, ErrorCode::kCliNoZoom, ErrorCode::kCliZoomUnknown,
                              ZoomLevelList()};
  return TakeOption(args, option, [](const std::string& text) { return ParseZoomLevel(text); });
}

// One character that cannot be taken for a level, a quote or a line end, or "tab".
std::optional<char> ParseSeparator(const std::string& text) {
  if (text == "tab") return '\t';
  if (text.size() != 1) return std::nullopt;
  const char c = text[0];
  const bool taken = std::isalnum(static_cast<unsigned char>(c)) || c == '"' || c == '?' ||
                     !std::isprint(static_cast<unsigned char>(c));
  return taken ? std::nullopt : std::optional<char>(c);
}

std::optional<char> TakeSeparator(std::vector<std::string>& args) {
  const ValueOption option = {kSeparatorOption, ErrorCode::kCliNoSeparator,
                              ErrorCode::kCliSeparatorUnknown, ""};
  return TakeOption(args, option, ParseSeparator);
}

}  // namespace

bool CommandLine::Has(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

Language TakeLanguage(std::vector<std::string>& args) {
  const ValueOption option = {kLanguageOption, ErrorCode::kCliNoLanguage,
                              ErrorCode::kCliLanguageUnknown, ""};
  return TakeOption(args, option, ParseLanguage).value_or(Language::kRussian);
}

CommandLine ParseCommandLine(std::vector<std::string> args, Language language) {
  CommandLine line;
  line.language = language;
  line.zoom = TakeZoom(args);
  line.separator = TakeSeparator(args);
  for (std::string& word : args) {
    (IsFlag(word) ? line.flags : line.words).push_back(std::move(word));
  }
  return line;
}

void RequireOnlyOptions(const CommandLine& line, std::span<const std::string_view> taken) {
  std::vector<std::string> given = line.flags;
  if (line.zoom) given.emplace_back(kZoomOption);
  if (line.separator) given.emplace_back(kSeparatorOption);
  for (const std::string& option : given) {
    if (std::find(taken.begin(), taken.end(), option) == taken.end()) {
      const std::string command = line.words.empty() ? std::string("kvir-cli") : line.words[0];
      throw Error(ErrorCode::kCliOptionNotTaken, {option}).In(command);
    }
  }
}

}  // namespace kvir
