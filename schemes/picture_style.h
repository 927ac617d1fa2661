#pragma once
// How the program draws its pictures: the plain look, or the clear view. Each style's pictures
// are drawn by the tools and embedded beside the plain ones; one lookup maps a picture and the
// style to the resource to decode.

#include <string_view>

#include "resources/resources.h"
#include "schemes/scheme_def.h"

namespace kvir {

/// The look of every picture on the panels. The clear view fills pressed input buttons with
/// colour and leaves released ones hollow, frames the outputs a decoder selects and labels every
/// input. A later scale belongs here too, with its own variants of the pictures.
struct PictureStyle {
  bool clear = false;

  friend bool operator==(PictureStyle, PictureStyle) = default;
};

/// What a style's own variant of a picture adds to the picture's name before "PNG": "_CLEAR"
/// for the clear view ("BUTTON1PNG" → "BUTTON1_CLEARPNG"), nothing for the plain style.
std::string_view StyleSuffix(PictureStyle style);

/// The embedded resource that shows the picture `base` ("BUTTON1PNG") in `style`: the style's
/// own variant where one is embedded, else `base` itself; nullptr when neither is.
const Resource* FindStyledResource(std::string_view base, PictureStyle style);

/// Whether the clear view shows scheme `def` a picture of its own (and a title strip of its own,
/// as wide): where the plain drawing leaves the input buttons unlabelled, it adds their labels.
inline bool HasClearSchemePicture(const SchemeDef& def) {
  return !def.buttons_labelled;
}

/// How far left of the plain picture the clear view's scheme picture begins where the plain
/// drawing leaves the input buttons unlabelled: room for their labels.
inline constexpr int kClearLabelColumn = 20;

/// Where scheme `def`'s picture lies on its panel in `style`, and its size.
PictureRect StyledPictureRect(const SchemeDef& def, PictureStyle style);

}  // namespace kvir
