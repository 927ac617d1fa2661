// The window's zoom: Ctrl+Plus, Ctrl+Minus and Ctrl+0 through the levels, the window's and the
// panel's sizes, the panel pixel for pixel `kvir-cli render --zoom`, the scrolling scheme area
// on a small screen, the pictures of a dense screen, the focus frame and the learning modes.
// CTest runs the suite four times: on the offscreen platform's small screen, on a large screen
// (zoom_screen.json), at a device pixel ratio of 2 and on a projector's 1024 × 768 screen
// (projector_screen.json); each test skips where its screen is not.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/modes/learningmodes.h"
#include "app/modes/quizmode.h"
#include "app/panel/focusframe.h"
#include "app/panel/panelactions.h"
#include "app/panel/panelpainter.h"
#include "app/prefs/zoom.h"
#include "app/shell/screenfit.h"
#include "app/shell/window_layout.h"
#include "app/windows/panelexport.h"
#include "tests/app/app_test_util.h"

using namespace kvir;
using namespace kvir::apptest;

namespace {

/// `kvir-cli render 1 ARGUMENTS…` decoded; null when the tool failed.
QImage CliRender(const QStringList& arguments) {
  const QByteArray png = RunCli(QStringList{QStringLiteral("render"), QStringLiteral("1")} +
                                arguments + QStringList{QStringLiteral("-o"), QStringLiteral("-")});
  return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

// The widget's pixels, one to a device pixel.
QImage Grab(QWidget* widget) {
  QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1);
  return image;
}

QSize WindowSizeAt(int zoom) {
  return QSize(PanelWidth(zoom), Scaled(kPanelTop, zoom) + PanelHeight(zoom));
}

bool ScreenHolds(QWidget& window, const QSize& size) {
  const QSize available = window.screen()->availableGeometry().size();
  return available.width() >= size.width() && available.height() >= size.height();
}

void PressKey(ShownMainWindow& shown, Qt::Key key) {
  QTest::keyClick(&shown.window, key, Qt::ControlModifier);
}

bool OnProjector(QWidget& window) {
  return window.screen()->availableGeometry().size() == QSize(1024, 768);
}

// Whether `child` lies whole inside the window, and so on its screen.
bool Reachable(QWidget& window, const QWidget* child) {
  return window.rect().contains(QRect(child->mapTo(&window, QPoint()), child->size())) &&
         window.screen()->availableGeometry().contains(window.frameGeometry());
}

// The indicators of the shown scheme 1 that its scheme area does not show whole.
QStringList IndicatorsOutOfView(ShownMainWindow& shown) {
  auto* area = shown.window.findChild<QScrollArea*>(QStringLiteral("schemeArea"));
  QWidget* view = area != nullptr && area->isVisible() ? area->viewport() : &shown.window;
  const int top = Scaled(kPanelTop, shown.window.zoom());
  const QRect seen = view == &shown.window
                         ? QRect(0, top, shown.window.width(), shown.window.height() - top)
                         : view->rect();
  QStringList out;
  for (const Indicator& indicator : shown.set.scheme(1).indicators()) {
    const QRect place = ToQRect(IndicatorPlace(indicator, shown.window.zoom()));
    const QRect there(shown.panel(1)->mapTo(view, place.topLeft()), place.size());
    if (!seen.contains(there)) out << QString::fromStdString(std::string(indicator.name));
  }
  return out;
}

}  // namespace

class TestZoom : public MainWindowTest {
  Q_OBJECT

 private slots:
  void keysStepThroughTheLevels();
  void panelIsTheRenderAtEachZoom_data();
  void panelIsTheRenderAtEachZoom();
  void smallScreenScrollsTheSchemeArea();
  void denseScreenShowsThePicturesOfTwiceTheZoom();
  void focusFrameScalesAndStaysOutOfPictures();
  void stepAndQuizWorkAt200();
  void truthTableAndAboutFollowAt200();
  void savedPictureIsTheRenderAtTheZoom();
  void stripFollowsTheWindowsWidth_data();
  void stripFollowsTheWindowsWidth();
  void fitTakesTheLargestLevelThatShowsTheDrawing_data();
  void fitTakesTheLargestLevelThatShowsTheDrawing();
  void projectorKeepsListAndHelpReachable_data();
  void projectorKeepsListAndHelpReachable();
  void projectorFitShowsEveryLamp();
};

