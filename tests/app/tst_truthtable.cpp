// The truth-table window: the rows and header of `kvir-cli table N --csv`, the row of the current
// state following every press and selection, the rows reached and their count, the copy and the
// save, the switch that hides the rows in which the circuit is off, and where the window goes.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "app/prefs/language.h"
#include "app/windows/truthtablemodel.h"
#include "app/windows/truthtablewindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

/// A FIFO whose reader goes while a save writes to it. The pipe is made small and filled first,
/// so the save's first write waits; once a thread of this process waits in a write to the FIFO
/// through a third descriptor, the reader and the filler close and the waiting write fails.
class StoppingReader {
 public:
  explicit StoppingReader(const QString& path) : path_(QFile::encodeName(path)) {
    if (mkfifo(path_.constData(), 0600) != 0) return;
    reader_ = ::open(path_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    filler_ = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (reader_ < 0 || filler_ < 0) return;
    fcntl(filler_, F_SETPIPE_SZ, 4096);
    const std::array<char, 4096> block{};
    while (::write(filler_, block.data(), block.size()) > 0) {
    }
    thread_ = std::thread([this] {
      for (int i = 0; i < 3000 && !WriteWaits(); ++i) usleep(10'000);
      ::close(reader_);
      ::close(filler_);
    });
  }
  ~StoppingReader() {
    if (thread_.joinable()) {
      thread_.join();
    } else {
      if (reader_ >= 0) ::close(reader_);
      if (filler_ >= 0) ::close(filler_);
    }
  }
  bool ready() const { return thread_.joinable(); }

 private:
  // Whether a thread of this process waits in a write to the FIFO through a descriptor other than
  // the reader's and the filler's: the kernel names the call and its descriptor in the thread's
  // /proc/self/task/ID/syscall while it waits there ("running" while it runs).
  bool WriteWaits() const {
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ignored)) {
      std::ifstream call(task.path() / "syscall");
      long number = -1;
      std::string descriptor;
      if (!(call >> number >> descriptor) || (number != SYS_write && number != SYS_writev)) {
        continue;
      }
      const int fd = static_cast<int>(std::strtol(descriptor.c_str(), nullptr, 16));
      const auto named = std::filesystem::read_symlink(
          std::filesystem::path("/proc/self/fd") / std::to_string(fd), ignored);
      if (fd != reader_ && fd != filler_ && named == path_.constData()) return true;
    }
    return false;
  }

  QByteArray path_;
  int reader_ = -1;
  int filler_ = -1;
  std::thread thread_;
};

QByteArray CsvOf(int n) {
  return RunCli({QStringLiteral("table"), QString::number(n), QStringLiteral("--csv")});
}

/// The file the window saves in Russian: led by a byte-order mark, separated by ';'.
QByteArray SavedCsvOf(int n) {
  return "\xEF\xBB\xBF" +
         RunCli({QStringLiteral("table"), QString::number(n), QStringLiteral("--csv"),
                 QStringLiteral("--separator"), QStringLiteral(";")});
}

/// The lines of `text`, each split at `separator`.
QList<QStringList> Cells(const QString& text, QChar separator) {
  QList<QStringList> rows;
  for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    rows << line.split(separator);
  }
  return rows;
}

/// The main window with its truth-table window open on scheme n.
struct OpenTable : ShownMainWindow {
  explicit OpenTable(int n = 1) {
    if (n != 1) choose(n);
    window.showTruthTable();
    table = window.findChild<TruthTableWindow*>(QStringLiteral("frmTruthTable"));
    tableShown = table != nullptr && QTest::qWaitForWindowExposed(table);
  }
  void pressWithMouse(const char* button) {
    const int n = placedScheme();
    QTest::mousePress(panel(n)->findChild<QWidget*>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  void pressWithKeyboard(const char* button) {
    QWidget* view = panel(placedScheme())->findChild<QWidget*>(QString::fromLatin1(button));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Space);
  }
  QTableView* view() const { return table->findChild<QTableView*>(QStringLiteral("tblTruth")); }
  QAbstractItemModel* model() const { return view()->model(); }
  /// Makes the main window the active one again, as a click on it would, for its keys. (Its
  /// window handle counts as active while the table, its child window, is.)
  void activateMain() {
    window.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &window);
  }
  QString count() const { return table->findChild<QLabel*>(QStringLiteral("lblCount"))->text(); }
  QCheckBox* hideSwitch() const {
    return table->findChild<QCheckBox*>(QStringLiteral("chkHideOff"));
  }

