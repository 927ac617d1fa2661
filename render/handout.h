#pragma once
// Pictures for handouts: the panel trimmed to the scheme picture, with the scheme's title above.

#include <string>

#include "circuit/scheme.h"
#include "circuit/scheme_texts.h"
#include "render/panel_overlay.h"
#include "render/panel_pictures.h"
#include "render/picture.h"

namespace kvir {

/// White space kept around the scheme picture when the panel is trimmed, in pixels at 100 %.
inline constexpr int kCropMargin = 12;

/// The part of the panel a trimmed picture keeps: the scheme picture and kCropMargin around it,
/// within the panel, in panel pixels at the pictures' zoom.
PictureRect CropRect(const PanelPictures& pictures);
/// The same for a scheme picture lying at `picture` on a panel at `zoom`: the scheme's drawing
/// without the panel's empty margins.
PictureRect CropRect(const PictureRect& picture, int zoom);

/// The `rect` part of `picture`, which must lie inside it.
Picture Crop(const Picture& picture, const PictureRect& rect);

/// `top` above `bottom`: both of the same width and channels.
Picture StackAbove(const Picture& top, const Picture& bottom);

/// The resource of scheme n's title strip: "TITLE07RUPNG", "TITLE07ENPNG".
std::string TitlePictureName(int n, Language language);

/// The scheme's title strip in the pictures' style, as wide as CropRect, decoded as RGB.
Picture LoadTitlePicture(const PanelPictures& pictures, Language language);

/// The panel composed (ComposePanel) and trimmed to CropRect: what `kvir-cli render --crop`
/// writes.
Picture CroppedPanel(const PanelPictures& pictures, const PanelOverlay* overlay = nullptr);

/// CroppedPanel under the scheme's title strip in `language`: the picture for a report, what
/// `kvir-cli render --title` writes.
Picture TitledPanel(const PanelPictures& pictures, Language language,
                    const PanelOverlay* overlay = nullptr);

/// The name a saved picture of the scheme's present state is offered under: "kvir-", the
/// two-digit scheme number, then "-" and the label of each pressed input button in the scheme's
/// button order, then ".png": "kvir-01-Y3.png", "kvir-16-S-1-3-5.png", "kvir-06.png".
std::string PictureFileName(const Scheme& scheme);

}  // namespace kvir
