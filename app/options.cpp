#include "app/options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace kvir {
namespace {

// One option of the program: its names, the name of its value (empty for a switch) and the
// description --help prints.
struct OptionRow {
  QStringList names;
  QString valueName;
  QString description;
};

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kFirstPaintExit = QStringLiteral("first-paint-exit");

const OptionRow kOptions[] = {
    {{QStringLiteral("h"), kHelp}, {}, QStringLiteral("вывести эту справку и завершиться")},
    {{QStringLiteral("v"), kVersion}, {}, QStringLiteral("вывести версию и завершиться")},
    {{kFirstPaintExit},
     {},
     QStringLiteral("показать окно и завершиться с кодом 0 сразу после его первой полной "
                    "отрисовки (проверка запуска)")},
};

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
    parser.addOption(QCommandLineOption(row.names, row.description, row.valueName));
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

CommandLine Refuse(const QString& what) {
  CommandLine line;
  line.run = false;
  line.exitCode = kBadCommandLine;
  line.err = QStringLiteral("kvir: %1; допустимы %2\n").arg(what, OptionList());
  return line;
}

CommandLine Print(const QString& text) {
  CommandLine line;
  line.run = false;
  line.out = text;
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AddOptions(parser);
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      return Refuse(QStringLiteral("неизвестный параметр «%1»").arg(Typed(arguments, unknown[0])));
    }
    return Refuse(QStringLiteral("ошибка в командной строке: ") + parser.errorText());
  }
  if (!parser.positionalArguments().isEmpty()) {
    return Refuse(QStringLiteral("лишний аргумент «%1»").arg(parser.positionalArguments()[0]));
  }
  if (parser.isSet(kHelp)) return Print(ProgramHelp());
  if (parser.isSet(kVersion)) return Print(ProgramVersion());
  CommandLine line;
  line.options.firstPaintExit = parser.isSet(kFirstPaintExit);
  return line;
}

QString ProgramHelp() {
  QString text = QStringLiteral(
      "Использование: kvir [ПАРАМЕТР]\n"
      "Учебная программа: шестнадцать схем двоичных шифраторов и дешифраторов\n"
      "на логических элементах и микросхемах серии 155.\n\n"
      "Параметры:\n");
  for (const OptionRow& row : kOptions) {
    QStringList names;
    for (const QString& name : row.names) names << Dashed(name);
    QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (!row.valueName.isEmpty()) left += QLatin1Char(' ') + row.valueName;
    text += left.leftJustified(kHelpColumn - 1) + QLatin1Char(' ') + Wrapped(row.description) +
            QLatin1Char('\n');
  }
  text += QStringLiteral(
      "\nПринимаются и стандартные параметры Qt (-platform, -style и другие).\n"
      "Если рядом с программой лежит файл _timing.txt, на панели схемы 01 есть кнопка\n"
      "Timing: замер скорости схем 1-9 с дописыванием итогов в этот файл (man kvir).\n");
  return text;
}

QString ProgramVersion() {
  return QStringLiteral("kvir " KVIR_VERSION "\n");
}

}  // namespace kvir
