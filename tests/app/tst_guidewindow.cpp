// The guide: opened by Ctrl+F1 and by its row in the panel's menu, right after the help's; lists
// every action of the menu with its shortcut as the menu shows it, and tells of each in its
// text, in the windows' language, and follows a switch of language; Esc closes it. Ctrl+C in it
// (and in "О схеме") copies the selected text, not the main window's picture.

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

#include "app/windows/aboutwindow.h"
#include "app/windows/guidewindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

GuideWindow* Guide(ShownMainWindow& shown) {
  return shown.window.findChild<GuideWindow*>(QStringLiteral("frmGuide"));
}

// The guide's text, one line per table cell and paragraph.
QString GuideText(ShownMainWindow& shown) {
  return Guide(shown)->findChild<QTextBrowser*>(QStringLiteral("memGuide"))->toPlainText();
}

// The rows of kPanelActions whose text or shortcut the guide leaves out, or puts apart.
QStringList MissingActions(const QString& guide) {
  const QStringList lines = guide.split(QLatin1Char('\n'));
  QStringList missing;
  for (const PanelActionRow& row : kPanelActions) {
    const QString keys = ShortcutOf(row).toString(QKeySequence::NativeText);
    const qsizetype at = lines.indexOf(keys);
    if (at < 0 || at + 1 >= lines.size() || !lines[at + 1].startsWith(TextOf(row))) {
      missing << keys + QLatin1Char(' ') + TextOf(row);
    }
  }
  return missing;
}

}  // namespace

class TestGuideWindow : public MainWindowTest {
  Q_OBJECT

 private slots:
  void cleanup();
  void rowFollowsHelpInTheMenu();
  void everyActionWithItsShortcut_data();
  void everyActionWithItsShortcut();
  void followsTheLanguage();
  void escapeCloses();
  void narrowWindowKeepsWordsWhole();
  void textTellsOfEveryKey_data();
  void textTellsOfEveryKey();
  void ctrlCCopiesSelectedText_data();
  void ctrlCCopiesSelectedText();
};

void TestGuideWindow::cleanup() {
  Switch(Language::kRussian);
}

void TestGuideWindow::rowFollowsHelpInTheMenu() {
  Switch(Language::kRussian);
  const QList<QAction*> rows =
      shown().window.findChild<QMenu*>(QStringLiteral("panelMenu"))->actions();
  QCOMPARE(rows.at(0)->text(), QStringLiteral("Помощь"));
  QCOMPARE(rows.at(1)->text(), QStringLiteral("Руководство"));
  QCOMPARE(rows.at(1)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
  QCOMPARE(Guide(shown()), nullptr);
  rows.at(1)->trigger();
  QVERIFY(Guide(shown()) != nullptr);
  QVERIFY(Guide(shown())->isVisible());
  QVERIFY(!Guide(shown())->isModal());
}

void TestGuideWindow::everyActionWithItsShortcut_data() {
  QTest::addColumn<Language>("language");
  QTest::addColumn<QString>("enterKey");
  QTest::newRow("Russian") << Language::kRussian << QStringLiteral("Enter");
  QTest::newRow("English") << Language::kEnglish << QStringLiteral("Return");
}

void TestGuideWindow::everyActionWithItsShortcut() {
  QFETCH(Language, language);
  QFETCH(QString, enterKey);
  Switch(language);
  QVERIFY(shown().activate());
  QTest::keyClick(&shown().window, Qt::Key_F1, Qt::ControlModifier);
  QVERIFY(Guide(shown()) != nullptr);
  QTRY_VERIFY(Guide(shown())->isVisible());
  const QString guide = GuideText(shown());
  QCOMPARE(MissingActions(guide), QStringList());
  // The panel's own keys, named as the menu names keys.
  for (const QString& key :
       {QKeySequence(Qt::Key_Tab).toString(QKeySequence::NativeText),
        QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText), enterKey}) {
    QVERIFY2(guide.contains(key), qPrintable(key));
  }
  // Each text in the windows' language: English has no Cyrillic but the switch's own words.
  const bool cyrillic = QString(guide)
                            .remove(QStringLiteral("Язык / Language"))
                            .contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")));
  QCOMPARE(cyrillic, language == Language::kRussian);
}

void TestGuideWindow::followsTheLanguage() {
  Switch(Language::kRussian);
  GuideWindow* guide = GuideWindow::showFor(shown().window.placement());
  const QString russian = GuideText(shown());
  QCOMPARE(guide->windowTitle(), QStringLiteral("KVIR - Руководство"));
  Switch(Language::kEnglish);
  QCOMPARE(guide->windowTitle(), QStringLiteral("KVIR - Guide"));
  QCOMPARE(MissingActions(GuideText(shown())), QStringList());
  Switch(Language::kRussian);
  QCOMPARE(GuideText(shown()), russian);
  QCOMPARE(GuideWindow::showFor(shown().window.placement()), guide);
}

