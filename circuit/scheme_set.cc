#include "circuit/scheme_set.h"

#include <optional>

namespace kvir {

void HeadlessHost::ReturnScheme(int n) {
  if (shown_ == n) shown_ = 0;
}

void HeadlessHost::ShowScheme(int n) {
  shown_ = n;
}

SchemeSet::SchemeSet() {
  for (int i = 0; i < kSchemeCount; ++i) {
    schemes_[i] = std::make_unique<Scheme>(*kSchemeTable[i].def);
  }
}

int SchemeSet::element_count() const {
  int total = 0;
  for (const auto& s : schemes_) total += static_cast<int>(s->elements.size());
  return total;
}

namespace {

// Begins decoding every scheme's picture: in `style` at that style's place where one is given,
// else in the style and at the place each scheme has.
std::unique_ptr<SchemePictureBatch> BeginPictures(SchemeSet& set,
                                                  std::optional<PictureStyle> style) {
  std::array<PictureControl, kSchemeCount> places;
  std::array<PictureStyle, kSchemeCount> styles;
  for (int n = 1; n <= kSchemeCount; ++n) {
    const Scheme& scheme = set.scheme(n);
    styles[n - 1] = style.value_or(scheme.style);
    places[n - 1] = {scheme.picture.left,   scheme.picture.top, scheme.picture.width,
                     scheme.picture.height, scheme.picture.Tag, {}};
    if (style) PlacePicture(places[n - 1], StyledPictureRect(scheme.def(), *style));
  }
  auto batch = std::make_unique<SchemePictureBatch>(places, styles);
  batch->Start(PictureHelperThreads());
  return batch;
}

// The pictures begun ahead where every scheme still has the style and place they were begun in,
// else a batch of the schemes as they are, begun now.
std::unique_ptr<SchemePictureBatch> SchemePictures(SchemeSet& set) {
  std::unique_ptr<SchemePictureBatch> batch = set.TakePicturesAhead();
  bool suits = batch != nullptr;
  for (int n = 1; suits && n <= kSchemeCount; ++n) suits = batch->Suits(n, set.scheme(n));
  return suits ? std::move(batch) : BeginPictures(set, std::nullopt);
}

}  // namespace

void SchemeSet::DecodePicturesAhead(PictureStyle style) {
  ahead_ = BeginPictures(*this, style);
}

void InitSchemes(SchemeSet& set, SchemeHost& host) {
  const std::unique_ptr<SchemePictureBatch> pictures = SchemePictures(set);
  pictures->Finish();
  for (int n = 1; n <= kSchemeCount; ++n) {
    if (pictures->failure(n)) std::rethrow_exception(pictures->failure(n));
    set.scheme(n).picture.picture = std::move(pictures->picture(n).picture);
    kSchemeTable[n - 1].build(set.scheme(n));
  }
  SelectScheme(set, host, 1);
}

void SelectScheme(SchemeSet& set, SchemeHost& host, uint8_t n) {
  for (int i = 1; i <= kSchemeCount; ++i) host.ReturnScheme(i);
  if (n < 1 || n > kSchemeCount) return;
  Scheme& scheme = set.scheme(n);
  ApplyInitialInputs(scheme);
  kSchemeTable[n - 1].press(scheme, scheme.indicators()[scheme.start]);
  host.ShowScheme(n);
}

void SetPictureStyle(SchemeSet& set, PictureStyle style) {
  for (int n = 1; n <= kSchemeCount; ++n) Restyle(set.scheme(n), style);
}

int FreeSchemes(SchemeSet& set) {
  int freed = 0;
  for (int n = 1; n <= kSchemeCount; ++n) {
    auto& elements = set.scheme(n).elements;
    for (std::unique_ptr<TSE>& element : elements) {
      element.reset();
      ++freed;
    }
    elements.clear();
  }
  return freed;
}

}  // namespace kvir
