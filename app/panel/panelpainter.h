#pragma once
// Painting a scheme panel from the model: the picture and every indicator's shown picture.

#include <QImage>
#include <QRegion>

#include "circuit/scheme.h"
#include "learning/panel_overlay.h"

class QPainter;

namespace kvir {

/// A QImage that reads the pixels of `part` of `picture` (all of it when `part` is null) in place,
/// without a copy; null for an empty picture. `part` must lie within the picture. The image is
/// valid only while the picture keeps its storage. Pictures are opaque: a fourth channel is
/// ignored.
QImage ImageOver(const Picture& picture, const QRect& part = QRect());

/// Paints the parts of the panel of `scheme` within `region` (panel coordinates at the zoom of
/// the scheme's pictures) onto a white
/// background: the scheme picture, then each indicator's shown picture in stacking order.
/// Indicators never drawn show what lies beneath. With an `overlay`, its pictures take the place
/// of the indicators' own and its marked indicators are framed by the marker.
void PaintPanel(QPainter& painter, const Scheme& scheme, const QRegion& region,
                const PanelOverlay* overlay = nullptr);

/// The whole 820 × 665 panel of `scheme` (scaled to its pictures' zoom) as the model holds it,
/// white beneath: what the window shows without the keyboard focus frame, and what `kvir-cli
/// render` writes. With an `overlay`, what the window shows under it.
QImage PanelImage(const Scheme& scheme, const PanelOverlay* overlay = nullptr);

/// The marker that frames the indicators of a stage: orange, one pixel outside an indicator and
/// two inside (at 100 %, scaled with the zoom), over the edge of its picture, so that markers of
/// neighbours never overlap.
inline constexpr int kMarkerOutside = 1;
inline constexpr int kMarkerInside = 2;
inline constexpr QRgb kMarkerColour = qRgb(255, 140, 0);

/// Where the marker of `indicator` lies at `zoom`: its place widened by kMarkerOutside.
QRect MarkerPlace(const Indicator& indicator, int zoom = kPlainZoom);

}  // namespace kvir
