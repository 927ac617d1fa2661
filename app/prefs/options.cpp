#include "app/prefs/options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

#include "render/zoom.h"

namespace kvir {
namespace {

// The translation context of the texts below.
constexpr char kContext[] = "kvir::Options";

// One option of the program: its names, the name of its value (empty for a switch) and the
// description --help prints, both in Russian, translated where printed.
struct OptionRow {
  QStringList names;
  const char* valueName;
  const char* description;
};

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kFirstPaintExit = QStringLiteral("first-paint-exit");
const QString kLang = QStringLiteral("lang");
const QString kClearView = QStringLiteral("clear-view");
const QString kMode = QStringLiteral("mode");
const QString kZoom = QStringLiteral("zoom");
const QString kZoomFit = QStringLiteral("fit");  // the value of --zoom that fits the screen

const OptionRow kOptions[] = {
    {{QStringLiteral("h"), kHelp},
     "",
     QT_TRANSLATE_NOOP("kvir::Options", "вывести эту справку и завершиться")},
    {{QStringLiteral("v"), kVersion},
     "",
     QT_TRANSLATE_NOOP("kvir::Options", "вывести версию и завершиться")},
    {{kFirstPaintExit},
     "",
     QT_TRANSLATE_NOOP("kvir::Options",
                       "показать окно и завершиться с кодом 0 сразу после его первой полной "
                       "отрисовки (проверка запуска)")},
    {{kLang},
     QT_TRANSLATE_NOOP("kvir::Options", "ЯЗЫК"),
     QT_TRANSLATE_NOOP("kvir::Options",
                       "язык окон: ru (русский, по умолчанию) или en (английский); без этого "
                       "параметра действует язык, выбранный в программе последним")},
    {{kClearView},
     "",
     QT_TRANSLATE_NOOP("kvir::Options",
                       "начать в чётком виде: нажатые кнопки залиты цветом, отпущенные пусты, "
                       "выбранные выходы дешифраторов в рамке, у каждого входа его метка; без "
                       "этого параметра вид такой, какой выбран в программе последним")},
    {{kMode},
     QT_TRANSLATE_NOOP("kvir::Options", "РЕЖИМ"),
     QT_TRANSLATE_NOOP("kvir::Options",
                       "начать в режиме обучения: step («Пошагово»: нажатие проходит по схеме "
                       "шаг за шагом) или quiz («Проверь себя»: угадать уровни выходов)")},
    {{kZoom},
     QT_TRANSLATE_NOOP("kvir::Options", "ПРОЦЕНТ"),
     QT_TRANSLATE_NOOP("kvir::Options",
                       "начать в масштабе 100, 150, 200, 250 или 300 процентов (по умолчанию "
                       "100) или fit: в наибольшем, при котором рисунок схемы помещается на "
                       "экране; в окне масштаб меняют Ctrl+Плюс, Ctrl+Минус, Ctrl+0 и Ctrl+9")},
};

// The values of --mode.
struct ModeRow {
  const char* name;
  SessionMode mode;
};
constexpr ModeRow kModes[] = {{"step", SessionMode::kStep}, {"quiz", SessionMode::kQuiz}};

std::optional<SessionMode> ModeNamed(const QString& name) {
  for (const ModeRow& row : kModes) {
    if (name == QLatin1String(row.name)) return row.mode;
  }
  return std::nullopt;
}

// Qt's own options, which QApplication takes from the command line: accepted here, not shown.
struct QtOptionRow {
  const char* name;
  bool hasValue;
};
constexpr QtOptionRow kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"qmljsdebugger", true},
    {"reverse", false},        {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"widgetcount", false},
};

constexpr int kHelpColumn = 24;  // where the descriptions start
constexpr int kHelpWidth = 80;

// `words` broken into lines of at most kHelpWidth - kHelpColumn characters, each line but the
// first indented to kHelpColumn.
QString Wrapped(const QString& words) {
  QString text, line;
  for (const QString& word : words.split(QLatin1Char(' '))) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > kHelpWidth - kHelpColumn) {
      text += line + QLatin1Char('\n') + QString(kHelpColumn, QLatin1Char(' '));
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  return text + line;
}

