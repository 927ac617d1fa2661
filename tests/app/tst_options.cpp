// The program's command line, read before any window exists.

#include <QTest>

#include "app/options.h"

using namespace kvir;

class TestOptions : public QObject {
  Q_OBJECT

 private slots:
  void commandLines_data();
  void commandLines();
  void helpDescribesEveryOptionWithinEightyColumns();
};

void TestOptions::commandLines_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<bool>("run");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<bool>("firstPaintExit");
  QTest::addColumn<QString>("out");  // the start of standard output
  QTest::addColumn<QString>("err");  // the whole of standard error

  const QString accepted = QStringLiteral("; допустимы --help, --version, --first-paint-exit\n");
  const QString none;
  QTest::newRow("plain start") << QStringList{} << true << 0 << false << none << none;
  QTest::newRow("first paint exit")
      << QStringList{"--first-paint-exit"} << true << 0 << true << none << none;
  QTest::newRow("Qt's own options pass")
      << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse"} << true << 0 << false
      << none << none;
  QTest::newRow("--help") << QStringList{"--help"} << false << 0 << false
                          << "Использование: kvir [ПАРАМЕТР]\n"
                          << none;
  QTest::newRow("-h") << QStringList{"-h"} << false << 0 << false
                      << "Использование: kvir [ПАРАМЕТР]\n"
                      << none;
  QTest::newRow("help over the rest") << QStringList{"--first-paint-exit", "--help"} << false << 0
                                      << false << "Использование: kvir [ПАРАМЕТР]\n"
                                      << none;
  QTest::newRow("--version") << QStringList{"--version"} << false << 0 << false
                             << QStringLiteral("kvir 1.0\n") << none;
  QTest::newRow("-v") << QStringList{"-v"} << false << 0 << false << "kvir 1.0\n" << none;
  QTest::newRow("unknown long option")
      << QStringList{"--zoom"} << false << 2 << false << none
      << QStringLiteral("kvir: неизвестный параметр «--zoom»") + accepted;
  QTest::newRow("unknown short option, typed with one dash")
      << QStringList{"-x"} << false << 2 << false << none
      << QStringLiteral("kvir: неизвестный параметр «-x»") + accepted;
  QTest::newRow("unknown option with a value")
      << QStringList{"--lang=en"} << false << 2 << false << none
      << QStringLiteral("kvir: неизвестный параметр «--lang»") + accepted;
  QTest::newRow("an argument that is no option")
      << QStringList{"scheme.png"} << false << 2 << false << none
      << QStringLiteral("kvir: лишний аргумент «scheme.png»") + accepted;
  QTest::newRow("a value given to a switch")
      << QStringList{"--first-paint-exit=1"} << false << 2 << false << none
      << QStringLiteral(
             "kvir: ошибка в командной строке: Unexpected value after '--first-paint-exit'.") +
             accepted;
}

void TestOptions::commandLines() {
  QFETCH(QStringList, arguments);
  QFETCH(bool, run);
  QFETCH(int, exitCode);
  QFETCH(bool, firstPaintExit);
  QFETCH(QString, out);
  QFETCH(QString, err);
  const CommandLine line = ParseCommandLine(QStringList{"/usr/bin/kvir"} + arguments);
  QCOMPARE(line.run, run);
  QCOMPARE(line.exitCode, exitCode);
  QCOMPARE(line.options.firstPaintExit, firstPaintExit);
  QVERIFY2(line.out.startsWith(out), qPrintable(line.out));
  QCOMPARE(line.out.isEmpty(), out.isEmpty());
  QCOMPARE(line.err, err);
}

void TestOptions::helpDescribesEveryOptionWithinEightyColumns() {
  const QString help = ProgramHelp();
  for (const char* option : {"-h, --help", "-v, --version", "--first-paint-exit", "_timing.txt"}) {
    QVERIFY2(help.contains(QLatin1String(option)), option);
  }
  for (const QString& line : help.split('\n')) QVERIFY2(line.size() <= 80, qPrintable(line));
  QVERIFY(help.endsWith('\n'));
}

QTEST_APPLESS_MAIN(TestOptions)
#include "tst_options.moc"