  /// The header and every row as the window shows them, comma-separated.
  QByteArray shownCsv() const {
    QStringList lines;
    QStringList header;
    for (int c = 0; c < model()->columnCount(); ++c) {
      header << model()->headerData(c, Qt::Horizontal).toString();
    }
    lines << header.join(QLatin1Char(','));
    for (int r = 0; r < model()->rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < model()->columnCount(); ++c) {
        cells << model()->index(r, c).data().toString();
      }
      lines << cells.join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
  }
  /// The shown rows holding `role` (current, reached).
  QList<int> rowsWith(int role) const {
    QList<int> rows;
    for (int r = 0; r < model()->rowCount(); ++r) {
      if (model()->index(r, 0).data(role).toBool()) rows << r;
    }
    return rows;
  }
  /// Whether the shown row's input cells are the shown scheme's buttons now; its outputs the
  /// lamps'.
  bool rowIsTheScheme(int row) {
    const Scheme& scheme = set.scheme(placedScheme());
    for (const Indicator& ind : scheme.indicators()) {
      if (!ind.is_button && !ind.name.starts_with("OUT")) continue;
      const int column = columnOf(ind.name);
      if (column < 0 || model()->index(row, column).data().toInt() != ind.Tag) return false;
    }
    return true;
  }
  int columnOf(const std::string& name) {
    for (int c = 0; c < model()->columnCount(); ++c) {
      if (model()->headerData(c, Qt::Horizontal, TruthTableModel::kNameRole).toString() ==
          QString::fromStdString(name)) {
        return c;
      }
    }
    return -1;
  }
  int inputCount() {
    const Scheme& scheme = set.scheme(placedScheme());
    return static_cast<int>(scheme.buttons.size());
  }
  /// The output cells of the shown row `row`, as the window shows them.
  QStringList outputsOf(int row) {
    QStringList cells;
    for (int c = inputCount(); c < model()->columnCount(); ++c) {
      cells << model()->index(row, c).data().toString();
    }
    return cells;
  }
  int currentShown() const {
    const QList<int> rows = rowsWith(TruthTableModel::kCurrentRole);
    return rows.size() == 1 ? rows.front() : -1;
  }
  bool currentInView() const {
    const QList<int> current = rowsWith(TruthTableModel::kCurrentRole);
    if (current.size() != 1) return false;
    const QRect cell = view()->visualRect(model()->index(current.front(), 0));
    return view()->viewport()->rect().contains(cell);
  }

  TruthTableWindow* table = nullptr;
  bool tableShown = false;
};

}  // namespace

class TestTruthTable : public QObject {
  Q_OBJECT

 private slots:
  void rowsAndHeaderAreTheCli_data();
  void rowsAndHeaderAreTheCli();
  void ctrlTOpensOneWindowBesideTheMainOne();
  void highlightFollowsPressesAndSchemes();
  void currentRowKeptInView();
  void firstOpeningShowsTheCurrentRow();
  void reachedRowsMarkedAndCounted();
  void rowsReachedBeforeOpeningAreMarked();
  void copyGivesTheCsvWithTabs_data();
  void copyGivesTheCsvWithTabs();
  void saveWritesTheCsv();
  void failingSaveSaysSoAndLeavesNoFile_data();
  void failingSaveSaysSoAndLeavesNoFile();
  void saveNamesACsvFile_data();
  void saveNamesACsvFile();
  void saveDialogAddsTheExtension();
  void saveToAPipeWhoseReaderStopsSaysSo();
  void hideSwitch_data();
  void hideSwitch();
  void openQuestionConcealsEveryRowsOutputs();
  void savedCsvSuitsTheLanguagesSpreadsheet();
  void dividerPartsInputsFromOutputs();
  void widensForAWiderScheme();
};

void TestTruthTable::rowsAndHeaderAreTheCli_data() {
  QTest::addColumn<int>("n");
  for (int n : {1, 2, 6, 10, 11, 13, 16}) QTest::addRow("scheme %d", n) << n;
}

