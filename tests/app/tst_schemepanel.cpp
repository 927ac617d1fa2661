// The scheme panels: what they hold, and how presses reach the model and the screen.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QComboBox>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "app/panel/inputbuttonview.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

enum class Click { kPress, kDoubleClick };

/// The cells of scheme n after its selection and `presses` presses of `button`.
std::vector<int32_t> CellsAfterPresses(int n, const QString& button, int presses) {
  SchemeSet set;
  HeadlessHost host;
  Scheme& scheme = set.scheme(n);
  kSchemeTable[n - 1].build(scheme);
  SelectScheme(set, host, static_cast<uint8_t>(n));
  for (int i = 0; i < presses; ++i)
    kSchemeTable[n - 1].press(scheme, scheme.At(button.toStdString()));
  return Cells(scheme);
}

// Counts the paint events of the widgets it watches, and the area the last one painted.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    ++paints[watched];
    painted[watched] += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QHash<QObject*, int> paints;
  QHash<QObject*, QRegion> painted;
};

/// Returns once `window` has repainted since the call: a paint of any of its widgets asked for
/// before the call has happened by then, for the window paints its widgets in one pass. The list
/// is what is repainted, for it lies beside the panels.
void WaitForRepaint(QWidget& window) {
  PaintCounter counter;
  QWidget* list = window.findChild<QWidget*>(QStringLiteral("cbxSelect"));
  QVERIFY(list != nullptr);
  list->installEventFilter(&counter);
  list->update();
  QTRY_VERIFY(counter.paints.value(list) > 0);
  list->removeEventFilter(&counter);
}

void ThrowingPress(Scheme&, Indicator&) {
  throw std::runtime_error("BUTTON1PNG: повреждена");
}

}  // namespace

class TestSchemePanel : public MainWindowTest {
  Q_OBJECT

 public:
  // A panel of its own, without the window.
  TestSchemePanel()
      : MainWindowTest({"panelHoldsPictureThenIndicators", "failedPressIsReported"}) {}

 private slots:
  void panelHoldsPictureThenIndicators_data();
  void panelHoldsPictureThenIndicators();
  void pressOnInputButton_data();
  void pressOnInputButton();
  void pressElsewhereChangesNothing_data();
  void pressElsewhereChangesNothing();
  void pressPaintsEachIndicatorOnce_data();
  void pressPaintsEachIndicatorOnce();
  void failedPressIsReported();
};

void TestSchemePanel::panelHoldsPictureThenIndicators_data() {
  QTest::addColumn<int>("scheme");
  for (int n = 1; n <= kSchemeCount; ++n) {
    QTest::newRow(qPrintable(TwoDigits(n))) << n;
  }
}

// Before any press the panel shows the bare scheme picture: indicators draw nothing yet.
void TestSchemePanel::panelHoldsPictureThenIndicators() {
  QFETCH(int, scheme);
  SchemeSet set;
  Scheme& model = set.scheme(scheme);
  PanelPictures pictures(model);
  pictures.LoadSchemePicture();
  const PictureControl& control = pictures.picture();
  SchemePanel panel(pictures, kSchemeTable[scheme - 1].press, nullptr);

  QCOMPARE(panel.objectName(), QStringLiteral("pnl") + TwoDigits(scheme));
  QCOMPARE(panel.size(), QSize(820, 665));
  const QObjectList& children = panel.children();
  QCOMPARE(children.size(), qsizetype(model.indicators().size() + 1));
  auto* picture = qobject_cast<QWidget*>(children.front());
  QCOMPARE(picture->objectName(), QStringLiteral("Scheme") + TwoDigits(scheme));
  QCOMPARE(picture->geometry(), QRect(control.left, control.top, control.width, control.height));
  for (size_t i = 0; i < model.indicators().size(); ++i) {
    const Indicator& ind = model.indicators()[i];
    auto* view = qobject_cast<QWidget*>(children[qsizetype(i) + 1]);
    QCOMPARE(view->objectName(), QString::fromStdString(ind.name));
    QCOMPARE(view->geometry(), QRect(ind.left, ind.top, 24, 24));
    QCOMPARE(qobject_cast<InputButtonView*>(view) != nullptr, ind.is_button);
  }

  QImage bare(panel.size(), QImage::Format_RGB32);
  bare.fill(Qt::white);
  QPainter(&bare).drawImage(picture->pos(), ResourceImage(SchemePictureName(scheme)));
  QCOMPARE(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), bare);
}

void TestSchemePanel::pressOnInputButton_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QString>("button");
  QTest::addColumn<Click>("click");
  QTest::addColumn<Qt::MouseButton>("mouseButton");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<int>("presses");

  const Qt::KeyboardModifiers none;
  QTest::newRow("left button") << 1 << "IN05" << Click::kPress << Qt::LeftButton << none << 1;
  QTest::newRow("right button") << 1 << "IN05" << Click::kPress << Qt::RightButton << none << 1;
  QTest::newRow("middle button") << 1 << "IN05" << Click::kPress << Qt::MiddleButton << none << 1;
  QTest::newRow("with shift and ctrl")
      << 1 << "IN05" << Click::kPress << Qt::LeftButton
      << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << 1;
  QTest::newRow("double click, one-hot")
      << 1 << "IN05" << Click::kDoubleClick << Qt::LeftButton << none << 2;
  for (int n = 1; n <= kSchemeCount; ++n) {
    const SchemeDef* def = kSchemeTable[n - 1].def;
    if (def->mode != InputMode::kToggle) continue;
    const QString first = QString::fromStdString(ExpandNames(def->buttons).front());
    QTest::addRow("double click on %s of toggle scheme %d undoes", qPrintable(first), n)
        << n << first << Click::kDoubleClick << Qt::LeftButton << none << 2;
  }
}

