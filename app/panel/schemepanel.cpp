#include "app/panel/schemepanel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTransform>
#include <exception>

#include "app/panel/accessibility.h"
#include "app/panel/focusframe.h"
#include "app/panel/inputbuttonview.h"
#include "app/panel/keyboard.h"
#include "app/panel/panelmode.h"
#include "app/panel/panelpainter.h"
#include "app/prefs/language.h"
#include "io/error_texts.h"
#include "render/panel_geometry.h"

namespace kvir {
namespace {

QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The union of many rectangles, merged pairwise: added one by one to a growing region they cost
// the square of their number, a noticeable part of start-up for the 820 indicators.
QRegion UnionOf(const QList<QRect>& rects) {
  QList<QRegion> regions(rects.begin(), rects.end());
  while (regions.size() > 1) {
    QList<QRegion> merged;
    merged.reserve(regions.size() / 2 + 1);
    for (qsizetype i = 0; i + 1 < regions.size(); i += 2) {
      merged << regions[i].united(regions[i + 1]);
    }
    if (regions.size() % 2 != 0) merged << regions.back();
    regions = std::move(merged);
  }
  return regions.isEmpty() ? QRegion() : regions.front();
}

}  // namespace

SchemePanel::SchemePanel(PanelPictures& pictures, PressProc press, QWidget* parent)
    : QWidget(parent), pictures_(pictures), press_(press) {
  Scheme& scheme = pictures.scheme();
  InstallIndicatorAccessibility();
  setObjectName(QStringLiteral("pnl") + TwoDigits(scheme.number()));
  setGeometry(0, 0, kPanelWidth, kPanelHeight);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAttribute(Qt::WA_OpaquePaintEvent);  // PaintPanel paints every pixel, white included

  picture_ = new PictureView(pictures.picture().picture, nullptr, this);
  picture_->setObjectName(QStringLiteral("Scheme") + TwoDigits(scheme.number()));
  placePicture();
  views_ << picture_;

  for (Indicator& indicator : scheme.indicators()) addIndicator(indicator);
  tabOrder_ = InReadingOrder(tabOrder_);
  buttonCount_ = tabOrder_.size();
}

void SchemePanel::setFocusableLamps(const std::vector<uint16_t>& lamps) {
  QList<QWidget*> focusable;
  for (uint16_t lamp : lamps) focusable << views_[lamp + 1];
  const QList<QWidget*> before = tabOrder_.mid(buttonCount_);
  for (QWidget* view : before) {
    if (focusable.contains(view)) continue;
    view->setFocusPolicy(Qt::NoFocus);
    view->removeEventFilter(this);
    if (view->hasFocus()) {
      if (buttonCount_ > 0) {
        tabOrder_.front()->setFocus(Qt::OtherFocusReason);
      } else {
        view->clearFocus();
      }
    }
  }
  for (QWidget* view : focusable) {
    view->setFocusPolicy(Qt::TabFocus);
    view->installEventFilter(this);
  }
  tabOrder_ = tabOrder_.mid(0, buttonCount_) + InReadingOrder(focusable);
}

void SchemePanel::setZoom(int zoom) {
  zoom_ = zoom;
  resize(PanelWidth(zoom), PanelHeight(zoom));
  areasKnown_ = false;
  for (qsizetype i = 1; i < views_.size(); ++i) placeIndicator(*views_[i]);
  showStyle();
}

void SchemePanel::placeIndicator(PictureView& view) {
  const Indicator& indicator = *view.indicator();
  view.setGeometry(ToQRect(IndicatorPlace(indicator, zoom_)));
  if (focusFrame_ != nullptr && view.hasFocus()) focusFrame_->ring(&view, zoom_);
}

// Qt takes the focus from a focused button while it destroys the panel's QWidget part: by then
// the panel must no longer hear of it.
SchemePanel::~SchemePanel() {
  for (QWidget* button : tabOrder_) disconnect(button, nullptr, this, nullptr);
  for (QWidget* lamp : tabOrder_.mid(buttonCount_)) lamp->removeEventFilter(this);
}

void SchemePanel::addIndicator(Indicator& indicator) {
  PictureView* view = nullptr;
  if (indicator.is_button) {
    auto* button =
        new InputButtonView(pictures_.shown(IndexIn(scheme(), indicator)), indicator, this);
    connect(button, &InputButtonView::pressed, this, [this, &indicator] { press(indicator); });
    connect(button, &InputButtonView::focusChanged, this,
            [this, button](bool focused) { showFocusOn(button, focused); });
    tabOrder_ << button;
    view = button;
  } else {
    view = new PictureView(pictures_.shown(IndexIn(scheme(), indicator)), &indicator, this);
  }
  view->setObjectName(QString::fromStdString(indicator.name));
  placeIndicator(*view);
  views_ << view;
}

void SchemePanel::press(Indicator& clicked) {
  if (mode_ != nullptr) {
    mode_->press(*this, clicked);
    return;
  }
  runPress(clicked);
  showModel();
}

bool SchemePanel::runPress(Indicator& clicked) {
  try {
    press_(scheme(), clicked);
    emit pressShown();
    return true;
  } catch (const std::exception& error) {
    emit modelFailed(QString::fromStdString(ErrorMessage(error, CurrentLanguage())));
    return false;
  }
}

// The areas are worked out when first repainted: a panel that is never shown never needs them.
void SchemePanel::knowAreas() {
  if (areasKnown_) return;
  QList<QRect> indicators;
  QList<QRect> markers;
  for (qsizetype i = 1; i < views_.size(); ++i) {
    indicators << views_[i]->geometry();
    markers << ToQRect(MarkerPlace(*views_[i]->indicator(), zoom_));
  }
  indicatorArea_ = UnionOf(indicators);
  markerArea_ = UnionOf(markers);
  areasKnown_ = true;
}

void SchemePanel::showOverlay() {
  knowAreas();
  update(markerArea_);
  AnnounceLevels(views_);  // a question may have hidden or revealed levels
}

// One update of the panel over all its indicators: Qt then sums no dirty areas of its own, and
// the panel paints every picture in a single pass.
void SchemePanel::showModel() {
  knowAreas();
  update(indicatorArea_);
  AnnounceLevels(views_);
}

void SchemePanel::showStyle() {
  placePicture();
  update();
}

void SchemePanel::placePicture() {
  const PictureStyle layout = {.clear = pictures_.style().clear, .zoom = zoom_};
  picture_->setGeometry(ToQRect(StyledPictureRect(scheme().def(), layout)));
}

// The pictures may be drawn at a higher zoom than the panel's, for a screen of more device pixels
// per pixel: they are then painted at the panel's size, one picture pixel to a device pixel.
void SchemePanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const int pictureZoom = pictures_.style().zoom;
  if (pictureZoom == zoom_) {
    PaintPanel(painter, pictures_, event->region(), overlay_);
    return;
  }
  const qreal scale = qreal(zoom_) / pictureZoom;
  painter.scale(scale, scale);
  PaintPanel(painter, pictures_, QTransform::fromScale(1 / scale, 1 / scale).map(event->region()),
             overlay_);
}