void TestTruthTable::rowsAndHeaderAreTheCli() {
  QFETCH(int, n);
  OpenTable open(n);
  QVERIFY(open.tableShown);
  const QByteArray csv = CsvOf(n);
  QVERIFY(!csv.isEmpty());
  QCOMPARE(open.shownCsv(), csv);
  QCOMPARE(QByteArray::fromStdString(open.table->tableText(',')), csv);
  QCOMPARE(open.table->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
           Tfrm00::schemeTitle(n));
}

// Ctrl+T in the main window opens the window; Ctrl+T again raises the same one.
void TestTruthTable::ctrlTOpensOneWindowBesideTheMainOne() {
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  QVERIFY(shown.activate());
  QTest::keyClick(&shown.window, Qt::Key_T, Qt::ControlModifier);
  auto* table = shown.window.findChild<TruthTableWindow*>(QStringLiteral("frmTruthTable"));
  QVERIFY(table != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(table));
  QCOMPARE(table->windowTitle(), QStringLiteral("Таблица истинности"));
  QVERIFY(table->isWindow());
  QVERIFY(!table->isModal());
  const QRect available = shown.window.screen()->availableGeometry();
  QVERIFY(available.contains(table->frameGeometry()));
  if (shown.window.frameGeometry().right() + table->frameGeometry().width() < available.right()) {
    QVERIFY(table->frameGeometry().left() > shown.window.frameGeometry().right());
  }

  table->close();
  QVERIFY(!table->isVisible());
  shown.action(PanelAction::kTruthTable)->trigger();  // the menu's row
  QVERIFY(table->isVisible());
  QTest::keyClick(&shown.window, Qt::Key_T, Qt::ControlModifier);
  QCOMPARE(shown.window.findChildren<TruthTableWindow*>().size(), 1);
}

void TestTruthTable::highlightFollowsPressesAndSchemes() {
  OpenTable open(1);
  QVERIFY(open.tableShown);
  const auto current = [&open] {
    const QList<int> rows = open.rowsWith(TruthTableModel::kCurrentRole);
    return rows.size() == 1 && open.rowIsTheScheme(rows.front()) ? rows.front() : -1;
  };
  const int first = current();
  QVERIFY(first >= 0);
  open.pressWithMouse("IN05");
  const int afterMouse = current();
  QVERIFY(afterMouse >= 0);
  QVERIFY(afterMouse != first);
  open.pressWithKeyboard("IN02");
  const int afterKeys = current();
  QVERIFY(afterKeys >= 0);
  QVERIFY(afterKeys != afterMouse);

  for (int n : {13, 10, 16, 1}) {
    open.choose(n);
    QCOMPARE(open.shownCsv(), CsvOf(n));
    QVERIFY2(current() >= 0, qPrintable(QStringLiteral("scheme %1").arg(n)));
  }
  open.pressWithMouse("IN07");
  QVERIFY(current() >= 0);
}

// Scheme 16's 1024 rows: a press far down the table brings its row into view.
void TestTruthTable::currentRowKeptInView() {
  OpenTable open(16);
  QVERIFY(open.tableShown);
  QVERIFY(open.currentInView());
  for (const char* button : {"IN01", "IN02", "IN03", "IN01"}) {
    open.pressWithMouse(button);
    QVERIFY2(open.currentInView(), button);
  }
}

