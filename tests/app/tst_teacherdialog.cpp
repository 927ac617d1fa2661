// The teacher's dialog writes what `kvir-cli exam` writes for the same choices, byte for byte,
// and says in one line what is wrong with a choice.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/windows/teacherdialog.h"
#include "tests/app/app_test_util.h"

namespace kvir {

class TestTeacherDialog : public QObject {
  Q_OBJECT

 private slots:
  void writesWhatTheCommandWrites_data();
  void writesWhatTheCommandWrites();
  void refusesABadChoiceInOneLine();
  void saveWritesWhileTheWindowsKeepDrawing();
};

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

void TestTeacherDialog::writesWhatTheCommandWrites_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<QString>("file");
  QTest::newRow("moodle") << 0 << QStringLiteral("bank.xml");
  QTest::newRow("gift") << 1 << QStringLiteral("bank.gift");
}

void TestTeacherDialog::writesWhatTheCommandWrites() {
  QFETCH(int, format);
  QFETCH(QString, file);
  QTemporaryDir dir;
  TeacherDialog dialog(nullptr);
  dialog.schemes()->setText(QStringLiteral("1,10-12"));
  dialog.count()->setValue(4);
  dialog.seed()->setValue(7);
  dialog.format()->setCurrentIndex(format);
  dialog.output()->setText(dir.filePath(file));
  QCOMPARE(dialog.write(), QString());
  const QByteArray written = Read(dir.filePath(file));
  QVERIFY(!written.isEmpty());
  const QString key = dir.filePath(QFileInfo(file).completeBaseName() + QStringLiteral("-key.csv"));
  const QByteArray writtenKey = Read(key);
  QVERIFY(writtenKey.startsWith("student,question,kind,scheme,buttons,answer\n"));

  const QString cliFile = dir.filePath(QStringLiteral("cli-") + file);
  QStringList arguments = dialog.arguments();
  arguments.last() = cliFile;
  QVERIFY(!apptest::RunCli(QStringList{QStringLiteral("exam")} + arguments).isEmpty());
  QCOMPARE(Read(cliFile), written);
  QCOMPARE(Read(dir.filePath(QStringLiteral("cli-") + QFileInfo(file).completeBaseName() +
                             QStringLiteral("-key.csv"))),
           writtenKey);
}

void TestTeacherDialog::refusesABadChoiceInOneLine() {
  QTemporaryDir dir;
  TeacherDialog dialog(nullptr);
  dialog.schemes()->setText(QStringLiteral("0"));
  dialog.output()->setText(dir.filePath(QStringLiteral("bank.xml")));
  const QString error = dialog.write();
  QVERIFY2(error.contains(QStringLiteral("номер схемы «0» недопустим")), qPrintable(error));
  QVERIFY(!error.contains(u'\n'));
  QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("bank.xml"))));
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
