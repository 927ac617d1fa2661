#pragma once
// The title strips that `kvir-cli render --title` sets above a trimmed panel: the scheme's title,
// word-wrapped and centred, on white, as wide as the trimmed panel.

#include <QRect>
#include <vector>

#include "circuit/scheme_texts.h"
#include "render/panel_pictures.h"
#include "render/picture.h"

namespace kvir::art {

/// The lettering of the strips, at 100 % (the strips of a zoom level scale it and the gaps).
inline constexpr int kTitlePixels = 15;
/// White space above the title and between it and the scheme picture below.
inline constexpr int kTitleTopGap = 10;
inline constexpr int kTitleBottomGap = 4;

/// A drawn strip and where its text lies, for comparisons that allow a rasteriser's changes.
struct TitleStrip {
  Picture picture;  ///< 8-bit RGBA, fully opaque
  QRect text_area;
};

/// The title strip of the scheme `shown` shows in `language`, in its style.
TitleStrip DrawTitleStrip(const PanelPictures& shown, Language language);

}  // namespace kvir::art
