#include "app/panel/focusframe.h"

#include <QPainter>

#include "render/zoom.h"

namespace kvir {

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("focusFrame"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void FocusFrame::ring(const QWidget* target, int zoom) {
  if (target == nullptr) {
    hide();
    return;
  }
  width_ = Scaled(kWidth, zoom);
  rim_ = Scaled(1, zoom);
  setGeometry(target->geometry().adjusted(-width_, -width_, width_, width_));
  raise();
  show();
}

// Outermost pixel white, then two of the frame's colour up to the target's edge; the target
// itself shows through the middle, painted by the panel beneath.
void FocusFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  painter.setClipRegion(
      QRegion(outer).subtracted(outer.adjusted(width_, width_, -width_, -width_)));
  painter.fillRect(outer, Qt::white);
  painter.fillRect(outer.adjusted(rim_, rim_, -rim_, -rim_), QColor(kColour));
}

}  // namespace kvir
