#pragma once
// All sixteen schemes of the program, their start-up, selection and release.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "circuit/schemes.h"
#include "render/scheme_pictures.h"

namespace kvir {

/// Where the panels live: the program reparents widgets, the tools and tests record the calls.
class PanelHost {
 public:
  virtual ~PanelHost() = default;
  /// Scheme n's panel goes back to its own hidden window.
  virtual void ReturnPanel(int n) = 0;
  /// Scheme n's panel goes into the main window at (left, top), over everything else.
  virtual void PlacePanel(int n, int left, int top) = 0;
};

/// A host that only remembers which panel is placed.
class HeadlessHost : public PanelHost {
 public:
  void ReturnPanel(int n) override;
  void PlacePanel(int n, int left, int top) override;
  int placed() const { return placed_; }  ///< 0 when the scheme area is empty

 private:
  int placed_ = 0;
};

class SchemeSet {
 public:
  /// Creates the sixteen scheme windows: indicators with cells 0, no pictures, no elements.
  SchemeSet();
  SchemeSet(const SchemeSet&) = delete;
  SchemeSet& operator=(const SchemeSet&) = delete;

  /// Scheme n, 1 … 16.
  Scheme& scheme(int n) { return *schemes_.at(n - 1); }
  int element_count() const;

  /// Begins decoding every scheme's picture in `style` on threads of their own while the caller
  /// goes on, for InitSchemes to take. It decodes afresh those whose scheme has by then another
  /// style.
  void DecodePicturesAhead(PictureStyle style);
  /// The pictures begun by DecodePicturesAhead, or nothing; the set keeps them no longer.
  std::unique_ptr<SchemePictureBatch> TakePicturesAhead() { return std::move(ahead_); }

 private:
  std::array<std::unique_ptr<Scheme>, kSchemeCount> schemes_;
  std::unique_ptr<SchemePictureBatch> ahead_;
};

/// Start-up: each scheme's picture and netlist, then scheme 1.
void InitSchemes(SchemeSet& set, PanelHost& host);

/// Returns every panel; for n in 1 … 16 sets scheme n's initial inputs, presses its starting
/// button while hidden, then places the panel at left 0, top 23. Any other n leaves it empty.
void SelectScheme(SchemeSet& set, PanelHost& host, uint8_t n);

/// Gives every scheme's pictures the look of `style` (Restyle); no cell changes.
void SetPictureStyle(SchemeSet& set, PictureStyle style);

/// Destroys every element, scheme 1 to 16, each in creation order; returns how many. A press on
/// a freed scheme throws.
int FreeSchemes(SchemeSet& set);

}  // namespace kvir
