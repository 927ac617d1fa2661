#include "cli/command_table.h"

#include <algorithm>

#include "cli/args.h"
#include "core/error.h"
#include "io/file_name.h"

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
  // Most commands have no alias: an empty word names none of them.
  const auto named = [word](const Command& c) {
    return c.name == word || (!c.alias.empty() && c.alias == word);
  };
  const auto found = std::find_if(commands.begin(), commands.end(), named);
  return found == commands.end() ? nullptr : &*found;
}

// The file after "-o", taken out of `words`, named as every saved picture is (io/file_name.h);
// a missing name or another type's is a usage error. As with every option that takes a value, the
// last "-o" given holds; each is checked.
std::string TakeOutputPath(Args& words) {
  std::string path;
  for (auto flag = std::find(words.begin(), words.end(), "-o"); flag != words.end();
       flag = std::find(words.begin(), words.end(), "-o")) {
    if (flag + 1 == words.end() || (flag + 1)->empty()) break;
    try {
      path = SaveFileName(*(flag + 1), kPngSuffixes);
    } catch (const Error& error) {
      throw error.In(words[0]);
    }
    words.erase(flag, flag + 2);
  }
  if (path.empty() || std::find(words.begin(), words.end(), "-o") != words.end()) {
    throw Error(ErrorCode::kCliNoFile, {std::string(kPngSuffixes[0])}).In(words[0]);
  }
  return path;
}

// Throws Error unless `words` hold the command and the operands `operands` asks for; the
// buttons are checked later, against the scheme.
void RequireOperands(Operands operands, const Args& words) {
  if (operands == Operands::kOwnOptions) return;
  if (operands == Operands::kNone) {
    if (words.size() > 1) {
      throw Error(ErrorCode::kCliNoArguments).In(words[0]);
    }
    return;
  }
  RequireSchemeNumber(words);
  if (operands == Operands::kScheme && words.size() > 2) {
    throw Error(ErrorCode::kCliExtraAfterScheme).In(words[0]);
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

std::string CommandHelp(const Command& command) {
  std::string help = "Использование: kvir-cli [--lang ru|en] " + std::string(command.name) +
                     std::string(Synopsis(command.operands)) + "\n  ";
  for (const char c : command.help) help += c == '\n' ? std::string("\n  ") : std::string(1, c);
  return help + '\n';
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
    throw Error(ErrorCode::kCliNoCommand, {CommandNames(commands)});
  }
  const Command* command = FindCommand(commands, line.words[0]);
  if (command == nullptr) {
    RequireOnlyOptions(line, {});
    throw Error(ErrorCode::kCliUnknownCommand, {line.words[0], CommandNames(commands)});
  }
  const auto help = [](const std::string& word) { return word == "--help" || word == "-h"; };
  if (!command->help.empty() && std::any_of(line.words.begin() + 1, line.words.end(), help)) {
    out << CommandHelp(*command);
    return;
  }
  command->run(CheckedRequest(*command, line), out);
}

}  // namespace kvir
