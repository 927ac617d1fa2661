// The main window: start-up, the scheme list, the timing button, closing and a broken model.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

// Presses a button of the shown scheme, so that a later selection has something to undo.
void PressSomething(ShownMainWindow& shown) {
  const int n = shown.placedScheme();
  if (n <= 0) return;
  const Scheme& scheme = shown.set.scheme(n);
  const std::string& last = scheme.indicators()[scheme.buttons.back()].name;
  QTest::mousePress(shown.panel(n)->findChild<QWidget*>(QString::fromStdString(last)),
                    Qt::LeftButton);
}

bool AllWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

// What lies beside the program under the timing file's name.
enum class TimingEntry { kNone, kFile, kDirectory, kLinkToFile, kLinkToDirectory };

// A timing file (or something else of its name) beside the program for the life of the object.
class TimingFile {
 public:
  explicit TimingFile(TimingEntry entry)
      : dir_(QCoreApplication::applicationDirPath()),
        path_(dir_.filePath("_timing.txt")),
        target_(dir_.filePath("_timing.target")) {
    RemoveAll();
    switch (entry) {
      case TimingEntry::kNone:
        break;
      case TimingEntry::kFile:
        QFile(path_).open(QIODevice::WriteOnly);
        break;
      case TimingEntry::kDirectory:
        dir_.mkdir("_timing.txt");
        break;
      case TimingEntry::kLinkToFile:
        QFile(target_).open(QIODevice::WriteOnly);
        QFile::link(target_, path_);
        break;
      case TimingEntry::kLinkToDirectory:
        dir_.mkdir("_timing.target");
        QFile::link(target_, path_);
        break;
    }
  }
  explicit TimingFile(bool present)
      : TimingFile(present ? TimingEntry::kFile : TimingEntry::kNone) {}
  ~TimingFile() { RemoveAll(); }

 private:
  void RemoveAll() {
    for (const QString& path : {path_, target_}) {
      if (!QFile::remove(path)) dir_.rmdir(path);
    }
  }

  QDir dir_;
  QString path_;
  QString target_;
};

void DamagedPictureAtStartUp(SchemeSet&, SchemeHost&) {
  throw std::runtime_error("SCHEME05PNG: повреждённые данные");
}

}  // namespace

Q_DECLARE_METATYPE(TimingEntry)
Q_DECLARE_METATYPE(kvir::SessionMode)

class TestMainWindow : public MainWindowTest {
  Q_OBJECT

 public:
  // A timing file beside the program before the window is made, or a start-up that fails.
  TestMainWindow()
      : MainWindowTest({"timingButtonNeedsTheFile", "timingClickReportsOutcome",
                        "damagedPictureEndsWithExitCodeOne"}) {}

 private slots:
  void initTestCase();
  void startUpShowsSchemeOne();
  void choosingAnItemShowsItsScheme_data();
  void choosingAnItemShowsItsScheme();
  void arrowKeysSelect();
  void typedTextSelects_data();
  void typedTextSelects();
  void timingButtonNeedsTheFile_data();
  void timingButtonNeedsTheFile();
  void timingClickReportsOutcome_data();
  void timingClickReportsOutcome();
  void closingEndsTheLoopBeforeTheModelIsFreed();
  void damagedPictureEndsWithExitCodeOne();
  void aPanelMadeLateTakesTheWindowsState_data();
  void aPanelMadeLateTakesTheWindowsState();
};

// No timing file left over from an earlier, broken run.
void TestMainWindow::initTestCase() {
  TimingFile none(false);
}

void TestMainWindow::startUpShowsSchemeOne() {
  Tfrm00& window = shown().window;
  QCOMPARE(window.objectName(), QStringLiteral("frm00"));
  // Its caption and its fixed size as the window manager sees them: kvir_xvfb_window.
  for (const QSize asked : {QSize(1000, 900), QSize(400, 300), QSize(820, 688)}) {
    window.resize(asked);
    QCOMPARE(window.size(), QSize(820, 688));
  }

  QCOMPARE(shown().placedScheme(), 1);
  QCOMPARE(shown().panel(1)->pos(), QPoint(0, 23));
  QCOMPARE(window.childAt(400, 400)->parentWidget(), shown().panel(1));
  QCOMPARE(shown().list()->currentText(), Title(1));
  QCOMPARE(Cells(shown().set.scheme(1)), SelectedCells(1));
  QTRY_COMPARE(ShownSchemeArea(window), ExpectedPanel(shown().set.scheme(1)));
}

