#pragma once
// What a scheme's panel shows: the scheme picture and each indicator's picture as last redrawn,
// decoded as the press engine redraws them; and the sixteen of them for the program's start-up.

#include <array>
#include <memory>
#include <span>
#include <string_view>

#include "circuit/scheme_set.h"
#include "render/picture_style.h"
#include "render/scheme_pictures.h"

namespace kvir {

/// The pictures of one scheme's panel in one style. Hears the scheme's presses as an
/// AttachedObserver from construction to destruction, and decodes each redrawn indicator's picture
/// afresh, in the order the press engine redraws them. Each indicator's picture keeps its storage
/// for the lifetime of the object, so views may hold references to it. The scheme must outlive it.
class PanelPictures : public AttachedObserver {
 public:
  /// Nothing decoded yet: no scheme picture, no indicator picture; the control at the place of
  /// `style`.
  explicit PanelPictures(Scheme& scheme, PictureStyle style = {});
  /// What `shown` shows, in `style`: its scheme picture once it has one and each indicator it
  /// has drawn, decoded at the level of the indicator's cell; a sharper picture of the same state.
  /// Hears the scheme like any other, so it must end before `shown` does.
  PanelPictures(PanelPictures& shown, PictureStyle style);

  const Scheme& scheme() const { return AttachedObserver::scheme(); }
  Scheme& scheme() { return AttachedObserver::scheme(); }
  PictureStyle style() const { return style_; }

  /// The scheme picture control: its place and size in the style, its picture once loaded. A
  /// picture is decoded at the control's size and refused at any other.
  const PictureControl& picture() const { return picture_; }
  PictureControl& picture() { return picture_; }
  /// Decodes the scheme picture in the style; throws Error when it cannot.
  void LoadSchemePicture();
  /// Takes a scheme picture decoded elsewhere in the style (SchemePictureBatch).
  void TakeSchemePicture(Picture picture) { picture_.picture = std::move(picture); }

  /// What indicator `index` (stacking order) shows; empty until its first redraw.
  const Picture& shown(size_t index) const { return shown_[index]; }
  /// The resource that picture was decoded from; empty until its first redraw.
  std::string_view shown_resource(size_t index) const { return resources_[index]; }

  /// Gives the pictures the look of `style`: the control takes the style's place and size, and
  /// what is already shown is decoded again in the new style, the scheme picture and every
  /// indicator at the level of its cell. No cell changes.
  void Restyle(PictureStyle style);

  void OnDraw(const Indicator& indicator) override;

 private:
  void DecodeIndicator(size_t index);
  /// Decodes in the present style whatever `source` (of the same scheme, maybe this) shows.
  void DecodeAsShownIn(const PanelPictures& source);

  PictureStyle style_;
  PictureControl picture_;
  std::unique_ptr<Picture[]> shown_;
  std::unique_ptr<std::string_view[]> resources_;
};

/// The pictures of all sixteen schemes of a set, for the program: begun ahead on threads of their
/// own while the windows are built, taken as start-up builds each scheme. The set must outlive it.
class PanelPictureSet {
 public:
  explicit PanelPictureSet(SchemeSet& set, PictureStyle style = {});
  PanelPictureSet(const PanelPictureSet&) = delete;
  PanelPictureSet& operator=(const PanelPictureSet&) = delete;

  /// Scheme n's pictures, 1 … 16.
  PanelPictures& pictures(int n) { return *pictures_.at(n - 1); }
  const PanelPictures& pictures(int n) const { return *pictures_.at(n - 1); }
  PictureStyle style() const { return style_; }

  /// Begins decoding every scheme picture in the present style on threads of their own while the
  /// caller goes on.
  void DecodeAhead();
  /// Gives scheme n its scheme picture: the one begun ahead if it was decoded in the present style
  /// at the size of scheme n's control, else decoded now. Throws Error when it cannot be
  /// decoded; the failures of the batch are raised in scheme order.
  void LoadSchemePicture(int n);
  /// Gives every scheme's pictures the look of `style` (PanelPictures::Restyle); pictures begun
  /// ahead in another style are dropped.
  void Restyle(PictureStyle style);

 private:
  PictureStyle style_;
  std::array<std::unique_ptr<PanelPictures>, kSchemeCount> pictures_;
  std::unique_ptr<SchemePictureBatch> ahead_;
};

/// A host that only remembers which scheme is shown and loads each scheme's picture as start-up
/// prepares it, as the window does; for the tools and the tests. `pictures` must outlive it.
class PicturedHost : public HeadlessHost {
 public:
  explicit PicturedHost(PanelPictureSet& pictures) : pictures_(pictures) {}
  void PrepareScheme(int n) override { pictures_.LoadSchemePicture(n); }

 private:
  PanelPictureSet& pictures_;
};

}  // namespace kvir
