// The teacher's dialog and `kvir-cli exam` write the same files, byte for byte, from one order;
// the dialog says in one line, in its own words, what is wrong with a choice.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/prefs/language.h"
#include "app/windows/teacherdialog.h"
#include "exam/format_table.h"
#include "tests/app/app_test_util.h"

Q_DECLARE_METATYPE(kvir::ExamOrder)
Q_DECLARE_METATYPE(kvir::Language)

namespace kvir {

class TestTeacherDialog : public QObject {
  Q_OBJECT

 private slots:
  void writesWhatTheCommandWritesFromOneOrder_data();
  void writesWhatTheCommandWritesFromOneOrder();
  void refusesABadChoiceInItsOwnWords_data();
  void refusesABadChoiceInItsOwnWords();
  void saveWritesWhileTheWindowsKeepDrawing();
};

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The arguments of `kvir-cli exam` for `order`, written to `file` with `students`.
QStringList CommandFor(const ExamOrder& order, const QString& students, const QString& file) {
  QStringList schemes, kinds;
  for (const int n : order.schemes) schemes << QString::number(n);
  for (const ExamKind kind : order.kinds) kinds << QString::fromUtf8(ExamKindName(kind).data());
  QStringList arguments = {QStringLiteral("exam"),
                           QStringLiteral("--schemes"),
                           schemes.join(u','),
                           QStringLiteral("--kinds"),
                           kinds.join(u','),
                           QStringLiteral("--count"),
                           QString::number(order.count),
                           QStringLiteral("--seed"),
                           QString::number(order.seed),
                           QStringLiteral("--format"),
                           QString::fromUtf8(ExamFormatOf(order.format).name.data()),
                           QStringLiteral("-o"),
                           file};
  if (!students.isEmpty()) arguments << QStringLiteral("--students") << students;
  if (order.language == Language::kEnglish) arguments << QStringLiteral("--lang") << "en";
  return arguments;
}

ExamOrder Order(std::vector<int> schemes, std::vector<ExamKind> kinds, int count, uint64_t seed,
                ExamFormat format) {
  ExamOrder order;
  order.schemes = std::move(schemes);
  order.kinds = std::move(kinds);
  order.count = count;
  order.seed = seed;
  order.format = format;
  return order;
}

}  // namespace

void TestTeacherDialog::writesWhatTheCommandWritesFromOneOrder_data() {
  QTest::addColumn<ExamOrder>("order");
  QTest::addColumn<QString>("file");      // as the dialog is given it
  QTest::addColumn<QString>("written");   // the file written
  QTest::addColumn<QByteArray>("names");  // a students file; empty: none
  const std::vector<ExamKind> all = ExamOrder().kinds;
  QTest::newRow("moodle") << Order({1, 10, 11, 12}, all, 4, 7, ExamFormat::kMoodle) << "bank.xml"
                          << "bank.xml" << QByteArray();
  QTest::newRow("gift for two students, the suffix added")
      << Order({3, 4}, {ExamKind::kOutputs, ExamKind::kRows}, 3, 11, ExamFormat::kGift) << "bank"
      << "bank.gift" << QByteArray("Иванов\nPetrov\n");
  QTest::newRow("worksheets") << Order({16}, {ExamKind::kScheme}, 2, 3, ExamFormat::kPdf)
                              << "sheets.pdf"
                              << "sheets.pdf" << QByteArray();
}

void TestTeacherDialog::writesWhatTheCommandWritesFromOneOrder() {
  QFETCH(ExamOrder, order);
  QFETCH(QString, file);
  QFETCH(QString, written);
  QFETCH(QByteArray, names);
  QTemporaryDir dir;
  const QString students = names.isEmpty() ? QString() : dir.filePath(QStringLiteral("names.txt"));
  if (!names.isEmpty()) Write(students, names);
  order.file = dir.filePath(file).toStdString();
  TeacherDialog dialog(nullptr);
  dialog.setOrder(order);
  dialog.students()->setText(students);
  const ExamOrder shown = dialog.order();
  QCOMPARE(shown.schemes, order.schemes);
  QCOMPARE(shown.kinds, order.kinds);
  QCOMPARE(shown.count, order.count);
  QCOMPARE(shown.seed, order.seed);
  QCOMPARE(shown.format, order.format);
  QCOMPARE(shown.students.size(), names.isEmpty() ? 0u : 2u);
  QCOMPARE(QString::fromStdString(shown.file), dir.filePath(written));

  QCOMPARE(dialog.write(), QString());
  const QByteArray bytes = Read(dir.filePath(written));
  QVERIFY(!bytes.isEmpty());
  const QString base = QFileInfo(written).completeBaseName();
  const QByteArray key = Read(dir.filePath(base + QStringLiteral("-key.csv")));
  QVERIFY(key.startsWith("student,question,kind,scheme,buttons,answer\n"));

  const QString cliFile = dir.filePath(QStringLiteral("cli-") + written);
  QVERIFY(!apptest::RunCli(CommandFor(order, students, cliFile)).isEmpty());
  QCOMPARE(Read(cliFile), bytes);
  QCOMPARE(Read(dir.filePath(QStringLiteral("cli-") + base + QStringLiteral("-key.csv"))), key);
}

