// Pictures for lab reports: Ctrl+C copies the shown panel as an image, Ctrl+S saves the PNG that
// `kvir-cli render` writes for the same state, Ctrl+Shift+C and Ctrl+Shift+S the same for
// `kvir-cli render --title`, Ctrl+P prints it sharp; failures say so and leave no file; every
// save dialog starts in the folder of the last save.

#include <unistd.h>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/panel/panelactions.h"
#include "app/panel/panelpainter.h"
#include "app/prefs/language.h"
#include "app/prefs/settings.h"
#include "app/windows/panelexport.h"
#include "app/windows/truthtablewindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

// Scheme n chosen from the list, then its buttons clicked in turn.
void ShowState(ShownMainWindow& shown, int n, const QStringList& buttons) {
  shown.choose(n);
  for (const QString& name : buttons) {
    QTest::mouseClick(shown.panel(n)->findChild<QWidget*>(name), Qt::LeftButton);
  }
}

// The key typed into whatever holds the focus, as a user types it.
void TypeKey(const QKeySequence& key) {
  const QKeyCombination combination = key[0];
  QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
}

void TypeKey(QKeySequence::StandardKey key) {
  TypeKey(QKeySequence(key));
}

// The next modal dialog of type D, once it is open: `look` sees it, then it is cancelled, or
// accepted on `path` when one is given (a file dialog).
template <typename D>
void WhenAsked(QObject* context, std::function<void(D&)> look, const QString& path = {}) {
  QTimer::singleShot(0, context, [look, path] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    look(*dialog);
    if (path.isEmpty()) {
      dialog->reject();
      return;
    }
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) files->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its Save button does
  });
}

PanelExport* PicturesOf(ShownMainWindow& shown) {
  return shown.window.findChild<PanelExport*>();
}

// The names in `dir`, to see that a failure left nothing behind.
QStringList Entries(const QTemporaryDir& dir) {
  return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF printer that writes `path`.
void PrintToFile(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
}

}  // namespace

class TestPanelExport : public MainWindowTest {
  Q_OBJECT

 private slots:
  void states_data();
  void copyPutsThePanelOnTheClipboard_data() { states_data(); }
  void copyPutsThePanelOnTheClipboard();
  void saveWritesTheRender_data() { states_data(); }
  void saveWritesTheRender();
  void reports_data();
  void copyReportPutsTheTitledRenderOnTheClipboard_data() { reports_data(); }
  void copyReportPutsTheTitledRenderOnTheClipboard();
  void saveReportWritesTheTitledRender_data() { reports_data(); }
  void saveReportWritesTheTitledRender();
  void failingSaveSaysSoAndLeavesNoFile_data();
  void failingSaveSaysSoAndLeavesNoFile();
  void printsToAPdfFile();
  void failingPrintSaysSoAndLeavesNoFile_data();
  void failingPrintSaysSoAndLeavesNoFile();
  void ctrlPOpensThePrintDialog();
  void menuListsThePictureActions();
  void everySaveDialogStartsInTheLastSaveFolder();
  void anOpenQuestionsCardsShowInEveryCopyAndSave();
};

// Schemes and presses: a state each family can be in, the starting ones included.
void TestPanelExport::states_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<QString>("fileName");
  QTest::newRow("01 started") << 1 << QStringList{} << "kvir-01-Y0.png";
  QTest::newRow("01 Y3") << 1 << QStringList{"IN03"} << "kvir-01-Y3.png";
  QTest::newRow("05 Y9") << 5 << QStringList{"IN09"} << "kvir-05-Y9.png";
  QTest::newRow("08 X1 X3") << 8 << QStringList{"IN01", "IN03"} << "kvir-08-X1-X3.png";
  QTest::newRow("10 5 V off") << 10 << QStringList{"IN05", "IN08"} << "kvir-10-5.png";
  QTest::newRow("16 started") << 16 << QStringList{} << "kvir-16-S-1-3-5.png";
}

// Ctrl+C typed while the list holds the focus, as it does from the start.
void TestPanelExport::copyPutsThePanelOnTheClipboard() {
  QFETCH(int, scheme);
  QFETCH(QStringList, buttons);
  QVERIFY(shown().activate());
  ShowState(shown(), scheme, buttons);
  QApplication::clipboard()->clear();
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cbxSelect"));
  TypeKey(QKeySequence::Copy);
  const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  const Scheme& model = shown().set.scheme(scheme);
  QCOMPARE(copied, PanelImage(shown().shown(scheme)));
  QCOMPARE(copied, ExpectedPanel(model));
}