// Opened for the first time on a state far down the table, the current row is in view; made
// smaller afterwards, as a window manager may do once it has shown, it still is.
void TestTruthTable::firstOpeningShowsTheCurrentRow() {
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  shown.choose(13);
  for (const char* button : {"IN05", "IN04", "IN03"}) {
    QTest::mousePress(shown.panel(13)->findChild<QWidget*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
  }
  shown.window.showTruthTable();
  auto* table = shown.window.findChild<TruthTableWindow*>(QStringLiteral("frmTruthTable"));
  QVERIFY(QTest::qWaitForWindowExposed(table));
  auto* view = table->findChild<QTableView*>(QStringLiteral("tblTruth"));
  const auto currentInView = [view] {
    for (int r = 0; r < view->model()->rowCount(); ++r) {
      const QModelIndex cell = view->model()->index(r, 0);
      if (cell.data(TruthTableModel::kCurrentRole).toBool()) {
        return r > 0 && view->viewport()->rect().contains(view->visualRect(cell));
      }
    }
    return false;
  };
  QTRY_VERIFY(currentInView());
  view->scrollToTop();
  table->resize(table->width(), table->minimumSizeHint().height() + 40);
  QTRY_VERIFY(currentInView());
}

void TestTruthTable::reachedRowsMarkedAndCounted() {
  OpenTable open(1);
  QVERIFY(open.tableShown);
  QCOMPARE(open.count(), QStringLiteral("пройдено 1 из 8"));
  open.pressWithMouse("IN05");
  open.pressWithKeyboard("IN03");
  open.pressWithMouse("IN05");
  QCOMPARE(open.count(), QStringLiteral("пройдено 3 из 8"));
  const QList<int> reached = open.rowsWith(TruthTableModel::kReachedRole);
  QCOMPARE(reached.size(), 3);
  for (int r = 0; r < open.model()->rowCount(); ++r) {
    const QString mark = open.model()->headerData(r, Qt::Vertical).toString();
    QCOMPARE(mark.isEmpty(), !reached.contains(r));
  }
  open.choose(1);  // the same scheme again: counting starts afresh
  QCOMPARE(open.count(), QStringLiteral("пройдено 1 из 8"));
  QCOMPARE(open.rowsWith(TruthTableModel::kReachedRole).size(), 1);
  open.choose(13);
  QCOMPARE(open.count(), QStringLiteral("пройдено 1 из 64"));
}

// The rows count from the selection, not from the opening of the window; closed, the window
// catches up when it opens again.
void TestTruthTable::rowsReachedBeforeOpeningAreMarked() {
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  for (const char* button : {"IN01", "IN02", "IN01"}) {
    QTest::mousePress(shown.panel(1)->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
  }
  shown.window.showTruthTable();
  auto* table = shown.window.findChild<TruthTableWindow*>();
  auto* count = table->findChild<QLabel*>(QStringLiteral("lblCount"));
  QCOMPARE(count->text(), QStringLiteral("пройдено 3 из 8"));
  table->close();
  QTest::mousePress(shown.panel(1)->findChild<QWidget*>(QStringLiteral("IN06")), Qt::LeftButton);
  shown.window.showTruthTable();
  QCOMPARE(count->text(), QStringLiteral("пройдено 4 из 8"));
}

void TestTruthTable::copyGivesTheCsvWithTabs_data() {
  QTest::addColumn<int>("n");
  for (int n : {1, 13, 15}) QTest::addRow("scheme %d", n) << n;
}

void TestTruthTable::copyGivesTheCsvWithTabs() {
  QFETCH(int, n);
  OpenTable open(n);
  QVERIFY(open.tableShown);
  QGuiApplication::clipboard()->clear();
  open.table->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(open.table));
  QTest::keyClick(open.view(), Qt::Key_C, Qt::ControlModifier);
  QByteArray tsv = CsvOf(n);
  tsv.replace(',', '\t');
  QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), tsv);
}

void TestTruthTable::saveWritesTheCsv() {
  OpenTable open(13);
  QVERIFY(open.tableShown);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("таблица 13.csv"));
  QVERIFY(open.table->save(path));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), SavedCsvOf(13));
}

// In English the headers' groups are English and the file is plain CSV, as kvir-cli --lang en
// prints it.
void TestTruthTable::savedCsvSuitsTheLanguagesSpreadsheet() {
  OpenTable open(16);
  QVERIFY(open.tableShown);
  SetLanguage(Language::kEnglish);
  QTRY_COMPARE(open.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("btn.1"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("t16.csv"));
  const bool saved = open.table->save(path);
  SetLanguage(Language::kRussian);
  QVERIFY(saved);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(),
           RunCli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("table"),
                   QStringLiteral("16"), QStringLiteral("--csv")}));
  QTRY_COMPARE(open.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("кн.1"));
}

