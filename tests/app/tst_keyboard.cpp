// The keyboard: the focus order, the arrow keys, Space and Enter, and the focus frame, which the
// panel's own picture never contains.

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/panel/focusframe.h"
#include "app/panel/inputbuttonview.h"
#include "app/panel/panelpainter.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

/// Sends the keys, each a Qt::Key with its modifiers, to whatever holds the focus.
void Type(const QList<QKeyCombination>& keys) {
  for (QKeyCombination key : keys) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
  }
}

QString FocusedName() {
  QWidget* w = QApplication::focusWidget();
  if (w == nullptr) return {};
  // The list's text field holds the focus for the list.
  if (qobject_cast<QComboBox*>(w->parentWidget()) != nullptr) w = w->parentWidget();
  return w->objectName();
}

}  // namespace

Q_DECLARE_METATYPE(QList<QKeyCombination>)

class TestKeyboard : public MainWindowTest {
  Q_OBJECT

 private slots:
  void focusStartsOnTheListWithoutFrame();
  void keysMoveTheFocus_data();
  void keysMoveTheFocus();
  void spaceAndEnterPress_data();
  void spaceAndEnterPress();
  void tabTabDownSpacePressesY1();
  void mouseNeverTakesTheFocus();
};

// Started plainly nothing changes: the list has the focus, and no frame shows anywhere.
void TestKeyboard::focusStartsOnTheListWithoutFrame() {
  QVERIFY(shown().activate());
  QTRY_COMPARE(FocusedName(), QStringLiteral("cbxSelect"));
  QCOMPARE(shown().window.findChild<FocusFrame*>(), nullptr);
  QCOMPARE(ShownSchemeArea(shown().window), PanelImage(shown().shown(1)));
}

void TestKeyboard::keysMoveTheFocus_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QList<QKeyCombination>>("keys");
  QTest::addColumn<QString>("focused");

  const QKeyCombination tab(Qt::Key_Tab), back(Qt::ShiftModifier, Qt::Key_Tab);
  const QKeyCombination backtab(Qt::ShiftModifier, Qt::Key_Backtab);
  const QKeyCombination up(Qt::Key_Up), down(Qt::Key_Down), left(Qt::Key_Left);
  const QKeyCombination right(Qt::Key_Right);
  QTest::newRow("Tab: the help button") << 1 << QList{tab} << "btnHelp";
  QTest::newRow("Tab, Tab: the topmost button") << 1 << QList{tab, tab} << "IN00";
  QTest::newRow("then reading order down the column") << 1 << QList{tab, tab, tab, tab} << "IN02";
  QTest::newRow("past the last button back to the list")
      << 1 << QList{tab, tab, tab, tab, tab, tab, tab, tab, tab, tab} << "cbxSelect";
  QTest::newRow("Shift+Tab from the list: the last button") << 1 << QList{back} << "IN07";
  QTest::newRow("Backtab as Shift+Tab") << 1 << QList{backtab, backtab} << "IN06";
  QTest::newRow("Shift+Tab from the first button: the help button")
      << 1 << QList{tab, tab, back} << "btnHelp";
  QTest::newRow("Down") << 1 << QList{tab, tab, down, down} << "IN02";
  QTest::newRow("Up") << 1 << QList{tab, tab, down, down, up} << "IN01";
  QTest::newRow("Up at the top stays") << 1 << QList{tab, tab, up} << "IN00";
  QTest::newRow("Down at the bottom stays") << 1 << QList{back, down} << "IN07";
  QTest::newRow("Left with no column to the left stays") << 1 << QList{tab, tab, left} << "IN00";
  // Scheme 12: four buttons in one column, their lamps in others.
  QTest::newRow("scheme 12 reading order") << 12 << QList{tab, tab, tab, tab} << "IN02";
  // Scheme 8: four buttons in one column, the lowest first in its list.
  QTest::newRow("scheme 8 starts at the top") << 8 << QList{tab, tab} << "IN03";
  QTest::newRow("scheme 8 Down") << 8 << QList{tab, tab, down} << "IN02";
  QTest::newRow("scheme 8 Right: no column there") << 8 << QList{tab, tab, right} << "IN03";
}

