// The actions around the program's first form: each with its shortcut, all listed in the context
// menu of a panel's free area; a right click on an input button stays a press.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QAction>
#include <QMenu>
#include <QTest>

#include "app/panel/panelactions.h"
#include "app/windows/helpwindow.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

/// The open context menu, or null.
QMenu* OpenMenu() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

/// Returns once every event posted before the call has been handled: a menu or a window that
/// what came before asked for is open by then.
void HandlePostedEvents(QObject* context) {
  bool reached = false;
  QMetaObject::invokeMethod(
      context, [&reached] { reached = true; }, Qt::QueuedConnection);
  QTRY_VERIFY(reached);
}

}  // namespace

class TestPanelActions : public MainWindowTest {
  Q_OBJECT

 private slots:
  void everyActionHasAShortcutOfItsOwn();
  void rightClickOnFreeAreaOpensMenu_data();
  void rightClickOnFreeAreaOpensMenu();
  void rightClickOnInputButtonPresses();
  void clickThatClosesMenuStillPresses();
  void doubleRightClickChoosesNothing();
  void f1OpensHelp_data();
  void f1OpensHelp();
};

// Every action in the menu answers a shortcut of its own from anywhere in the window (two actions
// sharing one would leave Qt firing neither), and reads as a whole text of its own in both
// languages.
void TestPanelActions::everyActionHasAShortcutOfItsOwn() {
  auto* menu = shown().window.findChild<QMenu*>(QStringLiteral("panelMenu"));
  QVERIFY(menu != nullptr);
  QVERIFY(!menu->actions().isEmpty());
  QSet<QString> keys;
  for (QAction* action : menu->actions()) {
    const QString key = action->shortcut().toString(QKeySequence::PortableText);
    QVERIFY2(!key.isEmpty(), qPrintable(action->text()));
    QVERIFY2(!keys.contains(key), qPrintable(key + " is shared"));
    keys.insert(key);
    QVERIFY2(shown().window.actions().contains(action), qPrintable(action->text()));
  }
  QVERIFY(keys.contains(QStringLiteral("F1")));
  QHash<QAction*, QString> russian;
  for (const Language language : {Language::kRussian, Language::kEnglish}) {
    Switch(language);
    QSet<QString> texts;
    for (QAction* action : menu->actions()) {
      QVERIFY(!action->text().isEmpty());
      QVERIFY2(!texts.contains(action->text()), qPrintable(action->text()));
      texts.insert(action->text());
      if (language == Language::kRussian) russian.insert(action, action->text());
      // The language switch reads in both languages; every other text is translated.
      if (language == Language::kEnglish && action != shown().action(PanelAction::kLanguage)) {
        QVERIFY2(action->text() != russian.value(action), qPrintable(action->text()));
      }
    }
  }
  Switch(Language::kRussian);
}

void TestPanelActions::rightClickOnFreeAreaOpensMenu_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QPoint>("at");
  QTest::newRow("bare panel") << "pnl01" << QPoint(700, 600);
  QTest::newRow("scheme picture") << "Scheme01" << QPoint(2, 2);
  QTest::newRow("lamp") << "OUT00" << QPoint(5, 5);
}

void TestPanelActions::rightClickOnFreeAreaOpensMenu() {
  QFETCH(QString, target);
  QFETCH(QPoint, at);

  PressCounter counter(shown().set.scheme(1));
  QTest::mouseClick(shown().window.findChild<QWidget*>(target), Qt::RightButton, {}, at);
  QTRY_VERIFY(OpenMenu() != nullptr);
  QMenu* menu = OpenMenu();
  QCOMPARE(menu->objectName(), QStringLiteral("panelMenu"));
  QCOMPARE(menu->actions().front()->text(), QStringLiteral("Помощь"));
  menu->close();
  QCOMPARE(counter.presses, 0);
}

void TestPanelActions::rightClickOnInputButtonPresses() {
  PressCounter counter(shown().set.scheme(1));
  QTest::mouseClick(shown().panel(1)->findChild<QWidget*>(QStringLiteral("IN05")), Qt::RightButton);
  QCOMPARE(counter.presses, 1);
  HandlePostedEvents(&shown().window);
  QCOMPARE(OpenMenu(), nullptr);
}

// The button-down that closes the menu reaches the input button beneath it.
void TestPanelActions::clickThatClosesMenuStillPresses() {
  PressCounter counter(shown().set.scheme(1));
  QTest::mouseClick(shown().panel(1), Qt::RightButton, {}, QPoint(700, 600));
  QTRY_VERIFY(OpenMenu() != nullptr);
  QTest::mouseClick(shown().panel(1)->findChild<QWidget*>(QStringLiteral("IN05")), Qt::LeftButton);
  QTRY_COMPARE(OpenMenu(), nullptr);
  QCOMPARE(counter.presses, 1);
  QCOMPARE(Cells(shown().set.scheme(1))[5], 1);
}

// The second click of a right double click, where the menu has just opened, chooses nothing
// from it.
void TestPanelActions::doubleRightClickChoosesNothing() {
  // The help window is modal: its loop runs what is posted next, and this closes it.
  int modals = 0;
  const auto closeModal = [&modals] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ++modals;
      modal->close();
    }
  };
  QMetaObject::invokeMethod(&shown().window, closeModal, Qt::QueuedConnection);
  QTest::mouseDClick(shown().panel(1), Qt::RightButton, {}, QPoint(700, 600));
  QMetaObject::invokeMethod(&shown().window, closeModal, Qt::QueuedConnection);
  HandlePostedEvents(&shown().window);
  QCOMPARE(modals, 0);
  if (QMenu* menu = OpenMenu()) menu->close();
}

void TestPanelActions::f1OpensHelp_data() {
  QTest::addColumn<bool>("fromMenu");
  QTest::newRow("F1") << false;
  QTest::newRow("the menu's item") << true;
}

// F1, or the menu's item, opens the help window as the help button does.
void TestPanelActions::f1OpensHelp() {
  QFETCH(bool, fromMenu);

  QVERIFY(shown().activate());
  QTRY_VERIFY(QApplication::focusWidget() != nullptr);
  bool opened = false;
  QTimer::singleShot(0, &shown().window, [&opened] {
    auto* help = qobject_cast<TfrmHelp*>(QApplication::activeModalWidget());
    opened = help != nullptr && help->objectName() == QStringLiteral("frmHelp");
    if (help != nullptr) help->accept();
  });
  if (fromMenu) {
    shown().window.findChild<QMenu*>(QStringLiteral("panelMenu"))->actions().front()->trigger();
  } else {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  }
  QVERIFY(opened);
}

QTEST_MAIN(TestPanelActions)
#include "tst_panelactions.moc"
