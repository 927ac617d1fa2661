#include "app/shell/screenfit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "app/modes/learningmodes.h"
#include "app/modes/stepmode.h"
#include "app/panel/panelpainter.h"
#include "app/panel/schemepanel.h"
#include "app/prefs/zoom.h"
#include "app/shell/mainwindow.h"
#include "app/shell/window_layout.h"
#include "render/handout.h"
#include "render/picture_style.h"
#include "render/zoom.h"

namespace kvir {
namespace {

// The places of the list and the help button at 100 %.
constexpr QRect kSelectorPlace(0, 0, 744, 21);
constexpr QRect kHelpButtonPlace(744, 0, 75, 19);
// The help button's left edge from the window's right edge at 100 %.
constexpr int kHelpFromRight = kWindowWidth - kHelpButtonPlace.left();

QSize WindowAt(int zoom) {
  return {PanelWidth(zoom), Scaled(kPanelTop, zoom) + PanelHeight(zoom)};
}

}  // namespace

WindowFit FitWindow(const QSize& wanted, const QSize& available) {
  if (wanted.width() <= available.width() && wanted.height() <= available.height()) {
    return {wanted, false};
  }
  return {wanted.boundedTo(available), true};
}

QSize SchemeViewport(int zoom, const QSize& available, int scrollBarExtent) {
  const WindowFit fit = FitWindow(WindowAt(zoom), available);
  const QSize area = fit.size - QSize(0, Scaled(kPanelTop, zoom));
  return fit.scrolls ? area - QSize(scrollBarExtent, scrollBarExtent) : area;
}

int FitZoom(const std::function<QSize(int)>& drawingAt, const QSize& available,
            int scrollBarExtent) {
  for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level) {
    const QSize shown = SchemeViewport(*level, available, scrollBarExtent);
    const QSize drawing = drawingAt(*level);
    if (drawing.width() <= shown.width() && drawing.height() <= shown.height()) return *level;
  }
  return kPlainZoom;
}

StripPlaces PlaceStrip(int zoom, int width) {
  StripPlaces places{Zoomed(kSelectorPlace, zoom), Zoomed(kHelpButtonPlace, zoom)};
  places.help.moveLeft(std::min(places.help.left(), width - Scaled(kHelpFromRight, zoom)));
  places.list.setRight(places.help.left() - 1);
  return places;
}

QRect KeptOnScreen(const QRect& frame, const QRect& available) {
  QRect kept = frame;
  kept.moveRight(std::min(kept.right(), available.right()));
  kept.moveBottom(std::min(kept.bottom(), available.bottom()));
  kept.moveLeft(std::max(kept.left(), available.left()));
  kept.moveTop(std::max(kept.top(), available.top()));
  return kept;
}

ScreenFit::ScreenFit(Tfrm00& main) : QObject(&main), main_(main) {
  main.installEventFilter(this);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &main_ &&
      (event->type() == QEvent::Move || event->type() == QEvent::ActivationChange)) {
    refitToFrame();
  }
  return QObject::eventFilter(watched, event);
}

// Until the window is shown with its frame, the fit is only noted: the scheme, the screen and the
// frame it depends on are not known before.
void ScreenFit::zoomToFit() {
  fitWanted_ = true;
  const QScreen* desktop = main_.screen();
  if (desktop == nullptr || !main_.isVisible()) return;
  const QSize available = desktop->availableGeometry().size().shrunkBy(FrameMargins(main_));
  const int scrollBar = main_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  main_.applyZoom(
      FitZoom([this](int level) { return drawingAt(level).size(); }, available, scrollBar));
  showDrawing();
  if (!FrameMargins(main_).isNull()) fitWanted_ = false;
}

void ScreenFit::afterShow() {
  if (fitWanted_) zoomToFit();
  if (main_.zoom() != kPlainZoom || fitWanted_) watchForFrame();
}

QRect ScreenFit::drawingAt(int zoom) const {
  const int shown = main_.shownScheme();
  if (shown == 0) return QRect(0, 0, PanelWidth(zoom), PanelHeight(zoom));
  const PictureStyle style{.clear = main_.clearView_, .zoom = zoom};
  return ToQRect(CropRect(StyledPictureRect(*kSchemeTable[shown - 1].def, style), zoom));
}

QRect ScreenFit::drawingOnScreen() const {
  const int shown = main_.shownScheme();
  if (shown == 0) {
    return QRect(main_.mapToGlobal(QPoint(0, panelTop())), main_.size() - QSize(0, panelTop()));
  }
  const SchemePanel* panel = main_.panels_[shown - 1];
  const QRect at = drawingAt(main_.zoom());
  QRect drawing(panel->mapToGlobal(at.topLeft()), at.size());
  if (scrollArea_ != nullptr && scrollArea_->isVisible()) {
    const QWidget* view = scrollArea_->viewport();
    drawing &= QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
  }
  return drawing;
}

// Where the scheme area scrolls, its drawing is brought into view: centred where it fits, else
// from its top left corner.
void ScreenFit::showDrawing() {
  if (main_.shownScheme() == 0 || scrollArea_ == nullptr || scrollArea_->isHidden()) return;
  const QRect drawing = drawingAt(main_.zoom());
  const QSize view = scrollArea_->viewport()->size();
  const auto start = [](int from, int length, int room) {
    return length <= room ? from + (length - room) / 2 : from;
  };
  scrollArea_->horizontalScrollBar()->setValue(
      start(drawing.left(), drawing.width(), view.width()));
  scrollArea_->verticalScrollBar()->setValue(start(drawing.top(), drawing.height(), view.height()));
}

