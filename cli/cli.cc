#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <exception>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string_view>

#include "circuit/scheme_texts.h"
#include "circuit/schemes.h"
#include "cli/args.h"
#include "cli/legend.h"
#include "cli/options.h"
#include "cli/session.h"
#include "cli/truth_table.h"
#include "io/error_texts.h"
#include "io/output_file.h"
#include "render/handout.h"
#include "render/loaders.h"
#include "render/panel_image.h"

namespace kvir {
namespace {

constexpr std::string_view kVersion = "kvir-cli 1.0";
constexpr std::string_view kCommands = "list, about, names, state, trace, table, render";
constexpr std::string_view kUsage =
    "Использование: kvir-cli [--lang ru|en] КОМАНДА [АРГУМЕНТЫ]\n"
    "  list                          шестнадцать схем: номер и название\n"
    "  about N                       о схеме N: что она делает, её входы, что увидеть\n"
    "                                (то же, что окно «О схеме» программы kvir)\n"
    "  names N                       легенда схемы N: для каждого индикатора имя, метка,\n"
    "                                роль, у выводов микросхем — микросхема и вывод\n"
    "  state N [КНОПКА …]            выбрать схему N, нажать кнопки по очереди и вывести\n"
    "                                «ИМЯ ЗНАЧЕНИЕ КАРТИНКА» для каждого индикатора\n"
    "  trace N [КНОПКА …]            шаги последнего нажатия: exec K, draw ИМЯ КАРТИНКА\n"
    "  table N                       таблица истинности схемы N (кнопки, затем выходы OUT)\n"
    "  render N [КНОПКА …] -o ФАЙЛ   панель схемы 820 × 665 в файл PNG\n"
    "N — номер схемы от 1 до 16. КНОПКА — кнопка входа схемы: имя (IN03) или метка,\n"
    "как на рисунке (Y3), с учётом регистра.\n"
    "Параметры:\n"
    "  --lang ru|en   язык названий схем, легенды и текстов о схемах (по умолчанию ru)\n"
    "  --labels       state, trace, table: метки рисунка вместо имён индикаторов; table —\n"
    "                 в порядке для студента: разрешения, данные от старшего разряда,\n"
    "                 выходы; строки по возрастанию кода данных\n"
    "  --csv          table: то же, что --labels, в формате CSV (UTF-8, через запятую)\n"
    "  --crop         render: только рисунок схемы с небольшим полем\n"
    "  --title        render: название схемы над рисунком (включает --crop)\n"
    "  --clear-view   render: чёткий вид, как в окне программы: нажатые кнопки залиты\n"
    "                 цветом, отпущенные пусты, выбранные выходы дешифраторов в рамке,\n"
    "                 у каждого входа его метка\n"
    "  --zoom ПРОЦЕНТ render: масштаб 100, 150, 200, 250 или 300 (по умолчанию 100),\n"
    "                 как в окне программы; при 200 панель 1640 × 1330\n"
    "--help — эта справка, --version — версия.\n";

using Args = std::vector<std::string>;

void List(Language language, std::ostream& out) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    out << (n < 10 ? "0" : "") << n << ' ' << SchemeTitle(n, language) << '\n';
  }
}

Args Buttons(const Args& args) {
  return Args(args.begin() + 2, args.end());
}

// What state and trace call an indicator: its name, or with --labels its label.
const std::string& Called(const Indicator& ind, bool labels) {
  return labels && !ind.label.empty() ? ind.label : ind.name;
}

// The resource the indicator's picture was last decoded from.
std::string_view ShownResource(const SchemeSession& session, const Indicator& ind) {
  return session.pictures().shown_resource(IndexIn(session.pictures().scheme(), ind));
}

void State(const Args& args, bool labels, std::ostream& out) {
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  for (const auto& step : session.last_press().steps) {
    if (step.drawn == nullptr) continue;
    out << Called(*step.drawn, labels) << ' ' << step.drawn->Tag << ' '
        << ShownResource(session, *step.drawn) << '\n';
  }
}