void TestKeyboard::keysMoveTheFocus() {
  QFETCH(int, scheme);
  QFETCH(QList<QKeyCombination>, keys);
  QFETCH(QString, focused);

  QVERIFY(shown().activate());
  shown().choose(scheme);
  shown().list()->setFocus();
  QTRY_COMPARE(FocusedName(), QStringLiteral("cbxSelect"));
  Type(keys);
  QCOMPARE(FocusedName(), focused);
  const std::vector<int32_t> cells = Cells(shown().set.scheme(scheme));
  QCOMPARE(Cells(shown().set.scheme(scheme)), cells);  // moving the focus presses nothing
}

void TestKeyboard::spaceAndEnterPress_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("presses");
  QTest::newRow("Space") << int(Qt::Key_Space) << 1;
  QTest::newRow("Return") << int(Qt::Key_Return) << 1;
  QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << 1;
  QTest::newRow("another key") << int(Qt::Key_A) << 0;
}

void TestKeyboard::spaceAndEnterPress() {
  QFETCH(int, key);
  QFETCH(int, presses);

  Scheme& model = shown().set.scheme(1);
  auto* button = shown().panel(1)->findChild<InputButtonView*>(QStringLiteral("IN05"));
  button->setFocus(Qt::TabFocusReason);
  PressCounter counter(model);
  QTest::keyClick(button, Qt::Key(key));
  QCOMPARE(counter.presses, presses);
  // A held key repeats; a repeat is no new press.
  QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(button, &repeat);
  QCOMPARE(counter.presses, presses);
}

// Tab, Tab, Down, Space on scheme 1 presses Y1: the model is `kvir-cli state 1 IN01`, and the
// panel without its focus frame is `kvir-cli render 1 IN01`; on screen the frame rings Y1.
void TestKeyboard::tabTabDownSpacePressesY1() {
  QVERIFY(shown().activate());
  QTRY_COMPARE(FocusedName(), QStringLiteral("cbxSelect"));
  Type({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Space});

  const Scheme& model = shown().set.scheme(1);
  for (const QByteArray& line : RunCli({"state", "1", "IN01"}).split('\n')) {
    if (line.isEmpty()) continue;
    const QList<QByteArray> fields = line.split(' ');
    const Indicator* ind = const_cast<Scheme&>(model).Find(fields[0].toStdString());
    QVERIFY2(ind != nullptr, line.constData());
    QCOMPARE(QByteArray::number(ind->Tag), fields[1]);
    const std::string_view resource = shown().shown(1).shown_resource(IndexIn(model, *ind));
    QCOMPARE(QByteArray(resource.data(), qsizetype(resource.size())), fields[2]);
  }
  const QImage render = CliRenderImage(1, {"IN01"});
  QVERIFY(!render.isNull());
  QCOMPARE(PanelImage(shown().shown(1)), render);

  const QWidget* y1 = shown().panel(1)->findChild<QWidget*>(QStringLiteral("IN01"));
  const QRect ring = y1->geometry().adjusted(-FocusFrame::kWidth, -FocusFrame::kWidth,
                                             FocusFrame::kWidth, FocusFrame::kWidth);
  QImage screen = ShownSchemeArea(shown().window);
  QCOMPARE(screen.pixel(ring.left() + 1, ring.center().y()), FocusFrame::kColour);
  QCOMPARE(screen.pixel(y1->geometry().right() + 1, y1->y() + 1), FocusFrame::kColour);
  QCOMPARE(screen.copy(y1->geometry()), render.copy(y1->geometry()));  // the button is unhidden
  // Outside the ring the screen is the render.
  QPainter(&screen).drawImage(ring.topLeft(), render.copy(ring));
  QCOMPARE(screen, render);
}

// A click presses but leaves the focus where it was: no frame comes from the mouse.
void TestKeyboard::mouseNeverTakesTheFocus() {
  QVERIFY(shown().activate());
  QTRY_COMPARE(FocusedName(), QStringLiteral("cbxSelect"));
  QTest::mouseClick(shown().panel(1)->findChild<QWidget*>(QStringLiteral("IN03")), Qt::LeftButton);
  QCOMPARE(FocusedName(), QStringLiteral("cbxSelect"));
  QCOMPARE(shown().window.findChild<FocusFrame*>(), nullptr);
  QTRY_COMPARE(ShownSchemeArea(shown().window), PanelImage(shown().shown(1)));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
