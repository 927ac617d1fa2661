// The windows' language: every visible text translated into English, the switch both ways while
// the windows are up, the remembered choice, and Russian whatever the system locale.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

#include "app/prefs/language.h"
#include "app/prefs/options.h"
#include "app/windows/helpwindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

const QRegularExpression kCyrillic(QStringLiteral("\\p{Cyrillic}"));

// The language switch's text, the one text meant for readers of either language.
const QString kBothLanguages = QStringLiteral("Язык / Language");

// Each text a person can see or hear in `widget`, as "objectName.what: text".
QStringList TextsOf(const QWidget* widget) {
  QStringList texts;
  const auto add = [&texts, widget](const char* what, const QString& text) {
    if (!text.isEmpty()) texts << widget->objectName() + QLatin1Char('.') + what + ": " + text;
  };
  if (widget->isWindow()) add("title", widget->windowTitle());
  add("tooltip", widget->toolTip());
  add("whatsThis", widget->whatsThis());
  add("accessibleName", widget->accessibleName());
  add("accessibleDescription", widget->accessibleDescription());
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) add("text", button->text());
  if (auto* label = qobject_cast<const QLabel*>(widget)) add("text", label->text());
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) add("text", edit->text());
  if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) add("text", memo->toPlainText());
  if (auto* menu = qobject_cast<const QMenu*>(widget)) add("title", menu->title());
  if (auto* box = qobject_cast<const QMessageBox*>(widget)) {
    add("text", box->text());
    add("informativeText", box->informativeText());
  }
  for (const QAction* action : widget->actions()) {
    add("action", action->text());
    add("actionTooltip", action->toolTip());
  }
  return texts;
}

// Every text of every window the program has made, the hidden ones too; the scheme titles of the
// list and of the truth-table window apart.
QStringList WindowTexts() {
  QStringList texts;
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    texts << TextsOf(top);
    for (const QWidget* child : top->findChildren<QWidget*>()) {
      if (qobject_cast<const QComboBox*>(child->parentWidget()) != nullptr) continue;
      if (child->objectName() == QLatin1String("lblTitle")) continue;
      texts << TextsOf(child);
    }
  }
  return texts;
}

QStringList ListTitles(const Tfrm00& window) {
  auto* list = window.findChild<QComboBox*>(QStringLiteral("cbxSelect"));
  QStringList titles;
  for (int i = 0; i < list->count(); ++i) titles << list->itemText(i);
  return titles << list->currentText();
}

QStringList WithCyrillic(const QStringList& texts) {
  QStringList found;
  for (const QString& text : texts) {
    if (text.contains(kCyrillic) && !text.endsWith(QStringLiteral(": ") + kBothLanguages)) {
      found << text;
    }
  }
  return found;
}

QString HelpTitle(ShownMainWindow& shown) {
  return shown.window.helpWindow()->windowTitle();
}

enum class When { kBeforeTheWindows, kWhileShown };

}  // namespace

class TestLanguage : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void translationFileIsComplete();
  void englishWindowsShowNoCyrillic_data();
  void englishWindowsShowNoCyrillic();
  void englishLearningModes();
  void englishListTitles();
  void helpTitle_data();
  void helpTitle();
  void switchingBackRestoresEveryText();
  void russianWhateverTheSystemLocale();
  void choiceRemembered();
  void switchRowSwitchesAndRemembers_data();
  void switchRowSwitchesAndRemembers();
  void unknownRememberedLanguageIsRussian();
  void qtTextsInTheWindowsLanguage_data();
  void qtTextsInTheWindowsLanguage();

 private:
  QTemporaryDir settingsDir_;
};

