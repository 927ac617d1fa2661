// The clear view in the window: its switch (Ctrl+Shift+V, the menu's ticked row), the choice
// remembered for the next starts, kvir --clear-view, and the panel pixel for pixel the render of
// kvir-cli render --clear-view.

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/panel/panelactions.h"
#include "app/prefs/options.h"
#include "app/prefs/settings.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

/// `kvir-cli render N BUTTONS… [--clear-view]` decoded; null when the tool failed.
QImage CliRender(int n, QStringList buttons, bool clear) {
  if (clear) buttons << QStringLiteral("--clear-view");
  return CliRenderImage(n, buttons);
}

QAction* ClearViewAction(ShownMainWindow& shown) {
  for (QAction* action : shown.window.findChild<QMenu*>(QStringLiteral("panelMenu"))->actions()) {
    if (action->text() == QStringLiteral("Чёткий вид")) return action;
  }
  return nullptr;
}

void PressButtons(ShownMainWindow& shown, int n, const QStringList& buttons) {
  for (const QString& name : buttons) {
    kSchemeTable[n - 1].press(shown.set.scheme(n), shown.set.scheme(n).At(name.toStdString()));
  }
  shown.panel(n)->showModel();
}

void Toggle(ShownMainWindow& shown, bool fromMenu) {
  if (fromMenu) {
    ClearViewAction(shown)->trigger();
  } else {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V,
                    Qt::ControlModifier | Qt::ShiftModifier);
  }
}

}  // namespace

class TestClearView : public MainWindowTest {
  Q_OBJECT

 public:
  // Windows of their own: one after another, or one started in the clear view.
  TestClearView() : MainWindowTest({"choiceRemembered", "commandLineStartsInTheClearView"}) {}

 private slots:
  void initTestCase();
  void cleanup();
  void switchIsInTheMenuUnticked();
  void switchShowsTheCliRender_data();
  void switchShowsTheCliRender();
  void pressesInTheClearViewShowTheCliRender();
  void choiceRemembered();
  void commandLineStartsInTheClearView();

 private:
  QTemporaryDir settingsDir_;
};

// The user's own settings stay out of reach.
void TestClearView::initTestCase() {
  QVERIFY(settingsDir_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

void TestClearView::cleanup() {
  MainWindowTest::cleanup();
  QFile::remove(settingsDir_.filePath(QStringLiteral("kvir/kvir.conf")));
}

void TestClearView::switchIsInTheMenuUnticked() {
  QAction* action = ClearViewAction(shown());
  QVERIFY(action != nullptr);
  QVERIFY(action->isCheckable());
  QVERIFY(!action->isChecked());
  QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+V")));
  QCOMPARE(ShownSchemeArea(shown().window), CliRender(1, {}, false));
}

void TestClearView::switchShowsTheCliRender_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<bool>("fromMenu");
  QTest::newRow("01 by keys") << 1 << QStringList{"IN05"} << false;
  QTest::newRow("06 from the menu") << 6 << QStringList{"IN01"} << true;
  QTest::newRow("13 by keys") << 13 << QStringList{"IN00", "IN03"} << false;
  QTest::newRow("16 from the menu") << 16 << QStringList{} << true;
}

// On, the shown scheme is kvir-cli's clear render of the same state, no level changed; off again,
// its plain render.
void TestClearView::switchShowsTheCliRender() {
  QFETCH(int, scheme);
  QFETCH(QStringList, buttons);
  QFETCH(bool, fromMenu);

  QVERIFY(shown().activate());
  shown().choose(scheme);
  PressButtons(shown(), scheme, buttons);
  const std::vector<int32_t> cells = Cells(shown().set.scheme(scheme));
  const QImage plain = CliRender(scheme, buttons, false);
  const QImage clear = CliRender(scheme, buttons, true);
  QVERIFY(!clear.isNull());
  QVERIFY(plain != clear);
  QTRY_COMPARE(ShownSchemeArea(shown().window), plain);

  Toggle(shown(), fromMenu);
  QVERIFY(ClearViewAction(shown())->isChecked());
  QTRY_COMPARE(ShownSchemeArea(shown().window), clear);
  QCOMPARE(Cells(shown().set.scheme(scheme)), cells);
  const PictureControl& control = shown().shown(scheme).picture();
  QCOMPARE(shown()
               .panel(scheme)
               ->findChild<QWidget*>(QStringLiteral("Scheme") + TwoDigits(scheme))
               ->geometry(),
           QRect(control.left, control.top, control.width, control.height));

  Toggle(shown(), fromMenu);
  QVERIFY(!ClearViewAction(shown())->isChecked());
  QTRY_COMPARE(ShownSchemeArea(shown().window), plain);
  QCOMPARE(Cells(shown().set.scheme(scheme)), cells);
}

// Presses and a change of scheme keep the clear view.
void TestClearView::pressesInTheClearViewShowTheCliRender() {
  ClearViewAction(shown())->trigger();
  QTest::mouseClick(shown().panel(1)->findChild<QWidget*>(QStringLiteral("IN02")), Qt::LeftButton);
  QTRY_COMPARE(ShownSchemeArea(shown().window), CliRender(1, {"IN02"}, true));
  shown().choose(11);
  QTest::mouseClick(shown().panel(11)->findChild<QWidget*>(QStringLiteral("IN03")), Qt::LeftButton);
  QTRY_COMPARE(ShownSchemeArea(shown().window), CliRender(11, {"IN03"}, true));
}

void TestClearView::choiceRemembered() {
  QVERIFY(!RememberedClearView());
  {
    ShownMainWindow shown;
    QVERIFY(shown.exposed);
    ClearViewAction(shown)->trigger();
    QVERIFY(RememberedClearView());
    ClearViewAction(shown)->trigger();
    QVERIFY(!RememberedClearView());
    ClearViewAction(shown)->trigger();
  }
  QVERIFY(RememberedClearView());
  // Turned on from outside (the command line), the choice is not written over.
  RememberClearView(false);
  ShownMainWindow shown;
  shown.window.setClearView(true);
  QVERIFY(ClearViewAction(shown)->isChecked());
  QVERIFY(!RememberedClearView());
}

// kvir --clear-view: the window comes up in the clear view, exactly kvir-cli's render.
void TestClearView::commandLineStartsInTheClearView() {
  QVERIFY(ParseCommandLine({"kvir", "--clear-view"}).options.clearView);
  QVERIFY(!ParseCommandLine({"kvir"}).options.clearView);
  QVERIFY(ProgramHelp().contains(QStringLiteral("--clear-view")));
  SchemeSet set;
  PanelPictureSet pictures(set);
  Tfrm00 window(set, pictures);
  window.setClearView(true);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTRY_COMPARE(ShownSchemeArea(window), CliRender(1, {}, true));
}

QTEST_MAIN(TestClearView)
#include "tst_clearview.moc"
