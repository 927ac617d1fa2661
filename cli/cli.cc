#include "cli/cli.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "cli/args.h"
#include "cli/session.h"
#include "cli/truth_table.h"
#include "schemes/loaders.h"
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

void Render(Args args, std::ostream& out) {
  const auto flag = std::find(args.begin(), args.end(), "-o");
  if (flag == args.end() || flag + 1 == args.end() || (flag + 1)->empty()) {
    throw UsageError("render: не указан файл: добавьте -o ФАЙЛ.png");
  }
  const std::string path = *(flag + 1);
  args.erase(flag, flag + 2);
  RequireScheme(args);
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  LoadSchemePicture(session.scheme().picture);
  try {
    WritePngFile(ComposePanel(session.scheme()), path);
  } catch (const PictureError& e) {
    throw UsageError(e.what());
  }
  out << path << '\n';
}

void Dispatch(const Args& args, std::ostream& out) {
  const std::string& command = args[0];
  if (command == "--help" || command == "-h") {
    out << kUsage;
  } else if (command == "--version") {
    out << kVersion << '\n';
  } else if (command == "list") {
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
    return 1;
  }
}

}  // namespace kvir
