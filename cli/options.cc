#include "cli/options.h"

#include <algorithm>
#include <array>

#include "cli/args.h"

namespace kvir {
namespace {

constexpr std::string_view kLanguageOption = "--lang";
constexpr std::array<std::string_view, 5> kFlags = {"--labels", "--csv", "--crop", "--title",
                                                    "--clear-view"};

bool IsFlag(std::string_view word) {
  return std::find(kFlags.begin(), kFlags.end(), word) != kFlags.end();
}

Language TakeLanguage(std::vector<std::string>& args) {
  Language language = Language::kRussian;
  for (auto it = std::find(args.begin(), args.end(), kLanguageOption); it != args.end();
       it = std::find(args.begin(), args.end(), kLanguageOption)) {
    if (it + 1 == args.end()) {
      throw UsageError("--lang: не указан язык: ожидается ru или en");
    }
    const std::optional<Language> parsed = ParseLanguage(*(it + 1));
    if (!parsed) {
      throw UsageError("--lang: язык «" + *(it + 1) + "» не поддерживается: ожидается ru или en");
    }
    language = *parsed;
    args.erase(it, it + 2);
  }
  return language;
}

}  // namespace

bool CommandLine::Has(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

CommandLine ParseCommandLine(std::vector<std::string> args) {
  CommandLine line;
  line.language = TakeLanguage(args);
  for (std::string& word : args) {
    (IsFlag(word) ? line.flags : line.words).push_back(std::move(word));
  }
  return line;
}

void RequireOnlyFlags(const CommandLine& line, std::span<const std::string_view> taken) {
  for (const std::string& flag : line.flags) {
    if (std::find(taken.begin(), taken.end(), flag) == taken.end()) {
      const std::string command = line.words.empty() ? std::string("kvir-cli") : line.words[0];
      throw UsageError(command + ": параметр " + flag + " не подходит к этой команде");
    }
  }
}

}  // namespace kvir
