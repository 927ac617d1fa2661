#include "circuit/scheme_set.h"

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

void InitSchemes(SchemeSet& set, SchemeHost& host) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    host.PrepareScheme(n);
    kSchemeTable[n - 1].build(set.scheme(n));
  }
  SelectScheme(set, host, 1);
}

void SelectScheme(SchemeSet& set, SchemeHost& host, uint8_t n) {
  for (int i = 1; i <= kSchemeCount; ++i) host.ReturnScheme(i);
  if (n < 1 || n > kSchemeCount) return;
  PressAsSelected(set.scheme(n));
  host.ShowScheme(n);
}

void PressAsSelected(Scheme& scheme) {
  ApplyInitialInputs(scheme);
  kSchemeTable[scheme.number() - 1].press(scheme, scheme.indicators()[scheme.start]);
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
