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
#include "app/modes/quizmode.h"
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
// frame it depends on are not known before. It stays wanted until a zoom is asked for by its
// level: a frame or a free area of the screen that changes later (a window manager still
// framing the window, or setting the screen's work area, as it starts) fits it again.
void ScreenFit::zoomToFit() {
  fitWanted_ = true;
  const QScreen* desktop = main_.screen();
  if (desktop == nullptr || !main_.isVisible()) return;
  const QRect screen = desktop->availableGeometry();
  const QMargins frame = FrameMargins(main_);
  const QSize available = screen.size().shrunkBy(frame);
  const int scrollBar = main_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int before = main_.zoom();
  main_.applyZoom(
      FitZoom([this](int level) { return drawingAt(level).size(); }, available, scrollBar));
  if (main_.zoom() == before) fit();  // the same zoom, in a frame or on a screen that changed
  showDrawing();
  fittedFrame_ = frame;
  fittedScreen_ = screen;
}

void ScreenFit::afterShow() {
  if (fitWanted_) zoomToFit();
  if (main_.zoom() != kPlainZoom || fitWanted_) watchForFrame();
  if (QScreen* desktop = main_.screen()) {
    connect(desktop, &QScreen::availableGeometryChanged, this, &ScreenFit::refitToFrame,
            Qt::UniqueConnection);
  }
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
  const QScreen* desktop = main_.screen();
  const QRect available = desktop != nullptr ? desktop->availableGeometry() : QRect();
  const QMargins margins = FrameMargins(main_);
  const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
  const bool fitted = zoom != kPlainZoom && !available.isEmpty();
  const QSize room = available.size() - frame;
  const QSize panelWanted = WindowAt(zoom);
  // Where the scheme area scrolls, the corner of the panel that holds the quiz's words may be out
  // of view: they go in a line under the scheme area.
  QuizMode* quiz = main_.modes_ != nullptr ? &main_.modes_->quiz() : nullptr;
  if (quiz != nullptr)
    quiz->setLineHost(fitted && FitWindow(panelWanted, room).scrolls ? &main_ : nullptr);
  QLabel* line = main_.modes_ != nullptr ? main_.modes_->step().line() : nullptr;
  if (line == nullptr && quiz != nullptr) line = quiz->line();
  quizLine_ = quiz != nullptr && line == quiz->line() && line != nullptr;
  // The line's words wrap onto as many rows as its width needs. Where the scheme area scrolls,
  // the line ends below the drawing's right edge: the side windows go beside the drawing, and
  // would hide the rest of it.
  const bool scrolls = fitted && FitWindow(panelWanted, room).scrolls;
  int width = fitted ? std::min(panelWanted.width(), room.width()) : panelWanted.width();
  if (scrolls) {
    const int view = width - main_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int drawn = drawingAt(zoom).width();
    width = drawn <= view ? (view + drawn) / 2 : view;
  }
  const int lineHeight =
      line != nullptr ? std::max(Scaled(kStepLineHeight, zoom), line->heightForWidth(width)) : 0;
  const QSize wanted = panelWanted + QSize(0, lineHeight);
  const WindowFit fit = fitted ? FitWindow(wanted, room) : WindowFit{wanted, false};
  const QSize area = fit.size - QSize(0, panelTop() + lineHeight);
  main_.background_->setGeometry(QRect(QPoint(0, panelTop()), area));
  useScrollArea(fit.scrolls, QRect(QPoint(0, panelTop()), area));
  if (line != nullptr) {
    line->setGeometry(0, panelTop() + area.height(), std::min(width, area.width()), lineHeight);
  }
  main_.setFixedSize(fit.size);
  const StripPlaces strip = PlaceStrip(zoom, fit.size.width());
  main_.cbxSelect_->setGeometry(strip.list);
  main_.btnHelp_->setGeometry(strip.help);
  fittedFrame_ = FrameMargins(main_);
  fittedScreen_ = available;
  // Placed by the window itself, inside its frame: Qt may place a frame by an old idea of it.
  if (fitted) {
    main_.setGeometry(
        KeptOnScreen(main_.geometry().marginsAdded(margins), available).marginsRemoved(margins));
  }
  showDrawing();
}

// The quiz's line came or went, or its words need more rows than it has.
void ScreenFit::followQuiz() {
  const QLabel* line = main_.modes_ != nullptr ? main_.modes_->quiz().line() : nullptr;
  if ((line != nullptr) != quizLine_ ||
      (line != nullptr && line->heightForWidth(line->width()) > line->height())) {
    fit();
  }
}

// A window manager frames the window only once it is up: for ten seconds after the window is
// shown, its frame is looked for (a busy window manager was seen to take more than three).
void ScreenFit::watchForFrame() {
  WatchForFrame(*this, main_, 100, [this] {
    refitToFrame();
    return !FrameMargins(main_).isNull();
  });
}

// The first move or activation after the frame has come or changed, a look for it, or a change
// of the screen's free area fits the window again to the screen less the frame it then has.
void ScreenFit::refitToFrame() {
  if ((main_.zoom() == kPlainZoom && !fitWanted_) || !fitOutdated()) return;
  QTimer::singleShot(0, this, [this] {
    if (fitWanted_) {
      zoomToFit();
    } else if (fitOutdated()) {
      fit();
    }
  });
}

bool ScreenFit::fitOutdated() const {
  const QScreen* desktop = main_.screen();
  return FrameMargins(main_) != fittedFrame_ ||
         (desktop != nullptr && desktop->availableGeometry() != fittedScreen_);
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