void TestTeacherDialog::refusesABadChoiceInItsOwnWords_data() {
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("schemes");
  QTest::addColumn<bool>("kinds");        // every kind checked, or none
  QTest::addColumn<QByteArray>("names");  // a students file; empty: none
  QTest::addColumn<QString>("file");      // in the test's folder; empty: none given
  QTest::addColumn<QString>("message");
  const Language ru = Language::kRussian;
  const Language en = Language::kEnglish;
  const QByteArray none;
  QTest::newRow("a scheme that is not there")
      << ru << "0" << true << none << "bank.xml"
      << "Схемы: номер схемы «0» недопустим: ожидается число от 1 до 16";
  QTest::newRow("a range the wrong way round") << ru << "5-3" << true << none << "bank.xml"
                                               << "Схемы: «5-3»: первая схема больше последней";
  QTest::newRow("no kind of question") << ru << "1-16" << false << none << "bank.xml"
                                       << "Не выбран ни один вид вопросов";
  QTest::newRow("a name twice") << ru << "1-16" << true << QByteArray("Иванов\nИванов\n")
                                << "bank.xml"
                                << "Список студентов: строка 2: имя «Иванов» уже встречалось";
  QTest::newRow("no file") << ru << "1-16" << true << none << ""
                           << "Не указан файл для вопросов";
  QTest::newRow("another format's name")
      << ru << "1-16" << true << none << "bank.pdf"
      << "тип «.pdf» не поддерживается; поддерживаемые типы: .xml";
  QTest::newRow("in English") << en << "0" << true << none << "bank.xml"
                              << "Schemes: scheme number \"0\" is not valid";
  QTest::newRow("no file, in English") << en << "1-16" << true << none << ""
                                       << "No file is given for the questions";
}

void TestTeacherDialog::refusesABadChoiceInItsOwnWords() {
  QFETCH(Language, language);
  QFETCH(QString, schemes);
  QFETCH(bool, kinds);
  QFETCH(QByteArray, names);
  QFETCH(QString, file);
  QFETCH(QString, message);
  QTemporaryDir dir;
  SetLanguage(language);
  TeacherDialog dialog(nullptr);
  dialog.schemes()->setText(schemes);
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) box->setChecked(kinds);
  if (!names.isEmpty()) {
    Write(dir.filePath(QStringLiteral("names.txt")), names);
    dialog.students()->setText(dir.filePath(QStringLiteral("names.txt")));
  }
  if (!file.isEmpty()) dialog.output()->setText(dir.filePath(file));
  const QString error = dialog.write();
  SetLanguage(Language::kRussian);
  QVERIFY2(error.contains(message), qPrintable(error));
  QVERIFY2(!error.contains(u'\n'), qPrintable(error));
  QVERIFY2(!error.contains(QStringLiteral("--")) && !error.contains(QStringLiteral(" -o")) &&
               !error.contains(QStringLiteral("exam:")),
           qPrintable(error));
  if (language == Language::kEnglish) {
    QVERIFY2(!error.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))),
             qPrintable(error));
  }
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
           names.isEmpty() ? QStringList() : QStringList{QStringLiteral("names.txt")});
}

// "Сохранить" writes on a thread of its own: the event loop runs meanwhile, under a busy
// indicator, and the dialog closes once both files are there.
void TestTeacherDialog::saveWritesWhileTheWindowsKeepDrawing() {
  QTemporaryDir dir;
  TeacherDialog dialog(nullptr);
  dialog.count()->setValue(3);
  dialog.output()->setText(dir.filePath(QStringLiteral("bank.xml")));
  dialog.show();
  bool busyWhileWriting = false;
  QTimer::singleShot(0, &dialog, [&] {
    const auto* busy = dialog.findChild<QProgressDialog*>();
    busyWhileWriting = busy != nullptr && busy->isVisible();
  });
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
  QVERIFY(busyWhileWriting);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(QFile::exists(dir.filePath(QStringLiteral("bank.xml"))));
  QVERIFY(QFile::exists(dir.filePath(QStringLiteral("bank-key.csv"))));
}

}  // namespace kvir

QTEST_MAIN(kvir::TestTeacherDialog)
#include "tst_teacherdialog.moc"