// The line stands in the first output column only, in the cells and in the header.
void TestTruthTable::dividerPartsInputsFromOutputs() {
  OpenTable open(13);
  QVERIFY(open.tableShown);
  for (int c = 0; c < open.model()->columnCount(); ++c) {
    const bool first = c == 6;  // after S1 S2 4 3 2 1
    QCOMPARE(open.model()->index(0, c).data(TruthTableModel::kDividerRole).toBool(), first);
    QCOMPARE(open.model()->headerData(c, Qt::Horizontal, TruthTableModel::kDividerRole).toBool(),
             first);
  }
  QCOMPARE(open.model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("вых.0"));
}

// "Проверь себя" with the table open on scheme 11: while a question is open the outputs of its
// row read "?" in the window, the copy and the file, wherever the question goes (a press, the
// next question, the switch that hides rows); the check reveals them.
void TestTruthTable::openQuestionConcealsEveryRowsOutputs() {
  OpenTable open(11);
  QVERIFY(open.tableShown);
  const QStringList concealed(8, QStringLiteral("?"));
  open.activateMain();
  QTest::keyClick(&open.window, Qt::Key_F9);
  QCOMPARE(open.outputsOf(open.currentShown()), concealed);
  open.pressWithMouse("IN02");
  const int question = open.currentShown();
  QVERIFY(question >= 0);
  QCOMPARE(open.outputsOf(question), concealed);
  // Every row: the rows beside the asked one would give its outputs away.
  for (int r = 0; r < open.model()->rowCount(); ++r) QCOMPARE(open.outputsOf(r), concealed);
  // Ctrl+C in the table.
  QGuiApplication::clipboard()->clear();
  open.table->activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == open.table);
  QTest::keyClick(open.view(), Qt::Key_C, Qt::ControlModifier);
  const QList<QStringList> copied = Cells(QGuiApplication::clipboard()->text(), QLatin1Char('\t'));
  QCOMPARE(copied.size(), 65);
  for (qsizetype r = 1; r < copied.size(); ++r) QCOMPARE(copied[r].mid(6), concealed);
  // The file.
  QTemporaryDir dir;
  QVERIFY(open.table->save(dir.filePath(QStringLiteral("q.csv"))));
  QFile file(dir.filePath(QStringLiteral("q.csv")));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QList<QStringList> saved = Cells(QString::fromUtf8(file.readAll()), QLatin1Char(';'));
  for (qsizetype r = 1; r < saved.size(); ++r) QCOMPARE(saved[r].mid(6), concealed);

  // The switch hides no row while the question is open: the hidden rows would tell.
  open.hideSwitch()->setChecked(true);
  QCOMPARE(open.model()->rowCount(), 64);
  QVERIFY(!open.hideSwitch()->isEnabled());
  QCOMPARE(open.currentShown(), question);
  QCOMPARE(open.outputsOf(question), concealed);

  // The next question: another row, and still no output to read.
  open.activateMain();
  QTest::keyClick(&open.window, Qt::Key_N, Qt::ControlModifier);
  const int next = open.currentShown();
  QVERIFY(next >= 0 && next != question);
  QCOMPARE(open.outputsOf(question), concealed);
  QCOMPARE(open.outputsOf(next), concealed);
  const QList<QStringList> copiedNext =
      Cells(QString::fromStdString(open.table->tableText('\t')), QLatin1Char('\t'));
  QCOMPARE(copiedNext[next + 1].mid(6), concealed);

  // Enter checks: the outputs read, and the switch hides rows again.
  QTest::keyClick(&open.window, Qt::Key_Return);
  QVERIFY(open.hideSwitch()->isEnabled());
  QCOMPARE(open.model()->rowCount(), 64 - 36);
  const int checked = open.currentShown();
  if (checked >= 0) QVERIFY(open.rowIsTheScheme(checked));
  QVERIFY(!QString::fromStdString(open.table->tableText(',')).contains(QLatin1Char('?')));
  QTest::keyClick(&open.window, Qt::Key_F9);  // the mode ends
  QVERIFY(!QString::fromStdString(open.table->tableText(',')).contains(QLatin1Char('?')));
}

