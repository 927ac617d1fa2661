#pragma once
// The 24 × 24 pictures (at 100 %) that stand for one indicator: the lamps' levels, the buttons'
// states, the clear view's marks and the cards of "Проверь себя" over hidden lamps.

#include <string>
#include <vector>

#include "render/picture.h"
#include "render/zoom.h"

namespace kvir {

struct SmallPicture {
  std::string file_name;  ///< in resources/: "bit0.png"
  Picture picture;
};

/// Every small picture at `zoom` percent (its file names then end in "_" and the zoom, as
/// "bit0_150.png"), drawn afresh: bit0.png, bit1.png, button0.png, button1.png; the clear
/// view's button0_clear.png (hollow), button1_clear.png (filled), active0.png and active1.png (the
/// lamp of a selected decoder output, framed); then the cards hidden.png, guess0.png, guess1.png,
/// right0.png, right1.png, wrong0.png, wrong1.png (the level beside the crossed-out guess),
/// missed0.png, missed1.png (no guess) and masked.png.
std::vector<SmallPicture> DrawSmallPictures(int zoom = kPlainZoom);

}  // namespace kvir
