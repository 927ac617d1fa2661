#pragma once
// Picture loaders: each call decodes the named embedded PNG afresh into the caller's picture.

#include <string_view>

#include "render/picture_style.h"

namespace kvir {

/// "SCHEME" + the control's Tag with two digits + "PNG": Tag 7 gives "SCHEME07PNG".
std::string SchemePictureName(int32_t tag);
/// "BUTTON" + the cell in decimal + "PNG".
std::string ButtonPictureName(int32_t cell);
/// "BIT" + the cell in decimal + "PNG".
std::string BitPictureName(int32_t cell);
/// "ACTIVE" + the cell in decimal + "PNG": the clear view's lamp of a selected decoder output.
std::string ActivePictureName(int32_t cell);

/// Loads the scheme picture named by the control's Tag in `style`, of the control's size (the
/// style's, StyledPictureRect).
void LoadSchemePicture(PictureControl& image, PictureStyle style = {});
/// Decodes into `out` the picture a redraw gives the indicator for its cell in `style`: a button
/// picture for an input button, a bit picture for a lamp (in the clear view a decoder output that
/// the cell selects shows the framed ACTIVE picture instead). Returns the decoded resource's name.
std::string_view LoadIndicatorPicture(const Indicator& image, Picture& out,
                                      PictureStyle style = {});

/// The resource a redraw of the indicator decodes for its cell in `style`, by its kind: what it
/// shows after a press.
const Resource* ShownResource(const Indicator& image, PictureStyle style);

/// Decodes the embedded resource that shows `name` in `style` (FindStyledResource) into `out`;
/// throws Error naming the resource when it is missing or damaged. Returns the decoded
/// resource's own name.
std::string_view LoadResourcePicture(std::string_view name, const PictureShape& shape, Picture& out,
                                     PictureStyle style = {});

}  // namespace kvir
