#include "cli/cli.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "cli/args.h"
#include "cli/options.h"
#include "cli/session.h"
#include "cli/truth_table.h"
#include "schemes/handout.h"
#include "schemes/loaders.h"
#include "schemes/output_file.h"
#include "schemes/panel_image.h"
#include "schemes/scheme_texts.h"
#include "schemes/schemes.h"

namespace kvir {
namespace {

constexpr std::string_view kVersion = "kvir-cli 1.0";
constexpr std::string_view kCommands = "list, about, state, trace, table, render";
constexpr std::string_view kUsage =
    "Использование: kvir-cli [--lang ru|en] КОМАНДА [АРГУМЕНТЫ]\n"
    "  list                          шестнадцать схем: номер и название\n"
    "  about N                       о схеме N: что она делает, её входы, что увидеть\n"
    "                                (то же, что окно «О схеме» программы kvir)\n"
    "  state N [КНОПКА …]            выбрать схему N, нажать кнопки по очереди и вывести\n"
    "                                «ИМЯ ЗНАЧЕНИЕ КАРТИНКА» для каждого индикатора\n"
    "  trace N [КНОПКА …]            шаги последнего нажатия: exec K, draw ИМЯ КАРТИНКА\n"
    "  table N                       таблица истинности схемы N (кнопки, затем выходы OUT)\n"
    "  render N [КНОПКА …] -o ФАЙЛ   панель схемы 820 × 665 в файл PNG\n"
    "N — номер схемы от 1 до 16, КНОПКА — кнопка входа схемы (IN03).\n"
    "Параметры:\n"
    "  --lang ru|en   язык названий схем и текстов о схемах (по умолчанию ru)\n"
    "  --crop         render: только рисунок схемы с небольшим полем\n"
    "  --title        render: название схемы над рисунком (включает --crop)\n"
    "--help — эта справка, --version — версия.\n";

using Args = std::vector<std::string>;

void List(Language language, std::ostream& out) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    out << (n < 10 ? "0" : "") << n << ' ' << SchemeTitle(n, language) << '\n';
  }
}

void About(const Args& args, Language language, std::ostream& out) {
  if (args.size() > 2) throw UsageError("about: лишние аргументы после номера схемы");
  const int n = ParseSchemeNumber(args[1]);
  out << SchemeTitle(n, language) << "\n\n" << AboutScheme(n, language);
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

// The picture a render writes: the whole panel, or trimmed, or trimmed under its title.
Picture RenderedPicture(const Scheme& scheme, const CommandLine& line) {
  const Picture panel = ComposePanel(scheme);
  const bool title = line.Has("--title");
  if (!title && !line.Has("--crop")) return panel;
  const Picture cropped = Crop(panel, CropRect(scheme));
  if (!title) return cropped;
  return StackAbove(LoadTitlePicture(scheme, line.language), cropped);
}

void Render(const CommandLine& line, std::ostream& out) {
  Args args = line.words;
  const std::string path = TakeOutputPath(args);
  RequireScheme(args);
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  LoadSchemePicture(session.scheme().picture);
  const std::vector<uint8_t> png = EncodePng(RenderedPicture(session.scheme(), line));
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

void Dispatch(const CommandLine& line, std::ostream& out) {
  const Args& args = line.words;
  const std::string& command = args[0];
  if (command == "render") {
    RequireOnlyFlags(line, {"--crop", "--title"});
    return Render(line, out);
  }
  RequireOnlyFlags(line, {});
  if (command == "--help" || command == "-h") {
    RequireNoArguments(args);
    out << kUsage;
  } else if (command == "--version") {
    RequireNoArguments(args);
    out << kVersion << '\n';
  } else if (command == "list") {
    RequireNoArguments(args);
    List(line.language, out);
  } else if (command == "about" || command == "state" || command == "trace" || command == "table") {
    RequireScheme(args);
    if (command == "about") return About(args, line.language, out);
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
    const CommandLine line = ParseCommandLine(args);
    if (line.words.empty()) {
      throw UsageError("не указана команда; допустимы " + std::string(kCommands) +
                       ", --help, --version");
    }
    Dispatch(line, out);
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
