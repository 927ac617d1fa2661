// What a screen reader learns of a panel: each indicator an accessible object with its name,
// its role and its level, following every press.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QTest>

#include "app/prefs/language.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

QAccessibleInterface* Accessible(SchemePanel* panel, const QString& name) {
  return QAccessible::queryAccessibleInterface(panel->findChild<QWidget*>(name));
}

}  // namespace

class TestAccessibility : public MainWindowTest {
  Q_OBJECT

 public:
  // A panel of its own, without the window.
  TestAccessibility() : MainWindowTest({"panelListsEveryIndicator"}) {}

 private slots:
  void panelListsEveryIndicator_data();
  void panelListsEveryIndicator();
  void indicatorsSpeakNameAndLevel_data();
  void indicatorsSpeakNameAndLevel();
  void pressActionPresses();
  void englishWhenTheProgramSpeaksEnglish();
};

void TestAccessibility::panelListsEveryIndicator_data() {
  QTest::addColumn<int>("scheme");
  for (int n : {1, 8, 16}) QTest::newRow(qPrintable(TwoDigits(n))) << n;
}

// The panel's accessible children are the picture, then every indicator in stacking order.
void TestAccessibility::panelListsEveryIndicator() {
  QFETCH(int, scheme);
  SchemeSet set;
  PanelPictures pictures(set.scheme(scheme));
  SchemePanel panel(pictures, kSchemeTable[scheme - 1].press, nullptr);
  QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&panel);
  QVERIFY(whole != nullptr);
  const std::span<const Indicator> indicators = std::as_const(set.scheme(scheme)).indicators();
  QCOMPARE(whole->childCount(), int(indicators.size()) + 1);
  for (size_t i = 0; i < indicators.size(); ++i) {
    QAccessibleInterface* child = whole->child(int(i) + 1);
    QCOMPARE(child->object()->objectName(), QString::fromStdString(indicators[i].name));
    QCOMPARE(child->role(), indicators[i].is_button ? QAccessible::Button : QAccessible::Indicator);
    QVERIFY(child->valueInterface() != nullptr);
    QVERIFY(!child->text(QAccessible::Name).isEmpty());
  }
}

void TestAccessibility::indicatorsSpeakNameAndLevel_data() {
  QTest::addColumn<QString>("press");
  QTest::addColumn<QString>("indicator");
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("value");

  QTest::newRow("selected: Y0 pressed") << ""
                                        << "IN00"
                                        << "Y0, вход, 1" << 1;
  QTest::newRow("selected: Y3 released") << ""
                                         << "IN03"
                                         << "Y3, вход, 0" << 0;
  QTest::newRow("selected: X1 low") << ""
                                    << "OUT01"
                                    << "X1, выход, 0" << 0;
  QTest::newRow("Y3 pressed") << "IN03"
                              << "IN03"
                              << "Y3, вход, 1" << 1;
  QTest::newRow("Y3 pressed: Y0 released") << "IN03"
                                           << "IN00"
                                           << "Y0, вход, 0" << 0;
  QTest::newRow("Y3 pressed: X1 high") << "IN03"
                                       << "OUT01"
                                       << "X1, выход, 1" << 1;
  QTest::newRow("Y3 pressed: X2 low") << "IN03"
                                      << "OUT02"
                                      << "X2, выход, 0" << 0;
  QTest::newRow("Y3 pressed: bus line 3") << "IN03"
                                          << "BUS03"
                                          << "3, шина, 1" << 1;
}

void TestAccessibility::indicatorsSpeakNameAndLevel() {
  QFETCH(QString, press);
  QFETCH(QString, indicator);
  QFETCH(QString, name);
  QFETCH(int, value);

  SchemePanel* panel = shown().panel(1);
  if (!press.isEmpty()) QTest::mousePress(panel->findChild<QWidget*>(press), Qt::LeftButton);
  QAccessibleInterface* speaker = Accessible(panel, indicator);
  QVERIFY(speaker != nullptr);
  QCOMPARE(speaker->text(QAccessible::Name), name);
  QCOMPARE(speaker->text(QAccessible::Value), QString::number(value));
  QCOMPARE(speaker->valueInterface()->currentValue().toInt(), value);
}

// A screen reader's press action is one press, as a click.
void TestAccessibility::pressActionPresses() {
  SchemePanel* panel = shown().panel(1);
  PressCounter counter(shown().set.scheme(1));
  QAccessibleInterface* y5 = Accessible(panel, QStringLiteral("IN05"));
  QVERIFY(y5->actionInterface() != nullptr);
  QVERIFY(y5->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  y5->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(counter.presses, 1);
  QCOMPARE(y5->valueInterface()->currentValue().toInt(), 1);
  QAccessibleInterface* lamp = Accessible(panel, QStringLiteral("OUT00"));
  QVERIFY(lamp->actionInterface() == nullptr || !lamp->actionInterface()->actionNames().contains(
                                                    QAccessibleActionInterface::pressAction()));
}

void TestAccessibility::englishWhenTheProgramSpeaksEnglish() {
  SetLanguage(Language::kEnglish);
  const QString english =
      Accessible(shown().panel(1), QStringLiteral("OUT01"))->text(QAccessible::Name);
  SetLanguage(Language::kRussian);
  QCOMPARE(english, QStringLiteral("X1, output, 0"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
