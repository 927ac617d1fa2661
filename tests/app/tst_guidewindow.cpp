// The guide: opened by Ctrl+F1 and by its row in the panel's menu, right after the help's; lists
// every action of the menu with its shortcut as the menu shows it, in the windows' language, and
// follows a switch of language; Esc closes it.

#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>

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

QTEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
