#pragma once
// The shown part of a panel as RGBA pixels, for a front end that hands pixels on (the page's
// canvas): composed whole once, then again only where the presses since redrew.

#include <cstdint>
#include <vector>

#include "render/panel_overlay.h"
#include "render/panel_pictures.h"

namespace kvir {

/// The part of one panel its pictures' CropRect keeps, RGBA, rows top to bottom, the pixels of
/// `kvir-cli render --crop`. Hears the scheme of `pictures` (AttachedObserver) from construction
/// to destruction to know which indicators the presses redraw; `pictures` must outlive it, and it
/// must end before any observer of the scheme that started before it.
class RgbaPanel : public AttachedObserver {
 public:
  explicit RgbaPanel(const PanelPictures& pictures);

  /// The part of the panel composed: the scheme picture and its margin (CropRect).
  PictureRect shown_rect() const;
  /// The next Compose composes the whole part: the overlay or the pictures' style changed.
  void Invalidate() { composed_ = false; }

  /// The part under `overlay` (which may be null): only what the presses since the last call
  /// redrew is composed again, unless Invalidate was called. The pixels live until the next call.
  const std::vector<uint8_t>& Compose(const PanelOverlay* overlay);
  /// The rectangles the last Compose composed, in the part's own pixels: where a canvas needs to
  /// be painted again.
  const std::vector<PictureRect>& recomposed() const { return recomposed_; }

  void OnDraw(const Indicator& indicator) override;

 private:
  /// The places of the indicators redrawn, or the whole part where those overlap or nothing was
  /// composed yet.
  std::vector<PictureRect> DirtyRegion() const;
  void CopyToRgba(const PictureRect& part);

  const PanelPictures& pictures_;
  std::vector<uint16_t> drawn_;  ///< indicators redrawn since the last Compose
  bool composed_ = false;        ///< whether rgb_ holds the part as it was before drawn_
  Picture rgb_;                  ///< the part, RGB
  std::vector<uint8_t> rgba_;
  std::vector<PictureRect> recomposed_;
};

}  // namespace kvir
