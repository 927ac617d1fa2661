// Pictures for lab reports: Ctrl+C copies the shown panel as an image, Ctrl+S saves the PNG that
// `kvir-cli render` writes for the same state, Ctrl+P prints it; failures say so and leave no file.

#include <unistd.h>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/panel/panelactions.h"
#include "app/panel/panelpainter.h"
#include "app/shell/language.h"
#include "app/windows/panelexport.h"
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
void TypeKey(QKeySequence::StandardKey key) {
  const QKeyCombination combination = QKeySequence(key)[0];
  QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
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
  void failingSaveSaysSoAndLeavesNoFile_data();
  void failingSaveSaysSoAndLeavesNoFile();
  void printsToAPdfFile();
  void failingPrintSaysSoAndLeavesNoFile_data();
  void failingPrintSaysSoAndLeavesNoFile();
  void ctrlPOpensThePrintDialog();
  void menuListsThePictureActions();
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

// One page with the picture, written whole.
void TestPanelExport::printsToAPdfFile() {
  ShowState(shown(), 9, {"IN02"});
  QTemporaryDir dir;
  QPrinter printer;
  PrintToFile(printer, dir.filePath(QStringLiteral("scheme.pdf")));
  QVERIFY(PicturesOf(shown())->printOn(shown().shown(9), printer));
  const QByteArray pdf = Contents(dir.filePath(QStringLiteral("scheme.pdf")));
  QVERIFY(pdf.startsWith("%PDF-"));
  QVERIFY(pdf.trimmed().endsWith("%%EOF"));
  const QString text = QString::fromLatin1(pdf);
  QCOMPARE(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
  QVERIFY(text.contains(QStringLiteral("/Subtype /Image")));
  QCOMPARE(Entries(dir), QStringList{QStringLiteral("scheme.pdf")});
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
  QVERIFY(!PicturesOf(shown())->printOn(shown().shown(1), printer));
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
  for (const char* key : {"Ctrl+C", "Ctrl+S", "Ctrl+P"}) {
    QVERIFY2(shortcuts.contains(QLatin1String(key)), key);
  }
}

QTEST_MAIN(TestPanelExport)
#include "tst_panelexport.moc"