void TestZoom::keysStepThroughTheLevels() {
  QVERIFY(shown().activate());
  if (!ScreenHolds(shown().window, WindowSizeAt(300) + QSize(50, 50))) QSKIP("a large screen only");
  const QImage plain = Grab(&shown().window);
  const struct {
    Qt::Key key;
    int zoom;
  } steps[] = {{Qt::Key_Plus, 150},  {Qt::Key_Plus, 200}, {Qt::Key_Plus, 250},
               {Qt::Key_Plus, 300},  {Qt::Key_Plus, 300}, {Qt::Key_Minus, 250},
               {Qt::Key_Minus, 200}, {Qt::Key_0, 100},    {Qt::Key_Minus, 100},
               {Qt::Key_Plus, 150},  {Qt::Key_0, 100}};
  for (const auto& step : steps) {
    PressKey(shown(), step.key);
    const int zoom = step.zoom;
    QCOMPARE(shown().window.zoom(), zoom);
    QCOMPARE(shown().window.size(), WindowSizeAt(zoom));
    QCOMPARE(shown().panel(1)->size(), QSize(PanelWidth(zoom), PanelHeight(zoom)));
    QCOMPARE(shown().panel(1)->pos(), QPoint(0, Scaled(kPanelTop, zoom)));
    QCOMPARE(shown().shown(1).style().zoom, zoom);
    const auto* list = shown().window.findChild<QComboBox*>(QStringLiteral("cbxSelect"));
    const auto* help = shown().window.findChild<QPushButton*>(QStringLiteral("btnHelp"));
    QCOMPARE(list->geometry(), QRect(0, 0, Scaled(744, zoom), Scaled(21, zoom)));
    QCOMPARE(help->geometry(), QRect(Scaled(744, zoom), 0, Scaled(75, zoom), Scaled(19, zoom)));
    QVERIFY(shown().window.screen()->availableGeometry().contains(shown().window.frameGeometry()));
  }
  QCOMPARE(Grab(&shown().window), plain);  // Ctrl+0 gives back the plain window, pixel for pixel
}

void TestZoom::panelIsTheRenderAtEachZoom_data() {
  QTest::addColumn<int>("zoom");
  QTest::addColumn<bool>("clear");
  QTest::newRow("150 %") << 150 << false;
  QTest::newRow("200 %") << 200 << false;
  QTest::newRow("200 %, clear view") << 200 << true;
  QTest::newRow("300 %") << 300 << false;
}

void TestZoom::panelIsTheRenderAtEachZoom() {
  QFETCH(int, zoom);
  QFETCH(bool, clear);
  if (shown().window.devicePixelRatioF() != 1) QSKIP("a screen of one device pixel per pixel only");
  shown().window.setClearView(clear);
  shown().window.setZoom(zoom);
  Scheme& scheme = shown().set.scheme(1);
  kSchemeTable[0].press(scheme, scheme.At("IN03"));
  shown().panel(1)->showModel();
  QStringList arguments = {QStringLiteral("IN03"), QStringLiteral("--zoom"), QString::number(zoom)};
  if (clear) arguments << QStringLiteral("--clear-view");
  const QImage render = CliRender(arguments);
  QCOMPARE(render.size(), QSize(PanelWidth(zoom), PanelHeight(zoom)));
  QCOMPARE(Grab(shown().panel(1)), render);
  shown().window.setClearView(false);
}

