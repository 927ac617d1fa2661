// The program's command line, read before any window exists.

#include <QRegularExpression>
#include <QTest>

#include "app/prefs/options.h"

using namespace kvir;

class TestOptions : public QObject {
  Q_OBJECT

 private slots:
  void commandLines_data();
  void commandLines();
  void helpDescribesEveryOptionWithinEightyColumns_data();
  void helpDescribesEveryOptionWithinEightyColumns();
  void helpIsWhollyInItsLanguage();
  void learningModes_data();
  void learningModes();
  void zoomLevels_data();
  void zoomLevels();
};

void TestOptions::commandLines_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<Language>("fallback");  // the remembered language
  QTest::addColumn<bool>("run");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<bool>("firstPaintExit");
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("out");  // the start of standard output
  QTest::addColumn<QString>("err");  // the whole of standard error

  const QString accepted = QStringLiteral(
      "; допустимы --help, --version, --first-paint-exit, --lang, --clear-view, --mode, --zoom\n");
  const QString none;
  const Language ru = Language::kRussian;
  const Language en = Language::kEnglish;
  const QString usage = QStringLiteral("Использование: kvir [ПАРАМЕТР]\n");
  const QString usageEn = QStringLiteral("Usage: kvir [OPTION]\n");
  QTest::newRow("plain start") << QStringList{} << ru << true << 0 << false << ru << none << none;
  QTest::newRow("first paint exit")
      << QStringList{"--first-paint-exit"} << ru << true << 0 << true << ru << none << none;
  QTest::newRow("Qt's own options pass")
      << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse"} << ru << true << 0
      << false << ru << none << none;
  QTest::newRow("--help") << QStringList{"--help"} << ru << false << 0 << false << ru << usage
                          << none;
  QTest::newRow("-h") << QStringList{"-h"} << ru << false << 0 << false << ru << usage << none;
  QTest::newRow("help over the rest") << QStringList{"--first-paint-exit", "--help"} << ru << false
                                      << 0 << false << ru << usage << none;
  QTest::newRow("--version") << QStringList{"--version"} << ru << false << 0 << false << ru
                             << QStringLiteral("kvir 1.0\n") << none;
  QTest::newRow("-v") << QStringList{"-v"} << ru << false << 0 << false << ru << "kvir 1.0\n"
                      << none;
  QTest::newRow("unknown long option")
      << QStringList{"--colour"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: неизвестный параметр «--colour»") + accepted;
  QTest::newRow("unknown short option, typed with one dash")
      << QStringList{"-x"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: неизвестный параметр «-x»") + accepted;
  QTest::newRow("unknown option with a value")
      << QStringList{"--colour=red"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: неизвестный параметр «--colour»") + accepted;
  QTest::newRow("an argument that is no option")
      << QStringList{"scheme.png"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: лишний аргумент «scheme.png»") + accepted;
  QTest::newRow("a value given to a switch")
      << QStringList{"--first-paint-exit=1"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: параметр «--first-paint-exit» не принимает значения") + accepted;

  QTest::newRow("--lang en") << QStringList{"--lang", "en"} << ru << true << 0 << false << en
                             << none << none;
  QTest::newRow("--lang=ru over a remembered en")
      << QStringList{"--lang=ru"} << en << true << 0 << false << ru << none << none;
  QTest::newRow("the remembered language without --lang")
      << QStringList{"--first-paint-exit"} << en << true << 0 << true << en << none << none;
  QTest::newRow("--lang en --help") << QStringList{"--lang", "en", "--help"} << ru << false << 0
                                    << false << en << usageEn << none;
  QTest::newRow("--help in the remembered language")
      << QStringList{"-h"} << en << false << 0 << false << en << usageEn << none;
  QTest::newRow("an unknown language")
      << QStringList{"--lang", "de"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: неизвестный язык «de»; допустимы ru, en\n");
  QTest::newRow("a language named in capitals is unknown")
      << QStringList{"--lang=EN"} << en << false << 2 << false << en << none
      << QStringLiteral("kvir: unknown language 'EN'; allowed: ru, en\n");
  QTest::newRow("--lang without a value")
      << QStringList{"--lang"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: у параметра «--lang» нет значения") + accepted;
  QTest::newRow("--zoom without a value, in English")
      << QStringList{"--lang=en", "--zoom"} << ru << false << 2 << false << en << none
      << QStringLiteral(
             "kvir: option '--zoom' needs a value; allowed: --help, --version, "
             "--first-paint-exit, --lang, --clear-view, --mode, --zoom\n");
  QTest::newRow("a value given to a switch, in English")
      << QStringList{"-clear-view=yes", "--lang", "en"} << ru << false << 2 << false << en << none
      << QStringLiteral(
             "kvir: option '-clear-view' takes no value; allowed: --help, --version, "
             "--first-paint-exit, --lang, --clear-view, --mode, --zoom\n");
  QTest::newRow("Qt's own option without its value")
      << QStringList{"-platform"} << ru << false << 2 << false << ru << none
      << QStringLiteral("kvir: у параметра «-platform» нет значения") + accepted;
  QTest::newRow("an unknown option in English")
      << QStringList{"--colour", "--lang", "en"} << ru << false << 2 << false << en << none
      << QStringLiteral(
             "kvir: unknown option '--colour'; allowed: --help, --version, "
             "--first-paint-exit, --lang, --clear-view, --mode, --zoom\n");
}

void TestOptions::commandLines() {
  QFETCH(QStringList, arguments);
  QFETCH(Language, fallback);
  QFETCH(bool, run);
  QFETCH(int, exitCode);
  QFETCH(bool, firstPaintExit);
  QFETCH(Language, language);
  QFETCH(QString, out);
  QFETCH(QString, err);
  const CommandLine line = ParseCommandLine(QStringList{"/usr/bin/kvir"} + arguments, fallback);
  QCOMPARE(line.run, run);
  QCOMPARE(line.exitCode, exitCode);
  QCOMPARE(line.options.firstPaintExit, firstPaintExit);
  if (line.run) QCOMPARE(line.options.language, language);
  QVERIFY2(line.out.startsWith(out), qPrintable(line.out));
  QCOMPARE(line.out.isEmpty(), out.isEmpty());
  QCOMPARE(line.err, err);
}

void TestOptions::helpDescribesEveryOptionWithinEightyColumns_data() {
  QTest::addColumn<Language>("language");
  QTest::newRow("Russian") << Language::kRussian;
  QTest::newRow("English") << Language::kEnglish;
}

void TestOptions::helpDescribesEveryOptionWithinEightyColumns() {
  QFETCH(Language, language);
  const QString help = ProgramHelp(language);
  for (const char* option : {"-h, --help", "-v, --version", "--first-paint-exit", "--lang", "ru",
                             "en", "_timing.txt", "--mode", "step", "quiz"}) {
    QVERIFY2(help.contains(QLatin1String(option)), option);
  }
  for (const QString& line : help.split('\n')) QVERIFY2(line.size() <= 80, qPrintable(line));
  QVERIFY(help.endsWith('\n'));
}

// Russian needs no translation; the English help has every text translated.
void TestOptions::helpIsWhollyInItsLanguage() {
  static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
  QVERIFY(ProgramHelp(Language::kRussian).contains(cyrillic));
  const QString english = ProgramHelp(Language::kEnglish);
  QVERIFY2(!english.contains(cyrillic), qPrintable(english));
}

void TestOptions::learningModes_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("exitCode");  // -1: the program runs
  QTest::addColumn<SessionMode>("mode");
  QTest::addColumn<QString>("err");
  const QString none;
  QTest::newRow("none") << QStringList{} << -1 << SessionMode::kPlain << none;
  QTest::newRow("--mode step") << QStringList{"--mode", "step"} << -1 << SessionMode::kStep << none;
  QTest::newRow("--mode=quiz") << QStringList{"--mode=quiz"} << -1 << SessionMode::kQuiz << none;
  QTest::newRow("with --first-paint-exit")
      << QStringList{"--first-paint-exit", "--mode", "quiz"} << -1 << SessionMode::kQuiz << none;
  QTest::newRow("an unknown mode")
      << QStringList{"--mode", "slow"} << 2 << SessionMode::kPlain
      << QStringLiteral("kvir: неизвестный режим «slow»; допустимы step, quiz\n");
  QTest::newRow("a mode named in capitals, in English")
      << QStringList{"--mode=STEP", "--lang=en"} << 2 << SessionMode::kPlain
      << QStringLiteral("kvir: unknown mode 'STEP'; allowed: step, quiz\n");
  QTest::newRow("--mode without a value")
      << QStringList{"--mode"} << 2 << SessionMode::kPlain
      << QStringLiteral(
             "kvir: у параметра «--mode» нет значения; допустимы --help, --version, "
             "--first-paint-exit, --lang, --clear-view, --mode, --zoom\n");
}

void TestOptions::zoomLevels_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("zoom");  // 0: refused with `err`, exit code 2
  QTest::addColumn<QString>("err");
  QTest::addColumn<bool>("fit");
  const QString none;
  QTest::newRow("none") << QStringList{} << 100 << none << false;
  QTest::newRow("--zoom 200") << QStringList{"--zoom", "200"} << 200 << none << false;
  QTest::newRow("--zoom=150") << QStringList{"--zoom=150"} << 150 << none << false;
  QTest::newRow("the largest") << QStringList{"--zoom", "300"} << 300 << none << false;
  QTest::newRow("between the levels")
      << QStringList{"--zoom", "120"} << 0
      << QStringLiteral("kvir: неизвестный масштаб «120»; допустимы 100, 150, 200, 250, 300, fit\n")
      << false;
  QTest::newRow("with a percent sign, in English")
      << QStringList{"--zoom=200%", "--lang", "en"} << 0
      << QStringLiteral("kvir: unknown zoom '200%'; allowed: 100, 150, 200, 250, 300, fit\n")
      << false;
  QTest::newRow("fit to the screen") << QStringList{"--zoom", "fit"} << 100 << none << true;
  QTest::newRow("fit, capitalised")
      << QStringList{"--zoom=Fit"} << 0
      << QStringLiteral("kvir: неизвестный масштаб «Fit»; допустимы 100, 150, 200, 250, 300, fit\n")
      << false;
  QTest::newRow("above the largest")
      << QStringList{"--zoom", "400"} << 0
      << QStringLiteral("kvir: неизвестный масштаб «400»; допустимы 100, 150, 200, 250, 300, fit\n")
      << false;
}

void TestOptions::zoomLevels() {
  QFETCH(QStringList, arguments);
  QFETCH(int, zoom);
  QFETCH(QString, err);
  QFETCH(bool, fit);
  const CommandLine line =
      ParseCommandLine(QStringList{"/usr/bin/kvir"} + arguments, Language::kRussian);
  QCOMPARE(line.run, zoom != 0);
  if (line.run) {
    QCOMPARE(line.options.zoom, zoom);
    QCOMPARE(line.options.zoomFit, fit);
  } else {
    QCOMPARE(line.exitCode, kBadCommandLine);
  }
  QCOMPARE(line.err, err);
}

void TestOptions::learningModes() {
  QFETCH(QStringList, arguments);
  QFETCH(int, exitCode);
  QFETCH(SessionMode, mode);
  QFETCH(QString, err);
  const CommandLine line =
      ParseCommandLine(QStringList{"/usr/bin/kvir"} + arguments, Language::kRussian);
  QCOMPARE(line.run, exitCode < 0);
  if (line.run) {
    QCOMPARE(line.options.mode, mode);
  } else {
    QCOMPARE(line.exitCode, exitCode);
  }
  QCOMPARE(line.err, err);
}

QTEST_APPLESS_MAIN(TestOptions)
#include "tst_options.moc"