void TestGuideWindow::escapeCloses() {
  GuideWindow* guide = GuideWindow::showFor(shown().window.placement());
  QVERIFY(QTest::qWaitForWindowActive(guide));
  QTest::keyClick(guide->focusWidget() != nullptr ? guide->focusWidget() : guide, Qt::Key_Escape);
  QTRY_VERIFY(!guide->isVisible());
}

// In a window too narrow for the two columns each key stands above what it does, in paragraphs;
// widened again, the tables come back.
void TestGuideWindow::narrowWindowKeepsWordsWhole() {
  GuideWindow* guide = GuideWindow::showFor(shown().window.placement());
  const auto tables = [guide] {
    auto* text = guide->findChild<QTextBrowser*>(QStringLiteral("memGuide"));
    int count = 0;
    for (QTextFrame* frame : text->document()->rootFrame()->childFrames()) {
      count += qobject_cast<QTextTable*>(frame) != nullptr;
    }
    return count;
  };
  guide->resize(700, guide->height());
  QTRY_VERIFY(tables() > 0);
  const QString wide = GuideText(shown());
  guide->resize(260, guide->height());
  QTRY_COMPARE(tables(), 0);
  const QString narrow = GuideText(shown());
  for (const PanelActionRow& row : kPanelActions) {
    QVERIFY2(narrow.contains(TextOf(row)), qPrintable(TextOf(row)));
  }
  guide->resize(700, guide->height());
  QTRY_VERIFY(tables() > 0);
  QCOMPARE(GuideText(shown()), wide);
}

void TestGuideWindow::textTellsOfEveryKey_data() {
  QTest::addColumn<Language>("language");
  QTest::newRow("Russian") << Language::kRussian;
  QTest::newRow("English") << Language::kEnglish;
}

// Beyond the table of commands, the text tells of each of them (Ctrl+9, the report's pictures,
// the teacher's dialog, Pause …): each shortcut shows at least twice.
void TestGuideWindow::textTellsOfEveryKey() {
  QFETCH(Language, language);
  Switch(language);
  GuideWindow::showFor(shown().window.placement());
  const QString guide = GuideText(shown());
  QStringList once;
  for (const PanelActionRow& row : kPanelActions) {
    const QString keys = ShortcutOf(row).toString(QKeySequence::NativeText);
    if (guide.count(keys) < 2) once << keys + QLatin1Char(' ') + TextOf(row);
  }
  QCOMPARE(once, QStringList());
}

void TestGuideWindow::ctrlCCopiesSelectedText_data() {
  QTest::addColumn<QString>("window");
  QTest::addColumn<QString>("view");
  QTest::newRow("guide") << QStringLiteral("frmGuide") << QStringLiteral("memGuide");
  QTest::newRow("О схеме") << QStringLiteral("frmAbout") << QStringLiteral("memAbout");
}

// With a scheme shown, whose picture the main window's Ctrl+C would copy, Ctrl+C in the side
// window's text puts the words selected there on the clipboard, and no picture.
void TestGuideWindow::ctrlCCopiesSelectedText() {
  QFETCH(QString, window);
  QFETCH(QString, view);
  QVERIFY(shown().window.shownScheme() != 0);
  if (window == QLatin1String("frmGuide")) {
    GuideWindow::showFor(shown().window.placement());
  } else {
    shown().window.aboutWindow()->showBeside();
  }
  auto* side = shown().window.findChild<QWidget*>(window);
  QVERIFY(side != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(side));
  side->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(side));
  auto* text = side->findChild<QWidget*>(view);
  QVERIFY(text != nullptr);
  QTextCursor cursor(qobject_cast<QTextEdit*>(text) != nullptr
                         ? qobject_cast<QTextEdit*>(text)->document()
                         : qobject_cast<QPlainTextEdit*>(text)->document());
  cursor.movePosition(QTextCursor::NextWord, QTextCursor::MoveAnchor, 1);
  cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, 2);
  const QString selected = cursor.selection().toPlainText();
  QVERIFY(!selected.trimmed().isEmpty());
  if (auto* browser = qobject_cast<QTextEdit*>(text)) {
    browser->setTextCursor(cursor);
  } else {
    qobject_cast<QPlainTextEdit*>(text)->setTextCursor(cursor);
  }
  text->setFocus();
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  QTRY_COMPARE(QGuiApplication::clipboard()->text(), selected);
  QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasImage());
  side->close();
}

QTEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
