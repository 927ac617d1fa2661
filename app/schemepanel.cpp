#include "app/schemepanel.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "app/inputbuttonview.h"
#include "schemes/panel_geometry.h"

namespace kvir {
namespace {

constexpr int kIndicatorSize = 24;

QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

SchemePanel::SchemePanel(Scheme& scheme, PressProc press, QWidget* parent)
    : QWidget(parent), scheme_(scheme), press_(press) {
  setObjectName(QStringLiteral("pnl") + TwoDigits(scheme.number()));
  setGeometry(0, 0, kPanelWidth, kPanelHeight);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  const PictureControl& control = scheme.picture;
  auto* picture = new PictureView(control.picture, this);
  picture->setObjectName(QStringLiteral("Scheme") + TwoDigits(scheme.number()));
  picture->setGeometry(control.left, control.top, control.width, control.height);
  views_ << picture;

  for (Indicator& indicator : scheme.indicators()) addIndicator(indicator);
  repaintOrder_ = views_.mid(1);
  std::ranges::stable_sort(repaintOrder_, [](const PictureView* a, const PictureView* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
}

void SchemePanel::addIndicator(Indicator& indicator) {
  PictureView* view = nullptr;
  if (indicator.is_button) {
    auto* button = new InputButtonView(indicator.shown, this);
    connect(button, &InputButtonView::pressed, this, [this, &indicator] { press(indicator); });
    view = button;
  } else {
    view = new PictureView(indicator.shown, this);
  }
  view->setObjectName(QString::fromStdString(indicator.name));
  view->setGeometry(indicator.left, indicator.top, kIndicatorSize, kIndicatorSize);
  views_ << view;
}

void SchemePanel::press(Indicator& clicked) {
  try {
    press_(scheme_, clicked);
  } catch (const std::exception& error) {
    emit modelFailed(QString::fromUtf8(error.what()));
  }
  showModel();
}

// Each indicator is marked dirty on its own: an update of the panel would leave out the opaque
// ones. Qt paints all of them in one pass. Marking them row by row keeps Qt's sums of the dirty
// areas short to build.
void SchemePanel::showModel() {
  for (PictureView* view : views_) view->updateOpacity();
  for (PictureView* view : repaintOrder_) view->update();
}

}  // namespace kvir