QString Dashed(const QString& name) {
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString OptionList() {
  QStringList names;
  for (const OptionRow& row : kOptions) names << Dashed(row.names.back());
  return names.join(QStringLiteral(", "));
}

void AddOptions(QCommandLineParser& parser) {
  for (const OptionRow& row : kOptions) {
    parser.addOption(QCommandLineOption(row.names, QString::fromUtf8(row.description),
                                        QString::fromUtf8(row.valueName)));
  }
  for (const QtOptionRow& row : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(row.name));
    if (row.hasValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// The argument as typed that the parser reported under `name` (without dashes or value).
QString Typed(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments.mid(1)) {
    QString bare = argument;
    while (bare.startsWith(QLatin1Char('-'))) bare.remove(0, 1);
    if (bare.section(QLatin1Char('='), 0, 0) == name)
      return argument.section(QLatin1Char('='), 0, 0);
  }
  return Dashed(name);
}

// `allowed`: what may be given instead, a list of options by default.
CommandLine Refuse(Language language, const QString& what, const QString& allowed = OptionList()) {
  CommandLine line;
  line.run = false;
  line.exitCode = kBadCommandLine;
  line.err =
      Translate(language, kContext, QT_TRANSLATE_NOOP("kvir::Options", "kvir: %1; допустимы %2"))
          .arg(what, allowed) +
      QLatin1Char('\n');
  return line;
}

CommandLine Print(const QString& text) {
  CommandLine line;
  line.run = false;
  line.out = text;
  return line;
}

// The language --lang names, else `fallback`; a value naming no language is refused later.
Language ChosenLanguage(const QCommandLineParser& parser, Language fallback) {
  return LanguageNamed(parser.value(kLang)).value_or(fallback);
}

// Whether the option `name` (without dashes) takes a value; nothing for an unknown option.
std::optional<bool> TakesValue(const QString& name) {
  for (const OptionRow& row : kOptions) {
    if (row.names.contains(name)) return *row.valueName != '\0';
  }
  for (const QtOptionRow& row : kQtOptions) {
    if (name == QLatin1String(row.name)) return row.hasValue;
  }
  return std::nullopt;
}

// Why the parser refused a line that names no unknown option, in the parser's own way of reading
// it: an option that takes a value ends the line, or a switch is given one with '='.
QString ValueFault(const QStringList& arguments, Language language) {
  const auto text = [language](const char* source) {
    return Translate(language, kContext, source);
  };
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;
    if (!argument.startsWith(QLatin1Char('-')) || argument.size() == 1) continue;
    QString bare = argument;
    while (bare.startsWith(QLatin1Char('-'))) bare.remove(0, 1);
    const QString name = bare.section(QLatin1Char('='), 0, 0);
    const bool given = bare.contains(QLatin1Char('='));
    const std::optional<bool> takesValue = TakesValue(name);
    if (!takesValue) continue;
    const QString typed = argument.section(QLatin1Char('='), 0, 0);
    if (*takesValue && !given && i + 1 == arguments.size()) {
      return text(QT_TRANSLATE_NOOP("kvir::Options", "у параметра «%1» нет значения")).arg(typed);
    }
    if (!*takesValue && given) {
      return text(QT_TRANSLATE_NOOP("kvir::Options", "параметр «%1» не принимает значения"))
          .arg(typed);
    }
    if (*takesValue && !given) ++i;  // its value
  }
  return {};
}

// The command line read with `parser`, in `language`.
CommandLine Checked(const QCommandLineParser& parser, bool parsed, const QStringList& arguments,
                    Language language) {
  const auto text = [language](const char* source) {
    return Translate(language, kContext, source);
  };
  if (!parsed) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      return Refuse(language, text(QT_TRANSLATE_NOOP("kvir::Options", "неизвестный параметр «%1»"))
                                  .arg(Typed(arguments, unknown[0])));
    }
    const QString fault = ValueFault(arguments, language);
    if (!fault.isEmpty()) return Refuse(language, fault);
    return Refuse(language,
                  text(QT_TRANSLATE_NOOP("kvir::Options", "ошибка в командной строке: %1"))
                      .arg(parser.errorText()));
  }
  if (!parser.positionalArguments().isEmpty()) {
    return Refuse(language, text(QT_TRANSLATE_NOOP("kvir::Options", "лишний аргумент «%1»"))
                                .arg(parser.positionalArguments()[0]));
  }
  if (parser.isSet(kLang) && !LanguageNamed(parser.value(kLang))) {
    return Refuse(
        language,
        text(QT_TRANSLATE_NOOP("kvir::Options", "неизвестный язык «%1»")).arg(parser.value(kLang)),
        QStringLiteral("ru, en"));
  }
  const std::optional<SessionMode> mode =
      parser.isSet(kMode) ? ModeNamed(parser.value(kMode)) : SessionMode::kPlain;
  if (!mode) {
    return Refuse(
        language,
        text(QT_TRANSLATE_NOOP("kvir::Options", "неизвестный режим «%1»")).arg(parser.value(kMode)),
        QStringLiteral("step, quiz"));
  }
  const bool zoomFit = parser.value(kZoom) == kZoomFit;
  const std::optional<int> zoom = parser.isSet(kZoom) && !zoomFit
                                      ? ParseZoomLevel(parser.value(kZoom).toStdString())
                                      : kPlainZoom;
  if (!zoom) {
    return Refuse(language,
                  text(QT_TRANSLATE_NOOP("kvir::Options", "неизвестный масштаб «%1»"))
                      .arg(parser.value(kZoom)),
                  QString::fromStdString(ZoomLevelList()) + QStringLiteral(", ") + kZoomFit);
  }
  if (parser.isSet(kHelp)) return Print(ProgramHelp(language));
  if (parser.isSet(kVersion)) return Print(ProgramVersion());
  CommandLine line;
  line.options.firstPaintExit = parser.isSet(kFirstPaintExit);
  line.options.clearView = parser.isSet(kClearView);
  line.options.mode = *mode;
  line.options.zoom = *zoom;
  line.options.zoomFit = zoomFit;
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, Language fallback) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AddOptions(parser);
  const bool parsed = parser.parse(arguments);
  const Language language = ChosenLanguage(parser, fallback);
  CommandLine line = Checked(parser, parsed, arguments, language);
  line.options.language = language;
  return line;
}

