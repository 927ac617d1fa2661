#include "app/shell/screenfit.h"

#include <algorithm>

#include "app/prefs/zoom.h"
#include "app/shell/window_layout.h"
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

}  // namespace kvir
