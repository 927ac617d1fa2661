#include "render/scheme_pictures.h"

#include <algorithm>

#include "render/loaders.h"

namespace kvir {

SchemePictureBatch::SchemePictureBatch(PictureStyle style) : style_(style) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    PictureControl& control = pictures_[n - 1];
    PlacePicture(control, StyledPictureRect(*kSchemeTable[n - 1].def, style));
    control.Tag = n;
  }
}

SchemePictureBatch::~SchemePictureBatch() {
  next_ = kSchemeCount + 1;
  JoinThreads();
}

void SchemePictureBatch::Start(unsigned threads) {
  for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this] { Decode(); });
}

void SchemePictureBatch::Finish() {
  Decode();
  JoinThreads();  // every decode has ended
}

void SchemePictureBatch::JoinThreads() {
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
}

void SchemePictureBatch::Decode() {
  for (int n = next_++; n <= kSchemeCount; n = next_++) {
    try {
      LoadSchemePicture(pictures_[n - 1], style_);
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
