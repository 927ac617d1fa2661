#pragma once
// The panel's compositor on a QPainter, for the window's paint; and the panel as a QImage, for
// copying and printing.

#include <QImage>
#include <QRegion>

#include "render/panel_image.h"

class QPainter;

namespace kvir {

/// A QImage that reads the pixels of `part` of `picture` (all of it when `part` is null) in place,
/// without a copy; null for an empty picture. `part` must lie within the picture. The image is
/// valid only while the picture keeps its storage. Pictures are opaque: a fourth channel is
/// ignored.
QImage ImageOver(const Picture& picture, const QRect& part = QRect());

/// Paints the parts of the panel within `region` (panel coordinates at the zoom of the pictures)
/// as ComposePanel composes them, each picture drawn from its own pixels without a copy.
void PaintPanel(QPainter& painter, const PanelPictures& pictures, const QRegion& region,
                const PanelOverlay* overlay = nullptr);

/// The whole panel as ComposePanel composes it (what `kvir-cli render` writes), as a QImage of its
/// own. With an `overlay`, what the window shows under it.
QImage PanelImage(const PanelPictures& pictures, const PanelOverlay* overlay = nullptr);

inline QRect ToQRect(const PictureRect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace kvir