// Ctrl+S offers the file name of the state; the file saved is byte for byte the render's.
void TestPanelExport::saveWritesTheRender() {
  QFETCH(int, scheme);
  QFETCH(QStringList, buttons);
  QFETCH(QString, fileName);
  QVERIFY(shown().activate());
  ShowState(shown(), scheme, buttons);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("saved.png"));
  QString offered;
  QTimer::singleShot(0, &shown().window, [&offered, &path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its Save button does
  });
  TypeKey(QKeySequence::Save);
  QCOMPARE(offered, fileName);
  const QByteArray render = CliRenderPng(scheme, buttons);
  QVERIFY(!render.isEmpty());
  QCOMPARE(Contents(path), render);
}

// States with the window's view, zoom and language, and the kvir-cli options that say the same.
void TestPanelExport::reports_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<bool>("clear");
  QTest::addColumn<int>("zoom");
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("fileName");
  const Language ru = Language::kRussian;
  const Language en = Language::kEnglish;
  QTest::newRow("01 Y3") << 1 << QStringList{"IN03"} << false << 100 << ru
                         << "kvir-01-Y3-report.png";
  QTest::newRow("08 X1 X3, clear")
      << 8 << QStringList{"IN01", "IN03"} << true << 100 << ru << "kvir-08-X1-X3-report.png";
  QTest::newRow("10 5 V off, 150 %, English")
      << 10 << QStringList{"IN05", "IN08"} << false << 150 << en << "kvir-10-5-report.png";
  QTest::newRow("13 started, clear, 200 %")
      << 13 << QStringList{} << true << 200 << ru << "kvir-13-S1-S2-report.png";
  QTest::newRow("16 started, 300 %, English")
      << 16 << QStringList{} << false << 300 << en << "kvir-16-S-1-3-5-report.png";
}

// The window set up as a row of reports_data says; the arguments of `kvir-cli render` for the
// picture for a report in that state.
QStringList SetUpReport(ShownMainWindow& shown) {
  QFETCH(int, scheme);
  QFETCH(QStringList, buttons);
  QFETCH(bool, clear);
  QFETCH(int, zoom);
  QFETCH(Language, language);
  shown.window.setClearView(clear);
  shown.window.setZoom(zoom);
  SetLanguage(language);
  ShowState(shown, scheme, buttons);
  QStringList arguments = buttons;
  arguments << "--title"
            << "--zoom" << QString::number(zoom);
  if (clear) arguments << "--clear-view";
  if (language == Language::kEnglish)
    arguments << "--lang"
              << "en";
  return arguments;
}

