#pragma once
// How the program draws its pictures: the plain look or the clear view, at one of the zoom
// levels. Each style's pictures are drawn by the tools and embedded beside the plain ones; one
// lookup maps a picture and the style to the resource to decode.

#include <string>
#include <string_view>

#include "circuit/scheme.h"
#include "render/picture.h"
#include "render/resources.h"
#include "render/zoom.h"

namespace kvir {

/// The look of every picture on the panels. The clear view fills pressed input buttons with
/// colour and leaves released ones hollow, frames the outputs a decoder selects and labels every
/// input. At a zoom level other than 100 % every picture has its own variant drawn at that scale.
struct PictureStyle {
  bool clear = false;
  int zoom = kPlainZoom;  ///< one of kZoomLevels

  friend bool operator==(PictureStyle, PictureStyle) = default;
};

/// What a style's own variant of a picture adds to the picture's name before "PNG": "_CLEAR"
/// for the clear view, then "_" and the zoom level unless it is 100 %: "BUTTON1PNG" becomes
/// "BUTTON1_CLEARPNG", "BUTTON1_200PNG", "BUTTON1_CLEAR_200PNG"; nothing for the plain style.
std::string StyleSuffix(PictureStyle style);

/// The embedded resource that shows the picture `base` ("BUTTON1PNG") in `style`: the style's
/// own variant where one is embedded, else the variant of its zoom level alone (`base` itself at
/// 100 %); nullptr when neither is.
const Resource* FindStyledResource(std::string_view base, PictureStyle style);

/// Whether the clear view shows scheme `def` a picture of its own (and a title strip of its own,
/// as wide): where the plain drawing leaves the input buttons unlabelled, it adds their labels.
inline bool HasClearSchemePicture(const SchemeDef& def) {
  return !def.buttons_labelled;
}

/// How far left of the plain picture the clear view's scheme picture begins where the plain
/// drawing leaves the input buttons unlabelled: room for their labels.
inline constexpr int kClearLabelColumn = 20;

/// Where scheme `def`'s picture lies on its panel in `style`, and its size, at the style's zoom.
PictureRect StyledPictureRect(const SchemeDef& def, PictureStyle style);

/// The side of an indicator's picture at `zoom`: 24 pixels at 100 %.
constexpr int IndicatorSide(int zoom) {
  return Scaled(24, zoom);
}

/// Where the indicator's picture lies on its panel at `zoom` percent.
inline PictureRect IndicatorPlace(const Indicator& ind, int zoom) {
  const auto scaled = [zoom](int length) { return static_cast<int16_t>(Scaled(length, zoom)); };
  const auto side = static_cast<int16_t>(IndicatorSide(zoom));
  return {scaled(ind.left), scaled(ind.top), side, side};
}

/// The scheme picture control; its Tag is the scheme number.
struct PictureControl {
  int left = 0, top = 0;  ///< on the panel at the pictures' zoom (StyledPictureRect)
  int width = 0, height = 0;
  int32_t Tag = 0;
  Picture picture;
};

/// Gives the picture control the place and size of `rect`.
void PlacePicture(PictureControl& control, const PictureRect& rect);

}  // namespace kvir
