// The "О схеме" window: Shift+F1 or the menu's row opens it beside the main window, not modal;
// it explains the scheme shown in the program's language and follows each change of either.

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "app/prefs/language.h"
#include "app/windows/aboutwindow.h"
#include "circuit/scheme_texts.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

AboutWindow* AboutOf(ShownMainWindow& shown) {
  return shown.window.aboutWindow();
}

QString Shown(AboutWindow* about, const char* child) {
  if (auto* label = about->findChild<QLabel*>(QLatin1String(child))) return label->text();
  return about->findChild<QPlainTextEdit*>(QLatin1String(child))->toPlainText();
}

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window explains scheme n in `language`: its title, then every paragraph of its text.
void ExpectScheme(AboutWindow* about, int n, Language language) {
  QCOMPARE(Shown(about, "lblTitle"), Utf8(SchemeTitle(n, language)));
  const QStringList paragraphs = Utf8(AboutScheme(n, language)).trimmed().split(QLatin1Char('\n'));
  QCOMPARE(Shown(about, "memAbout").split(QStringLiteral("\n\n")), paragraphs);
}

}  // namespace

class TestAboutWindow : public MainWindowTest {
  Q_OBJECT

 public:
  // The language is switched before the window is made.
  TestAboutWindow() : MainWindowTest({"shiftF1OpensTheShownScheme"}) {}

 private slots:
  void cleanup() {
    MainWindowTest::cleanup();
    Switch(Language::kRussian);
  }
  void shiftF1OpensTheShownScheme_data();
  void shiftF1OpensTheShownScheme();
  void menuRowOpensIt();
  void followsTheSchemeAndTheLanguage();
  void saysSoWhenNoSchemeIsShown();
};

void TestAboutWindow::shiftF1OpensTheShownScheme_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<Language>("language");
  for (int n : {1, 2, 8, 10, 11, 14, 16}) {
    QTest::addRow("%02d Russian", n) << n << Language::kRussian;
    QTest::addRow("%02d English", n) << n << Language::kEnglish;
  }
}

void TestAboutWindow::shiftF1OpensTheShownScheme() {
  QFETCH(int, scheme);
  QFETCH(Language, language);
  Switch(language);
  ShownMainWindow shown;
  QVERIFY(shown.exposed);
  QVERIFY(shown.activate());
  shown.choose(scheme);
  AboutWindow* about = AboutOf(shown);
  QVERIFY(!about->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
  QVERIFY(about->isVisible());
  QVERIFY(!about->isModal());
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  ExpectScheme(about, scheme, language);
  QCOMPARE(about->windowTitle(), language == Language::kEnglish
                                     ? QStringLiteral("KVIR - About the scheme")
                                     : QStringLiteral("KVIR - О схеме"));
}

void TestAboutWindow::menuRowOpensIt() {
  QAction* row = nullptr;
  for (QAction* action : shown().window.findChild<QMenu*>(QStringLiteral("panelMenu"))->actions()) {
    if (action->text() == QStringLiteral("О схеме")) row = action;
  }
  QVERIFY(row != nullptr);
  QCOMPARE(row->shortcut(), QKeySequence(QStringLiteral("Shift+F1")));
  row->trigger();
  QVERIFY(AboutOf(shown())->isVisible());
  ExpectScheme(AboutOf(shown()), 1, Language::kRussian);
}

// While open, it follows the list and the language switch both ways; a press changes nothing.
void TestAboutWindow::followsTheSchemeAndTheLanguage() {
  AboutWindow* about = AboutOf(shown());
  about->showBeside();
  shown().choose(13);
  ExpectScheme(about, 13, Language::kRussian);
  QTest::mouseClick(shown().panel(13)->findChild<QWidget*>(QStringLiteral("IN02")), Qt::LeftButton);
  ExpectScheme(about, 13, Language::kRussian);
  Switch(Language::kEnglish);
  ExpectScheme(about, 13, Language::kEnglish);
  shown().choose(4);
  ExpectScheme(about, 4, Language::kEnglish);
  Switch(Language::kRussian);
  ExpectScheme(about, 4, Language::kRussian);
}

// Text typed into the list that names no scheme empties the scheme area: nothing to explain.
void TestAboutWindow::saysSoWhenNoSchemeIsShown() {
  QTest::keyClicks(shown().list()->lineEdit(), QStringLiteral("x"));
  QCOMPARE(shown().placedScheme(), 0);
  AboutWindow* about = AboutOf(shown());
  QCOMPARE(about->scheme(), 0);
  QCOMPARE(Shown(about, "memAbout"), QStringLiteral("Схема не выбрана."));
  QCOMPARE(Shown(about, "lblTitle"), QString());
  Switch(Language::kEnglish);
  QCOMPARE(Shown(about, "memAbout"), QStringLiteral("No scheme is chosen."));
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