// The arrow keys move the focus among the input buttons, or among the focusable lamps: Tab goes
// from one group to the other. Space on a focused lamp is a click on it for the mode.
void SchemePanel::keyPressEvent(QKeyEvent* event) {
  QWidget* focused = focusWidget();
  const QList<QWidget*> group = focusGroupOf(focused);
  const bool onLamp = tabOrder_.indexOf(focused) >= buttonCount_;
  if (onLamp && event->key() == Qt::Key_Space && mode_ != nullptr) {
    event->accept();
    if (!event->isAutoRepeat()) {
      mode_->clickLamp(*this, *static_cast<PictureView*>(focused)->indicator());
    }
    return;
  }
  QWidget* target = group.isEmpty() ? nullptr : ArrowTarget(group, focused, event->key());
  if (target == nullptr) {
    QWidget::keyPressEvent(event);
    return;
  }
  target->setFocus(Qt::OtherFocusReason);
}

QList<QWidget*> SchemePanel::focusGroupOf(const QWidget* focused) const {
  const qsizetype at = tabOrder_.indexOf(focused);
  if (at < 0) return {};
  return at < buttonCount_ ? tabOrder_.mid(0, buttonCount_) : tabOrder_.mid(buttonCount_);
}

// The focusable lamps are watched for their focus, to ring them as the input buttons are.
bool SchemePanel::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  auto* view = qobject_cast<QWidget*>(watched);
  if ((in || event->type() == QEvent::FocusOut) && tabOrder_.contains(view)) {
    const bool popup = static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
    if (in || !popup) showFocusOn(view, in);
  }
  return QWidget::eventFilter(watched, event);
}

// Lamps let the mouse through to the panel: a left click on one goes to the mode, if any.
void SchemePanel::mousePressEvent(QMouseEvent* event) {
  if (mode_ == nullptr || event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint at = event->position().toPoint();
  for (const Indicator& indicator : scheme().indicators()) {
    if (!indicator.is_button && ToQRect(IndicatorPlace(indicator, zoom_)).contains(at)) {
      event->accept();
      mode_->clickLamp(*this, indicator);
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

void SchemePanel::showFocusOn(QWidget* view, bool focused) {
  if (focusFrame_ == nullptr) focusFrame_ = new FocusFrame(this);
  focusFrame_->ring(focused ? view : nullptr, zoom_);
}

}  // namespace kvir
