#include "render/scheme_pictures.h"

#include <algorithm>

#include "render/loaders.h"

namespace kvir {

SchemePictureBatch::SchemePictureBatch(const std::array<PictureControl, kSchemeCount>& places,
                                       const std::array<PictureStyle, kSchemeCount>& styles)
    : pictures_(places), styles_(styles) {}

SchemePictureBatch::~SchemePictureBatch() {
  next_ = kSchemeCount + 1;
  threads_.clear();
}

void SchemePictureBatch::Start(unsigned threads) {
  for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { Decode(); });
}

void SchemePictureBatch::Finish() {
  Decode();
  threads_.clear();  // joins them: every decode has ended
}

bool SchemePictureBatch::Suits(int n, const Scheme& scheme) const {
  const PictureControl& decoded = pictures_.at(n - 1);
  const PictureControl& wanted = scheme.picture;
  return styles_.at(n - 1) == scheme.style && decoded.Tag == wanted.Tag &&
         decoded.width == wanted.width && decoded.height == wanted.height;
}

void SchemePictureBatch::Decode() {
  for (int n = next_++; n <= kSchemeCount; n = next_++) {
    try {
      LoadSchemePicture(pictures_[n - 1], styles_[n - 1]);
    } catch (...) {
      failures_[n - 1] = std::current_exception();
    }
  }
}

unsigned PictureHelperThreads() {
  const unsigned cores = std::max(std::thread::hardware_concurrency(), 1U);
  return std::min(cores, 4U) - 1;
}

}  // namespace kvir