void Trace(const Args& args, bool labels, std::ostream& out) {
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  for (const auto& step : session.last_press().steps) {
    if (step.drawn == nullptr) {
      out << "exec " << step.element << '\n';
    } else {
      out << "draw " << Called(*step.drawn, labels) << ' ' << ShownResource(session, *step.drawn)
          << '\n';
    }
  }
}

// The commands with no argument but the scheme number.
void SchemeCommand(const CommandLine& line, std::ostream& out) {
  const Args& args = line.words;
  if (args.size() > 2) throw UsageError(args[0] + ": лишние аргументы после номера схемы");
  const int n = ParseSchemeNumber(args[1]);
  if (args[0] == "about") {
    out << SchemeTitle(n, line.language) << "\n\n" << AboutScheme(n, line.language);
  } else if (args[0] == "names") {
    PrintLegend(n, line.language, out);
  } else if (line.Has("--csv")) {
    PrintStudentTable(n, ',', out);
  } else if (line.Has("--labels")) {
    PrintStudentTable(n, ' ', out);
  } else {
    PrintTruthTable(n, out);
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
Picture RenderedPicture(const PanelPictures& pictures, const CommandLine& line) {
  const Picture panel = ComposePanel(pictures);
  const bool title = line.Has("--title");
  if (!title && !line.Has("--crop")) return panel;
  const Picture cropped = Crop(panel, CropRect(pictures));
  if (!title) return cropped;
  return StackAbove(LoadTitlePicture(pictures, line.language), cropped);
}

void Render(const CommandLine& line, std::ostream& out) {
  Args args = line.words;
  const std::string path = TakeOutputPath(args);
  RequireScheme(args);
  const PictureStyle style = {.clear = line.Has("--clear-view"),
                              .zoom = line.zoom.value_or(kPlainZoom)};
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args), style);
  session.LoadSchemePicture();
  const std::vector<uint8_t> png = EncodePng(RenderedPicture(session.pictures(), line));
  if (path == kStandardOutputName) out.flush();  // whatever is buffered goes first
  const FileStatus status = WriteOutputFile(path, png);
  if (!status.ok()) throw std::runtime_error(FileStatusMessage(status, line.language));
  if (path != kStandardOutputName) out << path << '\n';
}

// Commands without arguments: anything after the command is an error.
void RequireNoArguments(const Args& args) {
  if (args.size() > 1) {
    throw UsageError(args[0] + ": лишние аргументы: команда не принимает аргументов");
  }
}

// The flags each command takes; a command not listed takes none.
struct CommandFlags {
  std::string_view command;
  std::array<std::string_view, 3> flags;
};
constexpr CommandFlags kCommandFlags[] = {
    {"state", {"--labels"}},
    {"trace", {"--labels"}},
    {"table", {"--labels", "--csv"}},
    {"render", {"--crop", "--title", "--clear-view"}},
};

std::span<const std::string_view> FlagsOf(std::string_view command) {
  for (const CommandFlags& entry : kCommandFlags) {
    if (entry.command == command) return entry.flags;
  }
  return {};
}

void Dispatch(const CommandLine& line, std::ostream& out) {
  const Args& args = line.words;
  const std::string& command = args[0];
  RequireOnlyFlags(line, FlagsOf(command));
  if (line.zoom && command != "render") {
    throw UsageError(command + ": параметр --zoom не подходит к этой команде");
  }
  if (command == "--help" || command == "-h") {
    RequireNoArguments(args);
    out << kUsage;
  } else if (command == "--version") {
    RequireNoArguments(args);
    out << kVersion << '\n';
  } else if (command == "list") {
    RequireNoArguments(args);
    List(line.language, out);
  } else if (command == "render") {
    Render(line, out);
  } else if (command == "state" || command == "trace") {
    RequireScheme(args);
    (command == "state" ? State : Trace)(args, line.Has("--labels"), out);
  } else if (command == "about" || command == "names" || command == "table") {
    RequireScheme(args);
    SchemeCommand(line, out);
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