int ScreenFit::panelTop() const {
  return Scaled(kPanelTop, main_.zoom());
}

QWidget* ScreenFit::panelHost() const {
  if (scrollArea_ != nullptr && !scrollArea_->isHidden()) return scrollArea_->widget();
  return &main_;
}

void ScreenFit::fit() {
  const int zoom = main_.zoom();
  QLabel* stepLine = main_.modes_ != nullptr ? main_.modes_->step().line() : nullptr;
  const int lineHeight = stepLine != nullptr ? Scaled(kStepLineHeight, zoom) : 0;
  const QSize wanted(PanelWidth(zoom), panelTop() + PanelHeight(zoom) + lineHeight);
  const QScreen* desktop = main_.screen();
  const QRect available = desktop != nullptr ? desktop->availableGeometry() : QRect();
  const QSize frame = main_.frameGeometry().size() - main_.geometry().size();
  const WindowFit fit = zoom == kPlainZoom || available.isEmpty()
                            ? WindowFit{wanted, false}
                            : FitWindow(wanted, available.size() - frame);
  const QSize area = fit.size - QSize(0, panelTop() + lineHeight);
  main_.background_->setGeometry(QRect(QPoint(0, panelTop()), area));
  useScrollArea(fit.scrolls, QRect(QPoint(0, panelTop()), area));
  if (stepLine != nullptr)
    stepLine->setGeometry(0, panelTop() + area.height(), area.width(), lineHeight);
  main_.setFixedSize(fit.size);
  const StripPlaces strip = PlaceStrip(zoom, fit.size.width());
  main_.cbxSelect_->setGeometry(strip.list);
  main_.btnHelp_->setGeometry(strip.help);
  fittedFrame_ = FrameMargins(main_);
  if (!available.isEmpty() && zoom != kPlainZoom) {
    main_.move(KeptOnScreen(main_.frameGeometry(), available).topLeft());
  }
  showDrawing();
}

// A window manager frames the window only once it is up, and Qt hears of the frame without an
// event of its own: for ten seconds after the window is shown, it is looked for (a busy window
// manager was seen to take more than three).
void ScreenFit::watchForFrame() {
  constexpr int kLooks = 100;
  constexpr int kEvery = 100;  // milliseconds
  auto* look = new QTimer(this);
  look->setInterval(kEvery);
  connect(look, &QTimer::timeout, this, [this, look, left = kLooks]() mutable {
    refitToFrame();
    if (FrameMargins(main_).isNull() && --left > 0) return;
    look->stop();
    look->deleteLater();
  });
  look->start();
}

// The first move or activation after the frame has come, or a look for it, fits the window again
// to the screen less the frame it then has.
void ScreenFit::refitToFrame() {
  if ((main_.zoom() == kPlainZoom && !fitWanted_) || FrameMargins(main_) == fittedFrame_) return;
  QTimer::singleShot(0, this, [this] {
    if (fitWanted_) {
      zoomToFit();
    } else if (FrameMargins(main_) != fittedFrame_) {
      fit();
    }
  });
}

// The scrolling scheme area is made the first time the window does not fit, and hidden while it
// does: the shown panel moves between it and the window.
void ScreenFit::useScrollArea(bool scrolls, const QRect& area) {
  if (scrolls && scrollArea_ == nullptr) {
    scrollArea_ = new QScrollArea(&main_);
    scrollArea_->setObjectName(QStringLiteral("schemeArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidget(new QWidget);
    scrollArea_->widget()->setAutoFillBackground(true);
    // The keyboard's focus brings its input button into view.
    connect(qApp, &QApplication::focusChanged, scrollArea_, [this](QWidget*, QWidget* now) {
      if (now != nullptr && scrollArea_->isVisible() && scrollArea_->widget()->isAncestorOf(now)) {
        scrollArea_->ensureWidgetVisible(now);
      }
    });
  }
  const int shown = main_.shownScheme();
  if (scrollArea_ == nullptr) {
    if (shown != 0) main_.panels_[shown - 1]->move(0, panelTop());
    return;
  }
  scrollArea_->setGeometry(area);
  scrollArea_->widget()->resize(PanelWidth(main_.zoom()), PanelHeight(main_.zoom()));
  scrollArea_->setVisible(scrolls);
  if (shown != 0) placePanel(shown);
}

// A window at 100 % places the panel right under its list; a zoomed one under its list, or in
// its scrolling scheme area.
void ScreenFit::placePanel(int n) {
  if (main_.zoom() == kPlainZoom) {
    placePanelAt(n, &main_, QPoint(0, kPanelTop));
    return;
  }
  QWidget* host = panelHost();
  placePanelAt(n, host, QPoint(0, host == &main_ ? panelTop() : 0));
}

void ScreenFit::placePanelAt(int n, QWidget* host, const QPoint& at) {
  SchemePanel* panel = main_.panels_.at(n - 1);
  panel->setParent(host);
  panel->move(at);
  panel->raise();
  panel->show();
}

}  // namespace kvir