// Every button-down is one press, acted on at once; the screen then shows the new cells.
void TestSchemePanel::pressOnInputButton() {
  QFETCH(int, scheme);
  QFETCH(QString, button);
  QFETCH(Click, click);
  QFETCH(Qt::MouseButton, mouseButton);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(int, presses);

  shown().choose(scheme);
  Scheme& model = shown().set.scheme(scheme);
  auto* view = shown().panel(scheme)->findChild<InputButtonView*>(button);
  QVERIFY(view != nullptr);

  PressCounter counter(model);
  if (click == Click::kPress) {
    QTest::mousePress(view, mouseButton, modifiers);
    QCOMPARE(counter.presses, 1);
    QTest::mouseRelease(view, mouseButton, modifiers);
  } else {
    QTest::mouseDClick(view, mouseButton, modifiers);
  }
  QCOMPARE(counter.presses, presses);
  QCOMPARE(Cells(model), CellsAfterPresses(scheme, button, presses));
  if (model.def().mode == InputMode::kToggle && presses % 2 == 0) {
    QCOMPARE(Cells(model), SelectedCells(scheme));
  }
  QTRY_COMPARE(ShownSchemeArea(shown().window), ExpectedPanel(model));
}

void TestSchemePanel::pressElsewhereChangesNothing_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QPoint>("at");
  QTest::addColumn<Click>("click");

  QTest::newRow("lamp BUS03") << "BUS03" << QPoint() << Click::kPress;
  QTest::newRow("lamp OUT00, double click") << "OUT00" << QPoint() << Click::kDoubleClick;
  QTest::newRow("scheme picture") << "Scheme01" << QPoint(2, 2) << Click::kPress;
  QTest::newRow("scheme picture, double click")
      << "Scheme01" << QPoint(2, 2) << Click::kDoubleClick;
  QTest::newRow("bare panel") << "pnl01" << QPoint(700, 600) << Click::kPress;
}

void TestSchemePanel::pressElsewhereChangesNothing() {
  QFETCH(QString, target);
  QFETCH(QPoint, at);
  QFETCH(Click, click);

  Scheme& model = shown().set.scheme(1);
  auto* widget = shown().window.findChild<QWidget*>(target);
  QVERIFY(widget != nullptr);
  const std::vector<int32_t> before = Cells(model);

  PressCounter counter(model);
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    if (click == Click::kPress) QTest::mouseClick(widget, button, {}, at);
    if (click == Click::kDoubleClick) QTest::mouseDClick(widget, button, {}, at);
    // A right click here opens the panel's menu; the next click must not choose from it.
    CloseMenu();
  }
  QCOMPARE(counter.presses, 0);
  QCOMPARE(Cells(model), before);
}

void TestSchemePanel::pressPaintsEachIndicatorOnce_data() {
  QTest::addColumn<int>("scheme");
  QTest::addColumn<QString>("button");
  QTest::newRow("scheme 01") << 1 << "IN05";
  QTest::newRow("scheme 08, 92 indicators") << 8 << "IN02";
}

// One press, one repaint: the panel paints once, over every indicator, and its views, which
// paint nothing themselves, are not painted at all.
void TestSchemePanel::pressPaintsEachIndicatorOnce() {
  QFETCH(int, scheme);
  QFETCH(QString, button);

  shown().choose(scheme);
  SchemePanel* panel = shown().panel(scheme);
  const QList<PictureView*> views = panel->findChildren<PictureView*>();
  QCOMPARE(views.size(), qsizetype(shown().set.scheme(scheme).indicators().size() + 1));
  WaitForRepaint(shown().window);  // the choice's own paints are done
  PaintCounter counter;
  panel->installEventFilter(&counter);
  for (PictureView* view : views) view->installEventFilter(&counter);

  QTest::mousePress(panel->findChild<QWidget*>(button), Qt::LeftButton);
  QTRY_COMPARE(counter.paints.value(panel), 1);
  WaitForRepaint(shown().window);  // a second paint asked for by the press would have come
  QCOMPARE(counter.paints.value(panel), 1);
  for (PictureView* view : views.mid(1)) {
    QVERIFY2(counter.painted.value(panel).contains(view->geometry()),
             qPrintable(view->objectName()));
  }
  for (PictureView* view : views) QCOMPARE(counter.paints.value(view), 0);
}

// A press that fails in the model (a damaged picture) is reported, not thrown through Qt.
void TestSchemePanel::failedPressIsReported() {
  SchemeSet set;
  PanelPictures pictures(set.scheme(1));
  SchemePanel panel(pictures, ThrowingPress, nullptr);
  panel.show();
  QVERIFY(QTest::qWaitForWindowExposed(&panel));
  QSignalSpy failures(&panel, &SchemePanel::modelFailed);

  QTest::mousePress(panel.findChild<QWidget*>(QStringLiteral("IN03")), Qt::LeftButton);
  QCOMPARE(failures.size(), 1);
  QCOMPARE(failures.front().front().toString(), QStringLiteral("BUTTON1PNG: повреждена"));
}

QTEST_MAIN(TestSchemePanel)
#include "tst_schemepanel.moc"
