#include "cli/cli.h"

#include <cerrno>
#include <exception>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "circuit/scheme_texts.h"
#include "circuit/schemes.h"
#include "cli/args.h"
#include "cli/command_table.h"
#include "cli/exam.h"
#include "cli/legend.h"
#include "cli/options.h"
#include "cli/session.h"
#include "cli/truth_table.h"
#include "core/error.h"
#include "exam/exam_files.h"
#include "io/error_texts.h"
#include "io/output_file.h"
#include "render/exam_pdf.h"
#include "render/handout.h"
#include "render/loaders.h"
#include "render/panel_image.h"

namespace kvir {
namespace {

constexpr std::string_view kVersion = "kvir-cli 1.0";
constexpr std::string_view kUsageHeader =
    "Использование: kvir-cli [--lang ru|en] КОМАНДА [АРГУМЕНТЫ]\n";
// The usage after the commands' lines and the sentence on scheme numbers.
constexpr std::string_view kUsageTail =
    "КНОПКА — кнопка входа схемы: имя (IN03) или метка,\n"
    "как на рисунке (Y3), с учётом регистра.\n"
    "Параметры:\n"
    "  --lang ru|en   язык названий схем, легенды, текстов о схемах и заголовков\n"
    "                 таблицы (по умолчанию ru)\n"
    "  --labels       state, trace, table: метки рисунка вместо имён индикаторов; table —\n"
    "                 в порядке для студента: разрешения, данные от старшего разряда,\n"
    "                 выходы; строки по возрастанию кода данных\n"
    "  --csv          table: то же, что --labels, в формате CSV (UTF-8, через запятую)\n"
    "  --separator X  table --csv: разделитель полей X вместо запятой (например, «;»\n"
    "                 для русской электронной таблицы; tab — табуляция)\n"
    "  --crop         render: только рисунок схемы с небольшим полем\n"
    "  --title        render: название схемы над рисунком (включает --crop)\n"
    "  --clear-view   render: чёткий вид, как в окне программы: нажатые кнопки залиты\n"
    "                 цветом, отпущенные пусты, выбранные выходы дешифраторов в рамке,\n"
    "                 у каждого входа его метка\n"
    "  --zoom ПРОЦЕНТ render: масштаб 100, 150, 200, 250 или 300 (по умолчанию 100),\n"
    "                 как в окне программы; при 200 панель 1640 × 1330\n"
    "--help — эта справка, --version — версия; КОМАНДА --help — справка о команде.\n";

using Args = std::vector<std::string>;

// The system error (errno) with which writing `out` has failed, once what it holds is flushed; 0
// while it has not. The program's standard output reports its error through errno on a flush,
// as stdio does; a stream that cannot tell counts as an input/output error.
int OutputFailure(std::ostream& out) {
  errno = 0;
  if (out.rdbuf()->pubsync() == 0 && out.good()) return 0;
  return errno != 0 ? errno : EIO;
}

std::string OutputFailureMessage(int error, Language language) {
  return FileStatusMessage(
      FileStatus::Failed(FileStep::kWrite, error, std::string(kStandardOutputName)), language);
}

void List(const Request& request, std::ostream& out) {
  const Language language = request.line.language;
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

void State(const Request& request, std::ostream& out) {
  const Args& args = request.words;
  const bool labels = request.line.Has("--labels");
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args));
  for (const auto& step : session.last_press().steps) {
    if (step.drawn == nullptr) continue;
    out << Called(*step.drawn, labels) << ' ' << step.drawn->Tag << ' '
        << ShownResource(session, *step.drawn) << '\n';
  }
}

void Trace(const Request& request, std::ostream& out) {
  const Args& args = request.words;
  const bool labels = request.line.Has("--labels");
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

// The scheme number of a command whose operands start with it.
int SchemeOf(const Request& request) {
  return ParseSchemeNumber(request.words[1]);
}

void About(const Request& request, std::ostream& out) {
  const int n = SchemeOf(request);
  const Language language = request.line.language;
  out << SchemeTitle(n, language) << "\n\n" << AboutScheme(n, language);
}

void Names(const Request& request, std::ostream& out) {
  PrintLegend(SchemeOf(request), request.line.language, out);
}

void Table(const Request& request, std::ostream& out) {
  const CommandLine& line = request.line;
  const int n = SchemeOf(request);
  if (line.separator && !line.Has("--csv")) {
    throw Error(ErrorCode::kCliSeparatorWithoutCsv).In("table");
  }
  if (line.Has("--csv")) {
    PrintStudentTable(n, line.separator.value_or(','), line.language, out);
  } else if (line.Has("--labels")) {
    PrintStudentTable(n, ' ', line.language, out);
  } else {
    PrintTruthTable(n, out);
  }
}

// The picture a render writes: the whole panel, or trimmed, or trimmed under its title.
Picture RenderedPicture(const PanelPictures& pictures, const CommandLine& line) {
  if (line.Has("--title")) return TitledPanel(pictures, line.language);
  if (line.Has("--crop")) return CroppedPanel(pictures);
  return ComposePanel(pictures);
}

void Render(const Request& request, std::ostream& out) {
  const CommandLine& line = request.line;
  const Args& args = request.words;
  const std::string& path = request.output_path;
  const PictureStyle style = {.clear = line.Has("--clear-view"),
                              .zoom = line.zoom.value_or(kPlainZoom)};
  SchemeSession session(ParseSchemeNumber(args[1]), Buttons(args), style);
  session.LoadSchemePicture();
  const std::vector<uint8_t> png = EncodePng(RenderedPicture(session.pictures(), line));
  // The standard output written (by "-" or by another of its names) gets the picture alone, after
  // whatever is buffered.
  const bool into_output = WritesStandardOutput(path);
  if (into_output) out.flush();
  const FileStatus status = WriteOutputFile(path, png);
  if (!status.ok()) throw std::runtime_error(FileStatusMessage(status, line.language));
  if (into_output) return;
  out << path << '\n';
  if (const int error = OutputFailure(out); error != 0) {
    // The picture is written, only its name could not be printed: the file is the result, so
    // the run succeeds (RunCli), and standard error says what is missing.
    throw Error(ErrorCode::kCliNameNotPrinted, {path, OutputFailureMessage(error, line.language)});
  }
}

void Exam(const Request& request, std::ostream& out) {
  const ExamOrder order = ParseExamOrder(request.words, request.line.language);
  // kvir-cli draws no text after this: the fonts a worksheet loaded are let go, written or not.
  struct FontRelease {
    ~FontRelease() { ReleaseWorksheetFonts(); }
  } release;
  if (const FileStatus status = WriteExamFiles(order); !status.ok()) {
    throw std::runtime_error(FileStatusMessage(status, order.language));
  }
  out << order.file << '\n' << KeyPath(order.file) << '\n';
}

void Version(const Request&, std::ostream& out) {
  out << kVersion << '\n';
}

void Help(const Request& request, std::ostream& out);

// Every command: the order here is the order of lists and of the usage.
constexpr Command kCommands[] = {
    {.name = "list", .help = "шестнадцать схем: номер и название", .run = List},
    {.name = "about",
     .operands = Operands::kScheme,
     .help = "о схеме N: что она делает, её входы, что увидеть\n"
             "(то же, что окно «О схеме» программы kvir)",
     .run = About},
    {.name = "names",
     .operands = Operands::kScheme,
     .help = "легенда схемы N: для каждого индикатора имя, метка,\n"
             "роль, у выводов микросхем — микросхема и вывод",
     .run = Names},
    {.name = "state",
     .operands = Operands::kSchemeAndButtons,
     .options = {"--labels"},
     .help = "выбрать схему N, нажать кнопки по очереди и вывести\n"
             "«ИМЯ ЗНАЧЕНИЕ КАРТИНКА» для каждого индикатора",
     .run = State},
    {.name = "trace",
     .operands = Operands::kSchemeAndButtons,
     .options = {"--labels"},
     .help = "шаги последнего нажатия: exec K, draw ИМЯ КАРТИНКА",
     .run = Trace},
    {.name = "table",
     .operands = Operands::kScheme,
     .options = {"--labels", "--csv", "--separator"},
     .help = "таблица истинности схемы N (кнопки, затем выходы OUT)",
     .run = Table},
    {.name = "render",
     .operands = Operands::kSchemeButtonsAndFile,
     .options = {"--crop", "--title", "--clear-view", "--zoom"},
     .help = "панель схемы 820 × 665 в файл PNG",
     .run = Render},
    {.name = "exam",
     .operands = Operands::kOwnOptions,
     .help = "вопросы для Moodle (XML), GIFT или листы PDF и ключ ФАЙЛ-key.csv:\n"
             "--format moodle|gift|pdf [--schemes 1-16]\n"
             "[--kinds outputs,inputs,rows,scheme] [--count N] [--seed S]\n"
             "[--students ФАЙЛ] (по варианту на каждое имя в файле)",
     .run = Exam},
    {.name = "--help", .alias = "-h", .run = Help},
    {.name = "--version", .run = Version},
};

void Help(const Request&, std::ostream& out) {
  out << kUsageHeader << CommandUsage(kCommands) << "N — номер схемы " << SchemeNumberRange()
      << ". " << kUsageTail;
}

}  // namespace

int RunCli(const Args& args, std::ostream& out, std::ostream& err) {
  Language language = Language::kRussian;  // the messages', until the command line names its own
  try {
    Args rest = args;
    language = TakeLanguage(rest);
    const CommandLine line = ParseCommandLine(std::move(rest), language);
    RunCommand(kCommands, line, out);
    if (const int error = OutputFailure(out); error != 0) {
      throw std::runtime_error(OutputFailureMessage(error, line.language));
    }
    return 0;
  } catch (const Error& e) {
    err << "kvir-cli: " << ErrorText(e, language) << '\n';
    if (e.code() == ErrorCode::kCliNameNotPrinted) return 0;
    return IsBadInput(e.code()) ? kUsageError : kRunError;
  } catch (const std::exception& e) {
    err << "kvir-cli: " << e.what() << '\n';
    return kRunError;
  }
}

}  // namespace kvir
