#pragma once
// Painting a scheme panel from the model: the picture and every indicator's shown picture.

#include <QImage>
#include <QRegion>

#include "schemes/scheme.h"

class QPainter;

namespace kvir {

/// A QImage that reads the pixels of `part` of `picture` (all of it when `part` is null) in place,
/// without a copy; null for an empty picture. `part` must lie within the picture. The image is
/// valid only while the picture keeps its storage. Pictures are opaque: a fourth channel is
/// ignored.
QImage ImageOver(const Picture& picture, const QRect& part = QRect());

/// Paints the parts of the panel of `scheme` within `region` (panel coordinates) onto a white
/// background: the scheme picture, then each indicator's shown picture in stacking order.
/// Indicators never drawn show what lies beneath.
void PaintPanel(QPainter& painter, const Scheme& scheme, const QRegion& region);

/// The whole 820 × 665 panel of `scheme` as the model holds it, white beneath: what the window
/// shows without the keyboard focus frame, and what `kvir-cli render` writes.
QImage PanelImage(const Scheme& scheme);

}  // namespace kvir
