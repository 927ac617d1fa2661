#pragma once
// The placeholder squares that the scheme pictures carry under their indicators.

#include "circuit/scheme.h"
#include "render/picture.h"

namespace kvir {

inline constexpr int kPlaceholderSide = 24;

/// Draws at (x, y) of an RGBA picture a black square lettered white "K" (button) or "L" (lamp),
/// kPlaceholderSide at 100 %, scaled to `zoom`.
void DrawPlaceholder(Picture& picture, int x, int y, bool button, int zoom = kPlainZoom);

/// A white, fully opaque RGBA picture of `width` × `height`.
Picture BlankPicture(int width, int height);

/// Where an indicator lies on its scheme picture, at the scheme's zoom.
inline int PictureX(const Scheme& s, const Indicator& ind) {
  return IndicatorPlace(ind, s.style.zoom).left - s.picture.left;
}
inline int PictureY(const Scheme& s, const Indicator& ind) {
  return IndicatorPlace(ind, s.style.zoom).top - s.picture.top;
}

/// Draws the placeholder of every indicator of `scheme` on its picture `picture`.
/// Throws std::out_of_range when an indicator does not lie wholly on the picture.
void DrawPlaceholders(const Scheme& scheme, Picture& picture);

/// A blank scheme picture of the scheme's size with a placeholder under every indicator.
/// Throws std::out_of_range when an indicator does not lie wholly on the picture.
Picture DrawPlaceholderScheme(const Scheme& scheme);

}  // namespace kvir
