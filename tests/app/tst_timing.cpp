// The timing button as a user meets it: the real benchmark on a real file beside the program,
// and each way the file can fail after start-up.

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "app_test_util.h"
#include "timing/drivers.h"

namespace kvir {
namespace {

using apptest::CloseNextMessageBox;
using apptest::MessageSeen;
using apptest::ShownMainWindow;

constexpr char kEarlier[] = "earlier contents\r\n";

std::string TimingPath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath("_timing.txt").toStdString();
}

std::string ReadAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

// What happens to the file between start-up and the click.
enum class Fault { kNone, kRemoved, kDirectory, kDiskFull };

void Damage(Fault fault, const std::string& path) {
  namespace fs = std::filesystem;
  if (fault == Fault::kNone) return;
  fs::remove(path);
  if (fault == Fault::kDirectory) fs::create_directory(path);
  if (fault == Fault::kDiskFull) fs::create_symlink("/dev/full", path);
}

}  // namespace
}  // namespace kvir

// Declared before the test's data rows use the type (a later declaration is an error in Release).
Q_DECLARE_METATYPE(kvir::Fault)

namespace kvir {

class TestTiming : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { std::filesystem::remove_all(TimingPath()); }
  void clickRunsTheBenchmarkOrReportsTheFault_data();
  void clickRunsTheBenchmarkOrReportsTheFault();
};

void TestTiming::clickRunsTheBenchmarkOrReportsTheFault_data() {
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QMessageBox::Icon>("icon");
  QTest::addColumn<QString>("says");
  QTest::newRow("file kept") << Fault::kNone << QMessageBox::Information << "Timing complete!!!";
  QTest::newRow("file removed") << Fault::kRemoved << QMessageBox::Critical << "не найден";
  QTest::newRow("directory in its place")
      << Fault::kDirectory << QMessageBox::Critical << "_timing.txt";
  QTest::newRow("device full") << Fault::kDiskFull << QMessageBox::Critical << "_timing.txt";
}

void TestTiming::clickRunsTheBenchmarkOrReportsTheFault() {
  QFETCH(Fault, fault);
  QFETCH(QMessageBox::Icon, icon);
  QFETCH(QString, says);
  const std::string path = TimingPath();
  {
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kEarlier);
  }
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  shown.window.setTimingHook([&shown] {
    SystemTimingClock clock;
    const std::string dir = QCoreApplication::applicationDirPath().toStdString();
    return RunTimingBeside(shown.set, dir, clock).error;
  });
  auto* button = shown.window.findChild<QPushButton*>(QStringLiteral("btnTiming"));
  QVERIFY(button->isVisible());
  QTest::mousePress(shown.panel(1)->findChild<QWidget*>(QStringLiteral("IN05")), Qt::LeftButton);
  Damage(fault, path);

  MessageSeen seen;
  CloseNextMessageBox(seen);
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(seen.icon, icon);
  QVERIFY2(seen.text.contains(says), qPrintable(seen.text));

  if (fault == Fault::kNone) {
    const std::string text = ReadAll(path);
    QVERIFY(text.starts_with(kEarlier));
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), 13);
    QCOMPARE(shown.set.scheme(1).At("IN00").Tag, 1);  // the run leaves Y0 pressed
  }
  // The program keeps working.
  QTest::mousePress(shown.panel(1)->findChild<QWidget*>(QStringLiteral("IN05")), Qt::LeftButton);
  QCOMPARE(shown.set.scheme(1).At("OUT00").Tag, 1);
  QCOMPARE(shown.set.scheme(1).At("OUT02").Tag, 1);
}

}  // namespace kvir

QTEST_MAIN(kvir::TestTiming)
#include "tst_timing.moc"