QString ProgramHelp(Language language) {
  const auto text = [language](const char* source) {
    return Translate(language, kContext, source);
  };
  QString help = text(
      QT_TRANSLATE_NOOP("kvir::Options",
                        "Использование: kvir [ПАРАМЕТР]\n"
                        "Учебная программа: шестнадцать схем двоичных шифраторов и дешифраторов\n"
                        "на логических элементах и микросхемах серии 155.\n\n"
                        "Параметры:\n"));
  for (const OptionRow& row : kOptions) {
    QStringList names;
    for (const QString& name : row.names) names << Dashed(name);
    QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (*row.valueName != '\0') left += QLatin1Char(' ') + text(row.valueName);
    help += left.leftJustified(kHelpColumn - 1) + QLatin1Char(' ') +
            Wrapped(text(row.description)) + QLatin1Char('\n');
  }
  help += text(QT_TRANSLATE_NOOP(
      "kvir::Options",
      "\nПринимаются и стандартные параметры Qt (-platform, -style и другие).\n"
      "Если рядом с программой лежит файл _timing.txt, на панели схемы 01 есть кнопка\n"
      "Timing: замер скорости схем 1-9 с дописыванием итогов в этот файл (man kvir).\n"));
  return help;
}

QString ProgramVersion() {
  return QStringLiteral("kvir " KVIR_VERSION "\n");
}

QString NoWindowMessage(Language language) {
  return Translate(
             language, kContext,
             QT_TRANSLATE_NOOP("kvir::Options",
                               "kvir: не удалось открыть окно: Qt не нашла дисплея, с которым "
                               "может работать (см. переменную DISPLAY и параметр "
                               "-platform)")) +
         QLatin1Char('\n');
}

}  // namespace kvir
