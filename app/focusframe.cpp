#include "app/focusframe.h"

#include <QPainter>

namespace kvir {

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("focusFrame"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void FocusFrame::ring(const QWidget* target) {
  if (target == nullptr) {
    hide();
    return;
  }
  setGeometry(target->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
  raise();
  show();
}

// Outermost pixel white, then two of the frame's colour up to the target's edge; the target
// itself shows through the middle, painted by the panel beneath.
void FocusFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  painter.setClipRegion(
      QRegion(outer).subtracted(outer.adjusted(kWidth, kWidth, -kWidth, -kWidth)));
  painter.fillRect(outer, Qt::white);
  painter.fillRect(outer.adjusted(1, 1, -1, -1), QColor(kColour));
}

}  // namespace kvir