// The user's own settings stay out of reach.
void TestLanguage::initTestCase() {
  QVERIFY(settingsDir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

void TestLanguage::cleanup() {
  Switch(Language::kRussian);
  QFile::remove(settingsDir_.filePath(QStringLiteral("kvir/kvir.conf")));
}

// Each <message> of the .ts file has a finished, non-empty translation: lupdate marks texts new
// in the sources "unfinished" and texts gone from them "vanished" or "obsolete".
void TestLanguage::translationFileIsComplete() {
  QFile file(QStringLiteral(KVIR_SOURCE_DIR "/translations/kvir_en.ts"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString source;
  QStringList faults;
  int messages = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      ++messages;
      const QString type = xml.attributes().value(QLatin1String("type")).toString();
      const QString text = xml.readElementText();
      if (!type.isEmpty() || text.isEmpty()) faults << type + ": " + source;
    }
  }
  QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
  QVERIFY(messages > 0);
  QCOMPARE(faults, QStringList());
}

void TestLanguage::englishWindowsShowNoCyrillic_data() {
  QTest::addColumn<When>("when");
  QTest::newRow("chosen before the windows") << When::kBeforeTheWindows;
  QTest::newRow("switched while they are shown") << When::kWhileShown;
}

void TestLanguage::englishWindowsShowNoCyrillic() {
  QFETCH(When, when);
  if (when == When::kBeforeTheWindows) Switch(Language::kEnglish);
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  shown.window.showTruthTable();
  if (when == When::kWhileShown) {
    QVERIFY(!WithCyrillic(WindowTexts()).isEmpty());
    Switch(Language::kEnglish);
  }
  const QStringList texts = WindowTexts();
  QVERIFY(texts.size() > 3);
  QCOMPARE(WithCyrillic(texts), QStringList());

  // The one message box the program shows in a healthy run.
  shown.window.setTimingHook([] { return std::string(); });
  MessageSeen seen;
  CloseNextMessageBox(seen);
  shown.window.btnTimingClick();
  QVERIFY(!seen.text.isEmpty());
  QVERIFY2(!seen.text.contains(kCyrillic), qPrintable(seen.text));
}

// The quiz's label, before and after a check, and the step mode's keys.
void TestLanguage::englishLearningModes() {
  Switch(Language::kEnglish);
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  shown.window.startLearningMode(SessionMode::kQuiz);
  auto* label = shown.window.findChild<QLabel*>(QStringLiteral("lblQuiz"));
  QVERIFY(label != nullptr);
  QCOMPARE(WithCyrillic(WindowTexts()), QStringList());
  for (QAction* action : shown.window.actions()) {
    if (action->shortcut() == QKeySequence(Qt::Key_Return)) action->trigger();
  }
  QVERIFY2(label->text().contains(QStringLiteral("of 3 right")), qPrintable(label->text()));
  QCOMPARE(WithCyrillic(WindowTexts()), QStringList());
}

void TestLanguage::englishListTitles() {
  Switch(Language::kEnglish);
  ShownMainWindow shown;
  QCOMPARE(WithCyrillic(ListTitles(shown.window)), QStringList());
}

void TestLanguage::helpTitle_data() {
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("title");
  QTest::newRow("Russian") << Language::kRussian << QStringLiteral("KVIR - Помощь");
  QTest::newRow("English") << Language::kEnglish << QStringLiteral("KVIR - Help");
}

void TestLanguage::helpTitle() {
  QFETCH(Language, language);
  QFETCH(QString, title);
  ShownMainWindow shown;
  Switch(language);
  QCOMPARE(HelpTitle(shown), title);
}

// Russian, English, Russian again: every text as it was, a text typed into the list included.
void TestLanguage::switchingBackRestoresEveryText() {
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  auto* edit = shown.list()->lineEdit();
  QTest::keyClicks(edit, QStringLiteral("x"));
  const QString typed = edit->text();
  const QStringList russian = WindowTexts() + ListTitles(shown.window);
  Switch(Language::kEnglish);
  QCOMPARE(edit->text(), typed);
  QVERIFY(WindowTexts() != russian);
  Switch(Language::kRussian);
  QCOMPARE(WindowTexts() + ListTitles(shown.window), russian);
  QCOMPARE(shown.placedScheme(), 0);
}

// main() below gives this process an English locale; the program needs no setting to stay
// Russian.
void TestLanguage::russianWhateverTheSystemLocale() {
  QCOMPARE(QLocale::system().language(), QLocale::English);
  const CommandLine line = ParseCommandLine({QStringLiteral("kvir")}, RememberedLanguage());
  QCOMPARE(line.options.language, Language::kRussian);
  SetLanguage(line.options.language);
  ShownMainWindow shown;
  QCOMPARE(shown.window.findChild<QPushButton*>(QStringLiteral("btnHelp"))->text(),
           QStringLiteral("Помощь"));
  QCOMPARE(HelpTitle(shown), QStringLiteral("KVIR - Помощь"));
}

// The switch is kept in the settings file and read back at the next start; --lang is not kept.
void TestLanguage::choiceRemembered() {
  QCOMPARE(RememberedLanguage(), Language::kRussian);
  const CommandLine once = ParseCommandLine({"kvir", "--lang", "en"}, RememberedLanguage());
  SetLanguage(once.options.language);
  QCOMPARE(RememberedLanguage(), Language::kRussian);

  SwitchLanguage(Language::kEnglish);
  QCOMPARE(CurrentLanguage(), Language::kEnglish);
  QVERIFY(QFile::exists(settingsDir_.filePath(QStringLiteral("kvir/kvir.conf"))));
  QCOMPARE(RememberedLanguage(), Language::kEnglish);
  QCOMPARE(ParseCommandLine({"kvir"}, RememberedLanguage()).options.language, Language::kEnglish);
  SwitchLanguage(Language::kRussian);
  QCOMPARE(RememberedLanguage(), Language::kRussian);
}

void TestLanguage::switchRowSwitchesAndRemembers_data() {
  QTest::addColumn<bool>("fromMenu");
  QTest::newRow("Ctrl+Shift+L") << false;
  QTest::newRow("the menu's row") << true;
}

// The row "Язык / Language" switches at once, both ways, and the choice is kept for the next
// start; its text reads the same in both languages.
void TestLanguage::switchRowSwitchesAndRemembers() {
  QFETCH(bool, fromMenu);
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  QVERIFY(shown.activate());
  QAction* row = nullptr;
  for (QAction* action : shown.window.findChild<QMenu*>(QStringLiteral("panelMenu"))->actions()) {
    if (action->text() == kBothLanguages) row = action;
  }
  QVERIFY(row != nullptr);
  QCOMPARE(row->shortcut().toString(QKeySequence::PortableText), QStringLiteral("Ctrl+Shift+L"));
  const auto use = [&] {
    if (fromMenu) {
      row->trigger();
    } else {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_L,
                      Qt::ControlModifier | Qt::ShiftModifier);
    }
    QCoreApplication::processEvents();
  };
  const QStringList russianTitles = ListTitles(shown.window);
  use();
  QCOMPARE(CurrentLanguage(), Language::kEnglish);
  QCOMPARE(RememberedLanguage(), Language::kEnglish);
  QCOMPARE(HelpTitle(shown), QStringLiteral("KVIR - Help"));
  QCOMPARE(WithCyrillic(ListTitles(shown.window) + WindowTexts()), QStringList());
  QCOMPARE(row->text(), kBothLanguages);
  use();
  QCOMPARE(CurrentLanguage(), Language::kRussian);
  QCOMPARE(RememberedLanguage(), Language::kRussian);
  QCOMPARE(HelpTitle(shown), QStringLiteral("KVIR - Помощь"));
  QCOMPARE(ListTitles(shown.window), russianTitles);
}

void TestLanguage::unknownRememberedLanguageIsRussian() {
  QSettings(settingsDir_.filePath(QStringLiteral("kvir/kvir.conf")), QSettings::NativeFormat)
      .setValue(QStringLiteral("language"), QStringLiteral("de"));
  QCOMPARE(RememberedLanguage(), Language::kRussian);
}

void TestLanguage::qtTextsInTheWindowsLanguage_data() {
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("save");
  QTest::addColumn<QString>("cancel");
  QTest::addColumn<QString>("enter");
  QTest::addColumn<QString>("folder");
  QTest::newRow("Russian") << Language::kRussian << QStringLiteral("Сохранить")
                           << QStringLiteral("Отмена") << QStringLiteral("Enter")
                           << QStringLiteral("Папка");
  QTest::newRow("English") << Language::kEnglish << QStringLiteral("Save")
                           << QStringLiteral("Cancel") << QStringLiteral("Return")
                           << QStringLiteral("Folder");
}

// Qt's own texts (its dialogs, standard buttons, the key names of the menu) follow the language,
// both ways; Return reads as Russian keyboards print it, and the file dialog's type of a folder,
// which Qt's own Russian translation lacks, is Russian too.
void TestLanguage::qtTextsInTheWindowsLanguage() {
  QFETCH(Language, language);
  QFETCH(QString, save);
  QFETCH(QString, cancel);
  QFETCH(QString, enter);
  QFETCH(QString, folder);
  const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  QVERIFY2(QFile::exists(translations + QStringLiteral("/qtbase_ru.qm")),
           qPrintable(translations + ": no qtbase_ru.qm; install qt6-translations-l10n"));
  Switch(language == Language::kRussian ? Language::kEnglish : Language::kRussian);
  Switch(language);
  const QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
  QCOMPARE(box.button(QDialogButtonBox::Save)->text(), save);
  QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), cancel);
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const auto* buttons = dialog.findChild<QDialogButtonBox*>();
  QVERIFY(buttons != nullptr);
  QCOMPARE(buttons->buttons().front()->text().remove(QLatin1Char('&')), save);
  QCOMPARE(QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText), enter);
  QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText),
           QStringLiteral("Ctrl+S"));
  QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), folder);
  // The dialogs' file types and dates.
  QCOMPARE(QLocale().language(),
           language == Language::kRussian ? QLocale::Russian : QLocale::English);
}

int main(int argc, char* argv[]) {
  qputenv("LANG", "en_US.UTF-8");
  qputenv("LC_ALL", "en_US.UTF-8");
  qputenv("LANGUAGE", "en_US:en");
  QApplication app(argc, argv);
  TestLanguage test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