void TestZoom::smallScreenScrollsTheSchemeArea() {
  const QRect available = shown().window.screen()->availableGeometry();
  if (ScreenHolds(shown().window, WindowSizeAt(200))) QSKIP("a small screen only");
  shown().window.setZoom(200);
  auto* area = shown().window.findChild<QScrollArea*>(QStringLiteral("schemeArea"));
  QVERIFY(area != nullptr && area->isVisible());
  QVERIFY(available.contains(shown().window.frameGeometry()));
  QCOMPARE(shown().placedScheme(), 0);  // not in the window itself: in its scheme area
  QCOMPARE(shown().panel(1)->parentWidget(), area->widget());
  QCOMPARE(shown().panel(1)->size(), QSize(1640, 1330));
  QVERIFY(area->verticalScrollBar()->maximum() > 0);
  QCOMPARE(area->geometry().top(), Scaled(kPanelTop, 200));
  // The drawing comes into view, not the panel's empty top left corner.
  QVERIFY(area->verticalScrollBar()->value() > 0);
  QVERIFY(!IndicatorsOutOfView(shown()).contains(QStringLiteral("IN00")));
  // The keyboard's focus scrolls its input button into view.
  QVERIFY(shown().activate());
  area->verticalScrollBar()->setValue(0);
  QWidget* lowest = shown().panel(1)->tabOrder().back();
  QVERIFY(!area->viewport()->rect().contains(lowest->geometry().translated(area->widget()->pos())));
  lowest->setFocus(Qt::TabFocusReason);
  QVERIFY(area->viewport()->rect().contains(lowest->geometry().translated(area->widget()->pos())));
  // Another scheme goes where the first one was; back at 100 % the window is the plain one.
  QComboBox* list = shown().list();
  list->setCurrentIndex(7);
  emit list->activated(7);
  QCOMPARE(shown().panel(8)->parentWidget(), area->widget());
  shown().window.setZoom(100);
  QVERIFY(area->isHidden());
  QCOMPARE(shown().placedScheme(), 8);
  QCOMPARE(shown().panel(8)->pos(), QPoint(0, kPanelTop));
  QCOMPARE(shown().window.size(), QSize(820, 688));
}

void TestZoom::denseScreenShowsThePicturesOfTwiceTheZoom() {
  if (shown().window.devicePixelRatioF() != 2) QSKIP("a screen of device pixel ratio 2 only");
  QCOMPARE(shown().shown(1).style().zoom, 200);
  QCOMPARE(shown().window.size(), QSize(820, 688));
  QCOMPARE(shown().panel(1)->size(), QSize(820, 665));
  const QImage panel = Grab(shown().panel(1));
  QCOMPARE(panel.size(), QSize(1640, 1330));
  QCOMPARE(panel, CliRender({QStringLiteral("--zoom"), QStringLiteral("200")}));
  // At 150 % the pictures are drawn at 300 %; the panel's 997.5 pixels of height are rounded to
  // 998, which leaves a white row of device pixels below the 300 % panel's 1995.
  shown().window.setZoom(150);
  QCOMPARE(shown().shown(1).style().zoom, 300);
  const QImage dense = Grab(shown().panel(1));
  QCOMPARE(dense.size(), QSize(2460, 1996));
  QCOMPARE(dense.copy(0, 0, 2460, 1995),
           CliRender({QStringLiteral("--zoom"), QStringLiteral("300")}));
}

void TestZoom::focusFrameScalesAndStaysOutOfPictures() {
  QVERIFY(shown().activate());
  if (shown().window.devicePixelRatioF() != 1) QSKIP("a screen of one device pixel per pixel only");
  shown().window.setZoom(250);
  QWidget* button = shown().panel(1)->tabOrder().front();
  button->setFocus(Qt::TabFocusReason);
  const auto* frame = shown().panel(1)->findChild<FocusFrame*>(QStringLiteral("focusFrame"));
  QVERIFY(frame != nullptr && frame->isVisible());
  QCOMPARE(button->size(), QSize(60, 60));
  const int width = Scaled(FocusFrame::kWidth, 250);
  QCOMPARE(frame->geometry(), button->geometry().adjusted(-width, -width, width, width));
  QCOMPARE(PanelImage(shown().shown(1)),
           CliRender({QStringLiteral("--zoom"), QStringLiteral("250")}));
  // The frame follows a change of zoom.
  shown().window.setZoom(150);
  QCOMPARE(frame->geometry(), button->geometry().adjusted(-5, -5, 5, 5));  // 4.5 rounded up
}

