#include "session/standalone_session.h"

#include "render/handout.h"

namespace kvir {

StandaloneSession::StandaloneSession(std::optional<uint32_t> seed) {
  for (int n = 1; n <= kSchemeCount; ++n) kSchemeTable[n - 1].build(set_.scheme(n));
  session_ = std::make_unique<Session>(
      SessionGround{.set = set_,
                    .host = host_,
                    .pictures = [this](int) -> PanelPictures& { return *pictures_; }},
      seed);
  session_->AddObserver(*this);
}

StandaloneSession::~StandaloneSession() {
  session_.reset();
  // They hear the scheme's presses: they end, in reverse order, before the netlists are freed.
  rgba_.reset();
  pictures_.reset();
  FreeSchemes(set_);
}

bool StandaloneSession::Select(int n, PictureStyle style) {
  if (n < 1 || n > kSchemeCount) return false;
  session_->FinishReplay();
  rgba_.reset();
  pictures_.reset();
  pictures_ = std::make_unique<PanelPictures>(set_.scheme(n), style);
  rgba_ = std::make_unique<RgbaPanel>(*pictures_);
  session_->Select(n);
  pictures_->LoadSchemePicture();
  return true;
}

bool StandaloneSession::Restyle(PictureStyle style) {
  if (session_->shown() == 0) return false;
  session_->Restyle([this, style] { pictures_->Restyle(style); });
  return true;
}

PictureRect StandaloneSession::shown_rect() const {
  return rgba_ ? rgba_->shown_rect() : PictureRect{};
}

const std::vector<uint8_t>& StandaloneSession::ComposeRgba() {
  return rgba_->Compose(session_->overlay());
}

const std::vector<PictureRect>& StandaloneSession::recomposed() const {
  return rgba_->recomposed();
}

// What shows over the pictures, or their style, changed: the whole part is composed again.
void StandaloneSession::OnSessionChanged(SessionChanges what) {
  if (rgba_ && (what & (kOverlayChanged | kStyleChanged)) != 0) rgba_->Invalidate();
}

}  // namespace kvir
