#pragma once
// kvir-cli's commands as one table: a row names a command and holds what it takes, its lines in
// the usage and the function that does it. The command list of messages, the usage lines, the
// checks of a command line and the choice of what runs all come from the rows.

#include <array>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"

namespace kvir {

/// What a command takes after its name.
enum class Operands {
  kNone,                  ///< nothing
  kScheme,                ///< "N": a scheme number and nothing more
  kSchemeAndButtons,      ///< "N [КНОПКА …]": a scheme number, then the buttons to press
  kSchemeButtonsAndFile,  ///< "N [КНОПКА …] -o ФАЙЛ": the same, and the file to write
  kOwnOptions,  ///< "ПАРАМЕТРЫ -o ФАЙЛ": options the command's function reads itself
};

/// A command line checked against its command's row, as the command's function gets it.
struct Request {
  const CommandLine& line;         ///< the whole command line, for its language and options
  std::vector<std::string> words;  ///< the command and its operands, "-o ФАЙЛ" taken out
  /// The file after "-o", for kSchemeButtonsAndFile, named as every save is ("out" gives
  /// "out.png").
  std::string output_path;
};

/// Does what a command does, its operands present as the row says; throws Error for a bad
/// operand, another exception for a failure while running.
using CommandFunction = void (*)(const Request& request, std::ostream& out);

/// One command of kvir-cli, a row of the table.
struct Command {
  std::string_view name = {};   ///< "state"; named in lists
  std::string_view alias = {};  ///< another name that is left out of lists ("-h"), or empty
  Operands operands = Operands::kNone;
  /// The flags and "--zoom" it takes; "--lang" goes with every command.
  std::array<std::string_view, 4> options = {};
  std::string_view help = {};  ///< its usage lines, '\n' between them; empty: not in the usage
  CommandFunction run = nullptr;
};

/// "list, about, …": the names of the rows, in order, aliases left out.
std::string CommandNames(std::span<const Command> commands);

/// The usage of one command, for "kvir-cli COMMAND --help": "Использование: kvir-cli [--lang
/// ru|en] NAME OPERANDS", then its help lines, each indented by two blanks.
std::string CommandHelp(const Command& command);

/// Where the usage lines' help starts, in characters (not bytes) from the line's start.
inline constexpr int kHelpColumn = 32;

/// The usage lines of the rows with help, in order: "  NAME OPERANDS", blanks to kHelpColumn, the
/// first help line; each further help line indented to kHelpColumn.
std::string CommandUsage(std::span<const Command> commands);

/// Runs the command `line` names (its first word, by name or alias) after checking its options,
/// then its operands; where "--help" or "-h" follows a command with help, prints its CommandHelp
/// instead. Throws Error for no command, an unknown one, an option it does not take
/// or missing or extra operands; whatever its function throws goes on.
void RunCommand(std::span<const Command> commands, const CommandLine& line, std::ostream& out);

}  // namespace kvir