void TestMainWindow::choosingAnItemShowsItsScheme_data() {
  QTest::addColumn<int>("item");
  for (int item = 0; item < kSchemeCount; ++item) {
    QTest::addRow("item %d", item) << item;
  }
}

// Also after presses on the scheme shown before, and when the item is the one already shown.
void TestMainWindow::choosingAnItemShowsItsScheme() {
  QFETCH(int, item);
  PressSomething(shown());

  ChooseWithMouse(shown().list(), item);
  const int n = item + 1;
  QCOMPARE(shown().placedScheme(), n);
  QCOMPARE(shown().panel(n)->pos(), QPoint(0, 23));
  QCOMPARE(shown().list()->currentText(), Title(n));
  QCOMPARE(Cells(shown().set.scheme(n)), SelectedCells(n));
  QTRY_COMPARE(ShownSchemeArea(shown().window), ExpectedPanel(shown().set.scheme(n)));
}

void TestMainWindow::arrowKeysSelect() {
  QComboBox* list = shown().list();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(shown().placedScheme(), 2);
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(shown().placedScheme(), 3);
  PressSomething(shown());
  QTest::keyClick(list, Qt::Key_Up);
  QTest::keyClick(list, Qt::Key_Down);
  QCOMPARE(shown().placedScheme(), 3);
  QCOMPARE(Cells(shown().set.scheme(3)), SelectedCells(3));
}

void TestMainWindow::typedTextSelects_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("placed");
  QTest::newRow("text of no item") << "Схема 17" << 0;
  QTest::newRow("an item's title and a blank") << Title(2) + " " << 0;
  QTest::newRow("an item's title in capitals") << Title(2).toUpper() << 0;
  QTest::newRow("an item's exact title") << Title(3) << 3;
  QTest::newRow("the first item's title") << Title(1) << 1;
}

// Every edit selects: the item the text names, or nothing. The list never gains items.
void TestMainWindow::typedTextSelects() {
  QFETCH(QString, typed);
  QFETCH(int, placed);
  QComboBox* list = shown().list();
  list->setFocus();
  list->lineEdit()->selectAll();
  TypeText(list->lineEdit(), typed);
  QCOMPARE(shown().placedScheme(), placed);
  if (placed == 0) {
    QTRY_VERIFY(AllWhite(ShownSchemeArea(shown().window)));
  } else {
    QCOMPARE(Cells(shown().set.scheme(placed)), SelectedCells(placed));
  }

  PressSomething(shown());
  const std::vector<int32_t> pressed =
      placed > 0 ? Cells(shown().set.scheme(placed)) : std::vector<int32_t>{};
  QTest::keyClick(list->lineEdit(), Qt::Key_Return);
  list->clearFocus();
  QCOMPARE(list->count(), kSchemeCount);
  QCOMPARE(shown().placedScheme(), placed);
  if (placed > 0) QCOMPARE(Cells(shown().set.scheme(placed)), pressed);
}

void TestMainWindow::timingButtonNeedsTheFile_data() {
  QTest::addColumn<TimingEntry>("entry");
  QTest::addColumn<bool>("filePresent");
  QTest::newRow("no _timing.txt") << TimingEntry::kNone << false;
  QTest::newRow("_timing.txt beside the program") << TimingEntry::kFile << true;
  QTest::newRow("a directory _timing.txt") << TimingEntry::kDirectory << false;
  QTest::newRow("a link to a file") << TimingEntry::kLinkToFile << true;
  QTest::newRow("a link to a directory") << TimingEntry::kLinkToDirectory << false;
}

// Visible exactly when a regular file was there at start-up, and only while scheme 1 is shown.
void TestMainWindow::timingButtonNeedsTheFile() {
  QFETCH(TimingEntry, entry);
  QFETCH(bool, filePresent);
  TimingFile file(entry);
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  auto* button = shown.window.findChild<QPushButton*>(QStringLiteral("btnTiming"));
  QCOMPARE(button->parentWidget(), shown.panel(1));
  QCOMPARE(button->isVisible(), filePresent);
  QCOMPARE(button->mapTo(&shown.window, QPoint(0, 0)), QPoint(10, 33));

  ChooseWithMouse(shown.list(), 1);
  QVERIFY(!button->isVisible());
  ChooseWithMouse(shown.list(), 0);
  QCOMPARE(button->isVisible(), filePresent);
}

