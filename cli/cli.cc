#include "cli/cli.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "cli/args.h"
#include "cli/session.h"
#include "cli/truth_table.h"
#include "schemes/loaders.h"
#include "schemes/output_file.h"
#include "schemes/panel_image.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr std::string_view kVersion = "kvir-cli 1.0";
constexpr std::string_view kCommands = "list, state, trace, table, render";
constexpr std::string_view kUsage =
    "Использование: kvir-cli КОМАНДА [АРГУМЕНТЫ]\n"
    "  list                          шестнадцать схем: номер и название\n"
    "  state N [КНОПКА …]            выбрать схему N, нажать кнопки по очереди и вывести\n"
    "                                «ИМЯ ЗНАЧЕНИЕ КАРТИНКА» для каждого индикатора\n"
    "  trace N [КНОПКА …]            шаги последнего нажатия: exec K, draw ИМЯ КАРТИНКА\n"
    "  table N                       таблица истинности схемы N (кнопки, затем выходы OUT)\n"
    "  render N [КНОПКА …] -o ФАЙЛ   панель схемы 820 × 665 в файл PNG\n"
    "N — номер схемы от 1 до 16, КНОПКА — кнопка входа схемы (IN03).\n"
    "--help — эта справка, --version — версия.\n";

using Args = std::vector<std::string>;

void List(std::ostream& out) {
  for (const SchemeEntry& entry : kSchemeTable) {
    const int n = entry.def->number;
    out << (n < 10 ? "0" : "") << n << ' ' << entry.def->title << '\n';
  }
}

Args Buttons(const Args& args) {
  return Args(args.begin() + 2, args.end());
}

void State(const Args& args, std::ostream& out) {
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  for (const auto& step : session.last_press().steps) {
    if (step.drawn == nullptr) continue;
    out << step.drawn->name << ' ' << step.drawn->Tag << ' ' << step.drawn->shown_resource << '\n';
  }
}

void Trace(const Args& args, std::ostream& out) {
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  for (const auto& step : session.last_press().steps) {
    if (step.drawn == nullptr) {
      out << "exec " << step.element << '\n';
    } else {
      out << "draw " << step.drawn->name << ' ' << step.drawn->shown_resource << '\n';
    }
  }
}

void RequireScheme(const Args& args) {
  if (args.size() < 2) {
    throw UsageError(args[0] + ": не указан номер схемы: ожидается число от 1 до 16");
  }
}

// The file after "-o", taken out of `args`; a bad or missing name is a usage error.
std::string TakeOutputPath(Args& args) {
  const auto flag = std::find(args.begin(), args.end(), "-o");
  if (flag == args.end() || flag + 1 == args.end() || (flag + 1)->empty()) {
    throw UsageError("render: не указан файл: добавьте -o ФАЙЛ.png");
  }
  const std::string path = *(flag + 1);
  if (!IsPictureFileName(path)) {
    throw UsageError("render: файл «" + path + "»: тип «" +
                     std::filesystem::path(path).extension().string() +
                     "» не поддерживается; поддерживаемые типы: " + std::string(kPictureFileTypes));
  }
  args.erase(flag, flag + 2);
  return path;
}

void Render(Args args, std::ostream& out) {
  const std::string path = TakeOutputPath(args);
  RequireScheme(args);
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  LoadSchemePicture(session.scheme().picture);
  const std::vector<uint8_t> png = EncodePng(ComposePanel(session.scheme()));
  if (path == kStandardOutputName) out.flush();  // whatever is buffered goes first
  const FileStatus status = WriteOutputFile(path, png);
  if (!status.ok()) throw std::runtime_error(status.message());
  if (path != kStandardOutputName) out << path << '\n';
}

// Commands without arguments: anything after the command is an error.
void RequireNoArguments(const Args& args) {
  if (args.size() > 1) {
    throw UsageError(args[0] + ": лишние аргументы: команда не принимает аргументов");
  }
}

void Dispatch(const Args& args, std::ostream& out) {
  const std::string& command = args[0];
  if (command == "--help" || command == "-h") {
    RequireNoArguments(args);
    out << kUsage;
  } else if (command == "--version") {
    RequireNoArguments(args);
    out << kVersion << '\n';
  } else if (command == "list") {
    RequireNoArguments(args);
    List(out);
  } else if (command == "state" || command == "trace" || command == "table" ||
             command == "render") {
    if (command == "render") return Render(args, out);
    RequireScheme(args);
    if (command == "state") return State(args, out);
    if (command == "trace") return Trace(args, out);
    if (args.size() > 2) throw UsageError("table: лишние аргументы после номера схемы");
    PrintTruthTable(ParseSchemeNumber(args[1]), out);
  } else {
    throw UsageError("неизвестная команда «" + command + "»; допустимы " + std::string(kCommands) +
                     ", --help, --version");
  }
}

}  // namespace

int RunCli(const Args& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) {
      throw UsageError("не указана команда; допустимы " + std::string(kCommands) +
                       ", --help, --version");
    }
    Dispatch(args, out);
    return 0;
  } catch (const UsageError& e) {
    err << "kvir-cli: " << e.what() << '\n';
    return kUsageError;
  } catch (const std::exception& e) {
    err << "kvir-cli: " << e.what() << '\n';
    return kRunError;
  }
}

}  // namespace kvir
