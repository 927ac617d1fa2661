#pragma once
// The program's icon: a decoder box "DC" on a white sheet, with two input pins and four output
// pins, the selected output lit red as a lit indicator is. Drawn per size so that it stays crisp:
// every line lies on whole pixels, and below 32 px the lettering is drawn dot by dot.

#include <QColor>
#include <QPainterPath>
#include <array>
#include <string>
#include <vector>

#include "render/picture.h"

namespace kvir::art {

/// The sizes of the PNG icons, in pixels (square).
inline constexpr std::array<int, 8> kAppIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
/// The size whose drawing the scalable SVG icon holds.
inline constexpr int kAppIconSvgSize = 256;

/// One filled shape of the icon, in pixels of an icon of its size.
struct IconShape {
  QPainterPath path;
  QColor color;
};

/// The icon of `size` pixels as filled shapes, bottom to top.
std::vector<IconShape> AppIconShapes(int size);

/// The icon of `size` pixels: 8-bit RGBA, transparent around the sheet's rounded corners.
Picture DrawAppIcon(int size);

/// The scalable icon: the shapes of kAppIconSvgSize as an SVG document.
std::string AppIconSvg();

}  // namespace kvir::art
