#include "cli/command_table.h"

#include <algorithm>
#include <filesystem>

#include "cli/args.h"
#include "io/output_file.h"
#include "render/picture.h"

namespace kvir {
namespace {

using Args = std::vector<std::string>;

std::string_view Synopsis(Operands operands) {
  switch (operands) {
    case Operands::kNone:
      return "";
    case Operands::kScheme:
      return " N";
    case Operands::kSchemeAndButtons:
      return " N [КНОПКА …]";
    case Operands::kSchemeButtonsAndFile:
      return " N [КНОПКА …] -o ФАЙЛ";
    case Operands::kOwnOptions:
      return " ПАРАМЕТРЫ -o ФАЙЛ";
  }
  return "";
}

// Characters, not bytes, of UTF-8 text: the bytes that do not continue a character.
int CharacterCount(std::string_view text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string UsageLines(const Command& command) {
  const std::string synopsis =
      "  " + std::string(command.name) + std::string(Synopsis(command.operands));
  const int padding = std::max(1, kHelpColumn - CharacterCount(synopsis));
  std::string lines = synopsis + std::string(padding, ' ');
  for (const char c : command.help) {
    lines += c;
    if (c == '\n') lines += std::string(kHelpColumn, ' ');
  }
  return lines + '\n';
}

const Command* FindCommand(std::span<const Command> commands, std::string_view word) {
  const auto named = [word](const Command& c) { return c.name == word || c.alias == word; };
  const auto found = std::find_if(commands.begin(), commands.end(), named);
  return found == commands.end() ? nullptr : &*found;
}

// The file after "-o", taken out of `words`; a bad or missing name is a usage error.
std::string TakeOutputPath(Args& words) {
  const auto flag = std::find(words.begin(), words.end(), "-o");
  if (flag == words.end() || flag + 1 == words.end() || (flag + 1)->empty()) {
    throw UsageError(words[0] + ": не указан файл: добавьте -o ФАЙЛ.png",
                     words[0] + ": no file given: add -o FILE.png");
  }
  const std::string path = *(flag + 1);
  // The name given and the file it leads to (links followed) must both be pictures' names.
  const std::string target = WrittenFileName(path);
  if (!IsPictureFileName(path) || !IsPictureFileName(target)) {
    const std::string& refused = IsPictureFileName(path) ? target : path;
    const std::string type = std::filesystem::path(refused).extension().string();
    const std::string types(kPictureFileTypes);
    throw UsageError(words[0] + ": файл «" + refused + "»: тип «" + type +
                         "» не поддерживается; поддерживаемые типы: " + types,
                     words[0] + ": file \"" + refused + "\": type \"" + type +
                         "\" is not supported; supported types: " + types);
  }
  words.erase(flag, flag + 2);
  return path;
}

// Throws UsageError unless `words` hold the command and the operands `operands` asks for; the
// buttons are checked later, against the scheme.
void RequireOperands(Operands operands, const Args& words) {
  if (operands == Operands::kOwnOptions) return;
  if (operands == Operands::kNone) {
    if (words.size() > 1) {
      throw UsageError(words[0] + ": лишние аргументы: команда не принимает аргументов",
                       words[0] + ": extra arguments: the command takes none");
    }
    return;
  }
  RequireSchemeNumber(words);
  if (operands == Operands::kScheme && words.size() > 2) {
    throw UsageError(words[0] + ": лишние аргументы после номера схемы",
                     words[0] + ": extra arguments after the scheme number");
  }
}

Request CheckedRequest(const Command& command, const CommandLine& line) {
  RequireOnlyOptions(line, command.options);
  Request request = {.line = line, .words = line.words, .output_path = {}};
  if (command.operands == Operands::kSchemeButtonsAndFile) {
    request.output_path = TakeOutputPath(request.words);
  }
  RequireOperands(command.operands, request.words);
  return request;
}

}  // namespace

std::string CommandNames(std::span<const Command> commands) {
  std::string names;
  for (const Command& command : commands) {
    names += (names.empty() ? "" : ", ") + std::string(command.name);
  }
  return names;
}

std::string CommandUsage(std::span<const Command> commands) {
  std::string usage;
  for (const Command& command : commands) {
    if (!command.help.empty()) usage += UsageLines(command);
  }
  return usage;
}

void RunCommand(std::span<const Command> commands, const CommandLine& line, std::ostream& out) {
  if (line.words.empty()) {
    throw UsageError("не указана команда; допустимы " + CommandNames(commands),
                     "no command given; the commands are " + CommandNames(commands));
  }
  const Command* command = FindCommand(commands, line.words[0]);
  if (command == nullptr) {
    RequireOnlyOptions(line, {});
    throw UsageError(
        "неизвестная команда «" + line.words[0] + "»; допустимы " + CommandNames(commands),
        "unknown command \"" + line.words[0] + "\"; the commands are " + CommandNames(commands));
  }
  command->run(CheckedRequest(*command, line), out);
}

}  // namespace kvir
