#pragma once
// Picture loaders: each call decodes the named embedded PNG afresh into the control's own copy.

#include <string_view>

#include "schemes/scheme.h"

namespace kvir {

/// "SCHEME" + the control's Tag with two digits + "PNG": Tag 7 gives "SCHEME07PNG".
std::string SchemePictureName(int32_t tag);
/// "BUTTON" + the cell in decimal + "PNG".
std::string ButtonPictureName(int32_t cell);
/// "BIT" + the cell in decimal + "PNG".
std::string BitPictureName(int32_t cell);

/// Loads the scheme picture named by the control's Tag, of the control's size.
void LoadSchemePicture(PictureControl& image);
/// Loads the button picture for the indicator's cell.
void LoadButtonPicture(Indicator& image);
/// Loads the bit picture for the indicator's cell.
void LoadBitPicture(Indicator& image);

/// Decodes the embedded resource `name` into `out`; throws PictureError naming the resource when
/// it is missing or damaged. Returns the resource's own name.
std::string_view LoadResourcePicture(std::string_view name, const PictureShape& shape,
                                     Picture& out);

}  // namespace kvir