void TestZoom::stepAndQuizWorkAt200() {
  if (shown().window.devicePixelRatioF() != 1) QSKIP("a screen of one device pixel per pixel only");
  shown().window.setZoom(200);
  SchemePanel* panel = shown().panel(1);
  Scheme& scheme = shown().set.scheme(1);
  const PanelPictures& pictures = shown().shown(1);

  shown().window.startLearningMode(SessionMode::kQuiz);
  QVERIFY(panel->overlay() != nullptr);
  const PanelOverlay& overlay = *panel->overlay();
  int cards = 0;
  for (const Picture* card : overlay.pictures) {
    if (card == nullptr) continue;
    ++cards;
    QCOMPARE(card->width, 48);
  }
  QVERIFY(cards > 0);
  // The quiz's words in the panel's corner, or, where the scheme area scrolls and that corner
  // may be out of view, in a line under the scheme area, whole.
  auto* label = shown().window.findChild<QLabel*>(QStringLiteral("lblQuiz"));
  QVERIFY(label != nullptr && label->isVisible());
  auto* area = shown().window.findChild<QWidget*>(QStringLiteral("schemeArea"));
  if (area != nullptr && area->isVisible()) {
    QCOMPARE(label->parentWidget(), &shown().window);
    QVERIFY(shown().window.rect().contains(label->geometry()));
    QCOMPARE(label->geometry().top(), area->geometry().bottom() + 1);
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
  } else {
    QCOMPARE(label->parentWidget(), panel);
    QCOMPARE(label->geometry().topLeft(), QPoint(16, 1148));
  }
  label->hide();  // the panel beneath the label's text
  QCOMPARE(Grab(panel), PanelImage(pictures, &overlay));
  // A change of zoom during the question brings its cards along.
  shown().window.setZoom(150);
  for (const Picture* card : panel->overlay()->pictures) {
    if (card != nullptr) QCOMPARE(card->width, 36);
  }
  QCOMPARE(Grab(panel), PanelImage(pictures, panel->overlay()));
  label->show();
  shown().window.setZoom(200);

  shown().window.startLearningMode(SessionMode::kStep);
  QCOMPARE(panel->overlay(), nullptr);
  panel->findChild<QWidget*>(QStringLiteral("IN02"))->setFocus();
  QTest::keyClick(panel->findChild<QWidget*>(QStringLiteral("IN02")), Qt::Key_Space);
  // The stage on view frames what it changed, or faintly what it redrew unchanged.
  QTRY_VERIFY(panel->overlay() != nullptr &&
              !(panel->overlay()->marked.empty() && panel->overlay()->faint.empty()));
  panel->findChild<FocusFrame*>(QStringLiteral("focusFrame"))->hide();  // the panel beneath it
  const QImage staged = Grab(panel);
  QCOMPARE(staged, PanelImage(pictures, panel->overlay()));
  const bool changed = !panel->overlay()->marked.empty();
  const uint16_t framed =
      changed ? panel->overlay()->marked.front() : panel->overlay()->faint.front();
  const Rgb colour = changed ? kMarkerColour : kFaintMarkerColour;
  const QRect ring = ToQRect(MarkerPlace(scheme.indicators()[framed], 200));
  QCOMPARE(ring.size(), QSize(52, 52));
  QCOMPARE(staged.pixel(ring.topLeft()), qRgb(colour.red, colour.green, colour.blue));
}

void TestZoom::truthTableAndAboutFollowAt200() {
  shown().window.setZoom(200);
  shown().action(PanelAction::kTruthTable)->trigger();
  shown().action(PanelAction::kAboutScheme)->trigger();
  auto* table = shown().window.findChild<QWidget*>(QStringLiteral("frmTruthTable"));
  auto* about = shown().window.findChild<QWidget*>(QStringLiteral("frmAbout"));
  QVERIFY(table != nullptr && table->isVisible());
  QVERIFY(about != nullptr && about->isVisible());
  shown().choose(8);
  const auto* title = table->findChild<QLabel*>(QStringLiteral("lblTitle"));
  QVERIFY(title->text().contains(Tfrm00::schemeTitle(8)));
  shown().window.setZoom(100);
  QVERIFY(table->isVisible() && about->isVisible());
}

void TestZoom::savedPictureIsTheRenderAtTheZoom() {
  if (shown().window.devicePixelRatioF() != 1) QSKIP("a screen of one device pixel per pixel only");
  shown().window.setZoom(250);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("saved.png"));
  auto* pictures = shown().window.findChild<PanelExport*>();
  QVERIFY(pictures->saveTo(shown().shown(1), path));
  QFile saved(path);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QCOMPARE(saved.readAll(),
           RunCli({QStringLiteral("render"), QStringLiteral("1"), QStringLiteral("--zoom"),
                   QStringLiteral("250"), QStringLiteral("-o"), QStringLiteral("-")}));
}