void TestPanelExport::copyReportPutsTheTitledRenderOnTheClipboard() {
  QFETCH(int, scheme);
  if (shown().window.devicePixelRatioF() != 1) QSKIP("a screen of one device pixel per pixel only");
  QVERIFY(shown().activate());
  const QStringList render = SetUpReport(shown());
  QApplication::clipboard()->clear();
  TypeKey(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  SetLanguage(Language::kRussian);
  const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  const QImage expected = CliRenderImage(scheme, render);
  QVERIFY(!expected.isNull());
  QCOMPARE(copied, expected);
}

// Ctrl+Shift+S offers the state's name for a report; the file is byte for byte the render's.
void TestPanelExport::saveReportWritesTheTitledRender() {
  QFETCH(int, scheme);
  QFETCH(QString, fileName);
  if (shown().window.devicePixelRatioF() != 1) QSKIP("a screen of one device pixel per pixel only");
  QVERIFY(shown().activate());
  const QStringList render = SetUpReport(shown());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("report.png"));
  QString offered;
  WhenAsked<QFileDialog>(
      &shown().window,
      [&offered](QFileDialog& dialog) {
        offered = QFileInfo(dialog.selectedFiles().value(0)).fileName();
      },
      path);
  TypeKey(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  SetLanguage(Language::kRussian);
  QCOMPARE(offered, fileName);
  const QByteArray expected = CliRenderPng(scheme, render);
  QVERIFY(!expected.isEmpty());
  QCOMPARE(Contents(path), expected);
}

void TestPanelExport::failingSaveSaysSoAndLeavesNoFile_data() {
  QTest::addColumn<QString>("name");  // in a fresh folder
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("cause");
  const Language ru = Language::kRussian;
  const Language en = Language::kEnglish;
  QTest::newRow("a folder") << "folder" << ru << "это каталог";
  QTest::newRow("in a missing folder") << "missing/x.png" << ru << "нет такого файла или каталога";
  QTest::newRow("under a file") << "file/x.png" << ru << "часть пути не является каталогом";
  QTest::newRow("not a PNG name") << "x.jpg" << ru << "в формате PNG";
  QTest::newRow("in a read-only folder") << "read-only/x.png" << ru << "отказано в доступе";
  QTest::newRow("a folder, in English") << "folder" << en << "is a directory";
  QTest::newRow("not a PNG name, in English") << "x.jpg" << en << "as PNG";
}

void TestPanelExport::failingSaveSaysSoAndLeavesNoFile() {
  QFETCH(QString, name);
  QFETCH(Language, language);
  QFETCH(QString, cause);
  if (name.startsWith(QLatin1String("read-only")) && geteuid() == 0) {
    QSKIP("root writes into read-only folders");
  }
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("read-only")));
  QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("read-only")),
                                QFile::ReadOwner | QFile::ExeOwner));
  QFile file(dir.filePath(QStringLiteral("file")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  const QStringList before = Entries(dir);

  SetLanguage(language);
  MessageSeen seen;
  CloseNextMessageBox(seen);
  const bool saved = PicturesOf(shown())->saveTo(shown().shown(1), dir.filePath(name));
  SetLanguage(Language::kRussian);
  QVERIFY(!saved);
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QVERIFY2(seen.text.contains(dir.filePath(name)) && seen.text.contains(cause),
           qPrintable(seen.text));
  if (language == Language::kEnglish)
    QVERIFY(!seen.text.contains(QRegularExpression("\\p{Cyrillic}")));
  QCOMPARE(Entries(dir), before);
  QCOMPARE(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty(), true);
}

// One page with the picture for a report drawn from the pictures at 300 %, whatever the window's
// zoom, in the window's view; written whole.
void TestPanelExport::printsToAPdfFile() {
  shown().window.setClearView(true);
  ShowState(shown(), 9, {"IN02"});
  QTemporaryDir dir;
  QPrinter printer;
  PrintToFile(printer, dir.filePath(QStringLiteral("scheme.pdf")));
  QVERIFY(PicturesOf(shown())->printOn(shown().pictures.pictures(9), printer));
  const QByteArray pdf = Contents(dir.filePath(QStringLiteral("scheme.pdf")));
  QVERIFY(pdf.startsWith("%PDF-"));
  QVERIFY(pdf.trimmed().endsWith("%%EOF"));
  const QString text = QString::fromLatin1(pdf);
  QCOMPARE(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
  QVERIFY(text.contains(QStringLiteral("/Subtype /Image")));
  const QImage sharp = CliRenderImage(9, {"IN02", "--title", "--clear-view", "--zoom", "300"});
  QVERIFY(!sharp.isNull());
  QVERIFY2(text.contains(QStringLiteral("/Width %1").arg(sharp.width())) &&
               text.contains(QStringLiteral("/Height %1").arg(sharp.height())),
           "the page's picture is not the render at 300 %");
  QVERIFY2(!text.contains(QStringLiteral("/DCTDecode")), "the picture is kept as a JPEG");
  QCOMPARE(Entries(dir), QStringList{QStringLiteral("scheme.pdf")});
  QCOMPARE(SaveFolder(), dir.path());
  shown().window.setClearView(false);
}

void TestPanelExport::failingPrintSaysSoAndLeavesNoFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("cause");
  QTest::newRow("a folder") << "folder"
                            << "это каталог";
  QTest::newRow("in a missing folder") << "missing/x.pdf"
                                       << "нет такого файла или каталога";
}

void TestPanelExport::failingPrintSaysSoAndLeavesNoFile() {
  QFETCH(QString, name);
  QFETCH(QString, cause);
  QTemporaryDir dir;
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
  QPrinter printer;
  PrintToFile(printer, dir.filePath(name));
  MessageSeen seen;
  CloseNextMessageBox(seen);
  QVERIFY(!PicturesOf(shown())->printOn(shown().pictures.pictures(1), printer));
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QVERIFY2(seen.text.contains(dir.filePath(name)) && seen.text.contains(cause),
           qPrintable(seen.text));
  QCOMPARE(Entries(dir), QStringList{QStringLiteral("folder")});
  QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
}

// Ctrl+P asks for the printer first; cancelled, nothing is printed and nothing is said.
void TestPanelExport::ctrlPOpensThePrintDialog() {
  QVERIFY(shown().activate());
  bool asked = false;
  QTimer::singleShot(0, &shown().window, [&asked] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    asked = dialog != nullptr;
    if (dialog != nullptr) dialog->reject();
  });
  TypeKey(QKeySequence::Print);
  QVERIFY(asked);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestPanelExport::menuListsThePictureActions() {
  QStringList shortcuts;
  for (const QAction* action : shown().window.findChild<QMenu*>("panelMenu")->actions()) {
    shortcuts << action->shortcut().toString(QKeySequence::PortableText);
  }
  for (const char* key : {"Ctrl+C", "Ctrl+Shift+C", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+P"}) {
    QVERIFY2(shortcuts.contains(QLatin1String(key)), key);
  }
}

// A picture saved in one folder: the report's, the truth table's and the print dialog's PDF file
// are offered there, and the settings keep it for the next starts.
void TestPanelExport::everySaveDialogStartsInTheLastSaveFolder() {
  QTemporaryDir dir;
  const QString folder = QFileInfo(dir.path()).canonicalFilePath();
  WhenAsked<QFileDialog>(
      &shown().window, [](QFileDialog&) {}, dir.filePath("saved.png"));
  shown().action(PanelAction::kSavePicture)->trigger();
  QVERIFY(QFileInfo::exists(dir.filePath("saved.png")));

  QString reportFolder;
  WhenAsked<QFileDialog>(&shown().window, [&reportFolder](QFileDialog& dialog) {
    reportFolder = dialog.directory().canonicalPath();
  });
  shown().action(PanelAction::kSaveReport)->trigger();
  QCOMPARE(reportFolder, folder);

  QString pdf;
  WhenAsked<QPrintDialog>(&shown().window, [&pdf](QPrintDialog& dialog) {
    if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) pdf = file->text();
  });
  shown().action(PanelAction::kPrintPicture)->trigger();
  QCOMPARE(QFileInfo(pdf).absoluteDir().canonicalPath(), folder);
  QVERIFY2(pdf.endsWith(QLatin1String(".pdf")), qPrintable(pdf));

  shown().window.showTruthTable();
  auto* table = shown().window.findChild<TruthTableWindow*>(QStringLiteral("frmTruthTable"));
  QVERIFY(table != nullptr);
  QString tableFolder;
  WhenAsked<QFileDialog>(table, [&tableFolder](QFileDialog& dialog) {
    tableFolder = dialog.directory().canonicalPath();
  });
  table->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
  QCOMPARE(tableFolder, folder);

  QCOMPARE(UserSettings()->value(QStringLiteral("saveFolder")).toString(), dir.path());
}

// While a question is open a copy, a save or a report shows the cards the panel shows, never the
// levels they cover.
void TestPanelExport::anOpenQuestionsCardsShowInEveryCopyAndSave() {
  QVERIFY(shown().activate());
  ShowState(shown(), 6, {"IN02"});
  QAction* quiz = shown().action(PanelAction::kQuiz);
  quiz->trigger();
  const Session& session = shown().window.session();
  QVERIFY(session.QuestionOpen());
  const PanelPictures& panel = shown().shown(6);
  const QImage cards = PanelImage(panel, session.overlay());
  QVERIFY(cards != PanelImage(panel));

  QApplication::clipboard()->clear();
  shown().list()->setFocus();
  TypeKey(QKeySequence::Copy);
  QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), cards);

  QTemporaryDir dir;
  const QString saved = dir.filePath(QStringLiteral("q.png"));
  QVERIFY(PicturesOf(shown())->saveTo(panel, saved));
  QCOMPARE(QImage(saved).convertToFormat(QImage::Format_RGB32), cards);
  const QString report = dir.filePath(QStringLiteral("r.png"));
  QVERIFY(PicturesOf(shown())->saveReportTo(panel, report));
  QVERIFY(Contents(report) != CliRenderPng(6, {"IN02", "--title"}));
  quiz->trigger();
}

QTEST_MAIN(TestPanelExport)
#include "tst_panelexport.moc"