void TestTruthTable::failingSaveSaysSoAndLeavesNoFile_data() {
  QTest::addColumn<QString>("where");
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("details");  // %1: the path
  const QString ru = QStringLiteral("Таблица не сохранена.");
  const QString en = QStringLiteral("The table was not saved.");
  QTest::newRow("read-only directory")
      << QStringLiteral("locked/table.csv") << Language::kRussian << ru
      << QStringLiteral("Не удалось записать %1: не создаётся временный файл: отказано в доступе");
  QTest::newRow("a file taken for a directory")
      << QStringLiteral("plain/table.csv") << Language::kRussian << ru
      << QStringLiteral("Не удалось записать %1: часть пути не является каталогом");
  QTest::newRow("read-only directory, in English")
      << QStringLiteral("locked/table.csv") << Language::kEnglish << en
      << QStringLiteral("Could not write %1: cannot create a temporary file: permission denied");
  QTest::newRow("a file taken for a directory, in English")
      << QStringLiteral("plain/table.csv") << Language::kEnglish << en
      << QStringLiteral("Could not write %1: a part of the path is not a directory");
  QTest::newRow("a missing directory, in English")
      << QStringLiteral("missing/table.csv") << Language::kEnglish << en
      << QStringLiteral(
             "Could not write %1: cannot create a temporary file: "
             "no such file or directory");
}

void TestTruthTable::failingSaveSaysSoAndLeavesNoFile() {
  QFETCH(QString, where);
  QFETCH(Language, language);
  QFETCH(QString, text);
  QFETCH(QString, details);
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
  QFile plain(dir.filePath(QStringLiteral("plain")));
  QVERIFY(plain.open(QIODevice::WriteOnly));
  plain.close();
  QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
  if (where.startsWith(QLatin1String("locked")) && geteuid() == 0) {
    QSKIP("permissions do not bind the superuser");
  }
  OpenTable open(1);
  QVERIFY(open.tableShown);
  SetLanguage(language);
  MessageSeen seen;
  CloseNextMessageBox(seen);
  const bool saved = open.table->save(dir.filePath(where));
  SetLanguage(Language::kRussian);
  QVERIFY(!saved);
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.text, text);
  // The reason comes in the window's language too, from the file writer's own words.
  QCOMPARE(seen.details, details.arg(dir.filePath(where)));
  QCOMPARE(QDir(dir.filePath(QStringLiteral("locked")))
               .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
           QStringList());
  QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
           QStringList({QStringLiteral("locked"), QStringLiteral("plain")}));
  QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The picture save's rule for tables: a name without an extension gets ".csv", another
// extension is refused and nothing is written.
void TestTruthTable::saveNamesACsvFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("written");  // empty: refused
  QTest::addColumn<QString>("details");  // %1: the path asked for
  const Language ru = Language::kRussian;
  const Language en = Language::kEnglish;
  const QString none;
  QTest::newRow("no extension") << "tablenoext" << ru << "tablenoext.csv" << none;
  QTest::newRow("a dot only at the start") << ".table" << ru << ".table.csv" << none;
  QTest::newRow("capitals") << "TABLE.CSV" << ru << "TABLE.CSV" << none;
  QTest::newRow("a picture's name")
      << "table.png" << ru << none
      << "Таблица не сохранена в файл «%1»: таблицы сохраняются в формате CSV, с расширением .csv.";
  QTest::newRow("a picture's name, in English")
      << "table.png" << en << none
      << "The table was not saved to \"%1\": tables are saved as CSV, with the extension .csv.";
  QTest::newRow("a dot in a folder's name") << "tables.d/t" << ru << "tables.d/t.csv" << none;
}

void TestTruthTable::saveNamesACsvFile() {
  QFETCH(QString, name);
  QFETCH(Language, language);
  QFETCH(QString, written);
  QFETCH(QString, details);
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tables.d")));
  OpenTable open(13);
  QVERIFY(open.tableShown);
  SetLanguage(language);
  MessageSeen seen;
  if (written.isEmpty()) CloseNextMessageBox(seen);
  const bool saved = open.table->save(dir.filePath(name));
  SetLanguage(Language::kRussian);
  QCOMPARE(saved, !written.isEmpty());
  if (saved) {
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), SavedCsvOf(13));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
             name.contains('/') ? 0 : 1);
  } else {
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.details, details.arg(dir.filePath(name)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  }
}