void TestZoom::stripFollowsTheWindowsWidth_data() {
  QTest::addColumn<int>("zoom");
  QTest::addColumn<int>("width");
  QTest::addColumn<QRect>("list");
  QTest::addColumn<QRect>("help");
  QTest::newRow("100 %, the plain window")
      << 100 << 820 << QRect(0, 0, 744, 21) << QRect(744, 0, 75, 19);
  QTest::newRow("200 %, wide enough")
      << 200 << 1640 << QRect(0, 0, 1488, 42) << QRect(1488, 0, 150, 38);
  QTest::newRow("150 %, 1022 wide")
      << 150 << 1022 << QRect(0, 0, 908, 32) << QRect(908, 0, 113, 29);
  QTest::newRow("300 %, 1022 wide")
      << 300 << 1022 << QRect(0, 0, 794, 63) << QRect(794, 0, 225, 57);
}

// The help button keeps its place from the window's right edge; the list fills the rest.
void TestZoom::stripFollowsTheWindowsWidth() {
  QFETCH(int, zoom);
  QFETCH(int, width);
  QFETCH(QRect, list);
  QFETCH(QRect, help);
  const StripPlaces places = PlaceStrip(zoom, width);
  QCOMPARE(places.list, list);
  QCOMPARE(places.help, help);
}

void TestZoom::fitTakesTheLargestLevelThatShowsTheDrawing_data() {
  QTest::addColumn<QSize>("drawing");  // at 100 %
  QTest::addColumn<QSize>("available");
  QTest::addColumn<int>("zoom");
  QTest::newRow("scheme 1 on 1024 × 768 less a frame")
      << QSize(348, 359) << QSize(1022, 747) << 150;
  QTest::newRow("the whole panel on a large screen") << QSize(820, 665) << QSize(3200, 2400) << 300;
  QTest::newRow("the whole panel at 250 % just fits")
      << QSize(820, 665) << QSize(2050, 1721) << 250;
  QTest::newRow("one pixel less: scrolling takes the scroll bars' room")
      << QSize(820, 665) << QSize(2050, 1720) << 200;
  QTest::newRow("nothing fits: the smallest level") << QSize(820, 665) << QSize(400, 300) << 100;
}

void TestZoom::fitTakesTheLargestLevelThatShowsTheDrawing() {
  QFETCH(QSize, drawing);
  QFETCH(QSize, available);
  QFETCH(int, zoom);
  const auto at = [drawing](int level) {
    return QSize(Scaled(drawing.width(), level), Scaled(drawing.height(), level));
  };
  QCOMPARE(FitZoom(at, available, 16), zoom);
}

void TestZoom::projectorKeepsListAndHelpReachable_data() {
  QTest::addColumn<int>("zoom");
  for (const int zoom : kZoomLevels) QTest::newRow(qPrintable(QString::number(zoom))) << zoom;
}

// On a 1024 × 768 screen every zoom keeps the list, its arrow and the help button in the window
// and the window on the screen.
void TestZoom::projectorKeepsListAndHelpReachable() {
  QFETCH(int, zoom);
  if (!OnProjector(shown().window)) QSKIP("a 1024 × 768 screen only");
  shown().window.setZoom(zoom);
  QVERIFY(Reachable(shown().window, shown().list()));
  QVERIFY(Reachable(shown().window, shown().window.findChild<QWidget*>(QStringLiteral("btnHelp"))));
  // Where the scheme area scrolls, the drawing is brought into view from its top left corner.
  if (zoom >= 200) QVERIFY(!IndicatorsOutOfView(shown()).contains(QStringLiteral("IN00")));
}

// Ctrl+9 on a 1024 × 768 screen: 150 % for scheme 1, every indicator in view.
void TestZoom::projectorFitShowsEveryLamp() {
  if (!OnProjector(shown().window)) QSKIP("a 1024 × 768 screen only");
  QVERIFY(shown().activate());
  PressKey(shown(), Qt::Key_9);
  QCOMPARE(shown().window.zoom(), 150);
  QVERIFY(Reachable(shown().window, shown().list()));
  QVERIFY(Reachable(shown().window, shown().window.findChild<QWidget*>(QStringLiteral("btnHelp"))));
  QCOMPARE(IndicatorsOutOfView(shown()), QStringList());
  // Ctrl+0 gives back the plain window, which fits this screen too.
  PressKey(shown(), Qt::Key_0);
  QCOMPARE(shown().window.size(), QSize(820, 688));
  QCOMPARE(IndicatorsOutOfView(shown()), QStringList());
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
