#pragma once
// The placeholder squares that the scheme pictures carry under their indicators.

#include "render/panel_pictures.h"
#include "render/picture.h"

namespace kvir {

inline constexpr int kPlaceholderSide = 24;

/// Draws at (x, y) of an RGBA picture a black square lettered white "K" (button) or "L" (lamp),
/// kPlaceholderSide at 100 %, scaled to `zoom`.
void DrawPlaceholder(Picture& picture, int x, int y, bool button, int zoom = kPlainZoom);

/// A white, fully opaque RGBA picture of `width` × `height`.
Picture BlankPicture(int width, int height);

/// Where an indicator lies on the scheme picture `shown` shows, at its zoom.
inline int PictureX(const PanelPictures& shown, const Indicator& ind) {
  return IndicatorPlace(ind, shown.style().zoom).left - shown.picture().left;
}
inline int PictureY(const PanelPictures& shown, const Indicator& ind) {
  return IndicatorPlace(ind, shown.style().zoom).top - shown.picture().top;
}

/// Draws the placeholder of every indicator of the scheme `shown` shows on its picture `picture`,
/// in its style. Throws std::out_of_range when an indicator does not lie wholly on the picture.
void DrawPlaceholders(const PanelPictures& shown, Picture& picture);

/// A blank scheme picture of the style's size with a placeholder under every indicator.
/// Throws std::out_of_range when an indicator does not lie wholly on the picture.
Picture DrawPlaceholderScheme(const PanelPictures& shown);

}  // namespace kvir
