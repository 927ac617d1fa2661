#include "render/panel_pictures.h"

#include <exception>

#include "render/loaders.h"

namespace kvir {

PanelPictures::PanelPictures(Scheme& scheme, PictureStyle style)
    : AttachedObserver(scheme),
      style_(style),
      shown_(std::make_unique<Picture[]>(scheme.indicators().size())),
      resources_(std::make_unique<std::string_view[]>(scheme.indicators().size())) {
  PlacePicture(picture_, StyledPictureRect(scheme.def(), style));
  picture_.Tag = scheme.number();
}

PanelPictures::PanelPictures(PanelPictures& shown, PictureStyle style)
    : PanelPictures(shown.scheme(), style) {
  DecodeAsShownIn(shown);
}

void PanelPictures::LoadSchemePicture() {
  kvir::LoadSchemePicture(picture_, style_);
}

void PanelPictures::DecodeIndicator(size_t index) {
  resources_[index] = {};
  resources_[index] = LoadIndicatorPicture(scheme().indicators()[index], shown_[index], style_);
}

void PanelPictures::OnDraw(const Indicator& indicator) {
  DecodeIndicator(IndexIn(scheme(), indicator));
  AttachedObserver::OnDraw(indicator);
}

void PanelPictures::Restyle(PictureStyle style) {
  style_ = style;
  PlacePicture(picture_, StyledPictureRect(scheme().def(), style));
  DecodeAsShownIn(*this);
}

void PanelPictures::DecodeAsShownIn(const PanelPictures& source) {
  if (!source.picture_.picture.empty()) LoadSchemePicture();
  for (size_t i = 0; i < scheme().indicators().size(); ++i) {
    if (!source.shown_[i].empty()) DecodeIndicator(i);
  }
}

PanelPictureSet::PanelPictureSet(SchemeSet& set, PictureStyle style) : style_(style) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    pictures_[n - 1] = std::make_unique<PanelPictures>(set.scheme(n), style);
  }
}

void PanelPictureSet::DecodeAhead() {
  ahead_ = std::make_unique<SchemePictureBatch>(style_);
  ahead_->Start(PictureHelperThreads());
}

void PanelPictureSet::LoadSchemePicture(int n) {
  const PictureControl& wanted = pictures(n).picture();
  if (ahead_ == nullptr || !(ahead_->style() == style_) ||
      ahead_->picture(n).width != wanted.width || ahead_->picture(n).height != wanted.height) {
    pictures(n).LoadSchemePicture();
    return;
  }
  ahead_->Finish();
  if (ahead_->failure(n)) std::rethrow_exception(ahead_->failure(n));
  pictures(n).TakeSchemePicture(std::move(ahead_->picture(n).picture));
  if (n == kSchemeCount) ahead_.reset();
}

void PanelPictureSet::Restyle(PictureStyle style) {
  style_ = style;
  if (ahead_ != nullptr && !(ahead_->style() == style)) ahead_.reset();
  for (auto& pictures : pictures_) pictures->Restyle(style);
}

}  // namespace kvir
