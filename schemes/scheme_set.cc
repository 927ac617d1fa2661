#include "schemes/scheme_set.h"

#include "schemes/loaders.h"
#include "schemes/panel_geometry.h"

namespace kvir {

void HeadlessHost::ReturnPanel(int n) {
  if (placed_ == n) placed_ = 0;
}

void HeadlessHost::PlacePanel(int n, int, int) {
  placed_ = n;
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

void InitSchemes(SchemeSet& set, PanelHost& host) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    LoadSchemePicture(set.scheme(n).picture, set.scheme(n).style);
    kSchemeTable[n - 1].build(set.scheme(n));
  }
  SelectScheme(set, host, 1);
}

void SelectScheme(SchemeSet& set, PanelHost& host, uint8_t n) {
  for (int i = 1; i <= kSchemeCount; ++i) host.ReturnPanel(i);
  if (n < 1 || n > kSchemeCount) return;
  Scheme& scheme = set.scheme(n);
  ApplyInitialInputs(scheme);
  kSchemeTable[n - 1].press(scheme, scheme.indicators()[scheme.start]);
  host.PlacePanel(n, 0, kPanelTop);
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