// A name typed without an extension in the dialog gets ".csv" there, before the dialog asks
// about replacing a file of that name.
void TestTruthTable::saveDialogAddsTheExtension() {
  OpenTable open(13);
  QVERIFY(open.tableShown);
  QTemporaryDir dir;
  QTimer::singleShot(0, open.table, [&dir] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->selectFile(dir.filePath(QStringLiteral("noext")));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its Save button does
  });
  open.table->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("noext.csv")});
}

// The program ignores SIGPIPE (its main does so first, as here): a pipe whose reader goes while
// the table is written fails that write, and the message says so in the writer's words.
void TestTruthTable::saveToAPipeWhoseReaderStopsSaysSo() {
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pipe.csv"));
  StoppingReader reader(path);
  QVERIFY(reader.ready());
  OpenTable open(16);
  QVERIFY(open.tableShown);
  MessageSeen seen;
  CloseNextMessageBox(seen);
  const bool saved = open.table->save(path);
  std::signal(SIGPIPE, previous);
  QVERIFY(!saved);
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.details,
           QStringLiteral("Не удалось записать %1: ошибка записи: канал закрыт читающей стороной")
               .arg(path));
}

void TestTruthTable::hideSwitch_data() {
  QTest::addColumn<int>("n");
  QTest::addColumn<int>("rows");
  QTest::addColumn<int>("hidden");  // -1: no switch offered
  QTest::newRow("scheme 1, no enables") << 1 << 8 << -1;
  QTest::newRow("scheme 9, no enables") << 9 << 16 << -1;
  QTest::newRow("scheme 10") << 10 << 18 << 9;
  QTest::newRow("scheme 13") << 13 << 64 << 48;
  QTest::newRow("scheme 16") << 16 << 2048 << 1024;
}

void TestTruthTable::hideSwitch() {
  QFETCH(int, n);
  QFETCH(int, rows);
  QFETCH(int, hidden);
  OpenTable open(n);
  QVERIFY(open.tableShown);
  QCOMPARE(open.model()->rowCount(), rows);
  QCOMPARE(open.hideSwitch()->isEnabled(), hidden >= 0);
  if (hidden < 0) return;
  QTest::mouseClick(open.hideSwitch(), Qt::LeftButton);
  QVERIFY(open.hideSwitch()->isChecked());
  QCOMPARE(open.model()->rowCount(), rows - hidden);
  QVERIFY2(
      open.count().contains(QStringLiteral("скрыто строк, где схема выключена: %1").arg(hidden)),
      qPrintable(open.count()));
  QVERIFY(open.count().startsWith(QStringLiteral("пройдено %1 из %2")
                                      .arg(open.rowsWith(TruthTableModel::kReachedRole).size())
                                      .arg(rows - hidden)));
  // The copy stays the whole table.
  QCOMPARE(QByteArray::fromStdString(open.table->tableText(',')), CsvOf(n));
  // A scheme without enables offers no switch and shows every row; back again, rows hide.
  open.choose(1);
  QVERIFY(!open.hideSwitch()->isEnabled());
  QCOMPARE(open.model()->rowCount(), 8);
  open.choose(n);
  QCOMPARE(open.model()->rowCount(), rows - hidden);
  QTest::mouseClick(open.hideSwitch(), Qt::LeftButton);
  QCOMPARE(open.model()->rowCount(), rows);
  QVERIFY(!open.count().contains(QStringLiteral("скрыто")));
}

// A scheme with more columns widens the window as far as its screen allows; a narrower one
// leaves it as it is.
void TestTruthTable::widensForAWiderScheme() {
  OpenTable open(1);
  QVERIFY(open.tableShown);
  const int narrow = open.table->width();
  open.choose(16);
  const QRect available = open.table->screen()->availableGeometry();
  QVERIFY2(open.table->width() > narrow || open.table->geometry().right() >= available.right(),
           qPrintable(QStringLiteral("%1 px wide").arg(open.table->width())));
  QVERIFY(open.table->geometry().right() <= std::max(available.right(), narrow));
  const int wide = open.table->width();
  open.choose(1);
  QCOMPARE(open.table->width(), wide);
}

QTEST_MAIN(TestTruthTable)
#include "tst_truthtable.moc"