void TestMainWindow::timingClickReportsOutcome_data() {
  QTest::addColumn<QString>("failure");
  QTest::addColumn<QMessageBox::Icon>("icon");
  QTest::addColumn<QString>("message");
  QTest::newRow("run completed") << "" << QMessageBox::Information << "Timing complete!!!";
  QTest::newRow("file gone") << "Файл /opt/kvir/_timing.txt не найден" << QMessageBox::Critical
                             << "Файл /opt/kvir/_timing.txt не найден";
}

void TestMainWindow::timingClickReportsOutcome() {
  QFETCH(QString, failure);
  QFETCH(QMessageBox::Icon, icon);
  QFETCH(QString, message);
  TimingFile file(true);
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  int runs = 0;
  shown.window.setTimingHook([&runs, &failure] {
    ++runs;
    return failure.toStdString();
  });

  MessageSeen seen;
  CloseNextMessageBox(seen);
  QTest::mouseClick(shown.window.findChild<QPushButton*>(QStringLiteral("btnTiming")),
                    Qt::LeftButton);
  QCOMPARE(runs, 1);
  QCOMPARE(seen.icon, icon);
  QCOMPARE(seen.text, message);
  QCOMPARE(shown.placedScheme(), 1);
}

// Closing the main window ends the event loop normally, and the model is still whole then: the
// entry frees the elements only after the loop has returned, when nothing can paint or press.
void TestMainWindow::closingEndsTheLoopBeforeTheModelIsFreed() {
  const int elements = shown().set.element_count();
  QVERIFY(elements > 0);
  QTimer::singleShot(0, &shown().window, [this] { shown().window.close(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(!shown().window.isVisible());
  QCOMPARE(shown().set.element_count(), elements);
}

// Shown and run as the program's entry does, before any event has been handled.
void TestMainWindow::damagedPictureEndsWithExitCodeOne() {
  SchemeSet set;
  PanelPictureSet pictures(set);
  Tfrm00 window(set, pictures, DamagedPictureAtStartUp);
  window.show();
  MessageSeen seen;
  CloseNextMessageBox(seen);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  QCOMPARE(QCoreApplication::exec(), 1);
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.text, QStringLiteral("SCHEME05PNG: повреждённые данные"));
  QVERIFY(window.findChild<SchemePanel*>(QStringLiteral("pnl01"))->parentWidget() != &window);
}

// Only scheme 1's panel is made at start-up; another is made when first wanted, and then works
// as if it had been there all along: at the window's zoom, in the learning mode that is on.
void TestMainWindow::aPanelMadeLateTakesTheWindowsState_data() {
  QTest::addColumn<int>("zoom");
  QTest::addColumn<SessionMode>("mode");
  QTest::newRow("plain") << 100 << SessionMode::kPlain;
  QTest::newRow("150 percent, step by step") << 150 << SessionMode::kStep;
  QTest::newRow("200 percent, quiz") << 200 << SessionMode::kQuiz;
}

void TestMainWindow::aPanelMadeLateTakesTheWindowsState() {
  QFETCH(int, zoom);
  QFETCH(SessionMode, mode);
  QCOMPARE(shown().window.findChildren<SchemePanel*>().size(), 1);
  shown().window.setZoom(zoom);
  shown().window.startLearningMode(mode);
  SchemePanel* first = shown().panel(1);
  shown().choose(7);
  SchemePanel* late = shown().panel(7);
  QCOMPARE(shown().window.shownScheme(), 7);
  QVERIFY(late->isVisible());
  QCOMPARE(late->zoom(), zoom);
  QCOMPARE(late->size(), first->size());
  QCOMPARE(late->mode(), first->mode());
  QCOMPARE(late->mode() != nullptr, mode != SessionMode::kPlain);
  QCOMPARE(late->contextMenuPolicy(), Qt::CustomContextMenu);
  shown().window.setZoom(100);
  QCOMPARE(late->zoom(), 100);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
