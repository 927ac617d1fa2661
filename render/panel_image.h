#pragma once
// The one compositor of a scheme's panel: the window paints it, copies, saves and prints it, and
// `kvir-cli render` writes it.

#include <cstdint>
#include <span>

#include "render/panel_geometry.h"
#include "render/panel_overlay.h"
#include "render/panel_pictures.h"
#include "render/picture.h"

namespace kvir {

struct Rgb {
  uint8_t red, green, blue;
};

/// The marker that frames the indicators of a stage: orange, one pixel outside an indicator and
/// two inside (at 100 %, scaled with the zoom), over the edge of its picture, so that markers of
/// neighbours never overlap.
inline constexpr int kMarkerOutside = 1;
inline constexpr int kMarkerInside = 2;
inline constexpr Rgb kMarkerColour = {255, 140, 0};
/// The faint marker, of indicators redrawn without change: the same orange, pale.
inline constexpr Rgb kFaintMarkerColour = {255, 214, 160};
inline constexpr Rgb kPanelWhite = {255, 255, 255};

/// Where the marker of `indicator` lies at `zoom`: its place widened by kMarkerOutside.
PictureRect MarkerPlace(const Indicator& indicator, int zoom);

/// Where the compositor's layers go, in panel pixels at the pictures' zoom.
class PanelCanvas {
 public:
  virtual ~PanelCanvas() = default;
  virtual void Fill(const PictureRect& area, Rgb colour) = 0;
  /// Puts the `part` of `picture` (in the picture's own pixels) with its top left at (left, top).
  virtual void Put(const Picture& picture, const PictureRect& part, int left, int top) = 0;
};

/// A canvas that is an RGB picture lying with its top left at (left, top) on the panel: pictures
/// with alpha are blended over what lies beneath; whatever falls outside it is left out.
/// `target` must outlive the canvas.
class PictureCanvas : public PanelCanvas {
 public:
  explicit PictureCanvas(Picture& target, int left = 0, int top = 0)
      : target_(target), left_(left), top_(top) {}
  void Fill(const PictureRect& area, Rgb colour) override;
  void Put(const Picture& picture, const PictureRect& part, int left, int top) override;

 private:
  uint8_t* At(int x, int y);  ///< in panel pixels
  Picture& target_;
  int left_, top_;
};

/// Composes the parts of the panel within `region` (rectangles that do not overlap) onto
/// `canvas`, each part once from beneath: white where no picture lies, the scheme picture where no
/// indicator covers it, then each indicator's shown picture in stacking order (whole, wherever it
/// meets the region; indicators never drawn show what lies beneath), then the overlay's markers,
/// faint and full, within the region. With an `overlay`, its pictures take the place of the
/// indicators' own.
void ComposePanel(const PanelPictures& pictures, const PanelOverlay* overlay,
                  std::span<const PictureRect> region, PanelCanvas& canvas);

/// The whole panel: a white 820 × 665 RGB picture (at 100 %; scaled to the pictures' zoom),
/// composed as above, pictures with alpha blended over what lies beneath.
Picture ComposePanel(const PanelPictures& pictures, const PanelOverlay* overlay = nullptr);

}  // namespace kvir
