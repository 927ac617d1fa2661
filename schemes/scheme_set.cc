#include "schemes/scheme_set.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

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

namespace {

// The sixteen scheme pictures, decoded side by side: the bulk of start-up's own work. Each decode
// has its own libpng state and writes only its own scheme's picture, so the pixels are those of
// decoding them in turn. A failure is kept for its scheme, to be raised in scheme order.
std::array<std::exception_ptr, kSchemeCount> LoadSchemePictures(SchemeSet& set) {
  std::array<std::exception_ptr, kSchemeCount> failures;
  std::atomic<int> next{1};
  const auto load = [&set, &failures, &next] {
    for (int n = next++; n <= kSchemeCount; n = next++) {
      try {
        LoadSchemePicture(set.scheme(n).picture, set.scheme(n).style);
      } catch (...) {
        failures[n - 1] = std::current_exception();
      }
    }
  };
  const unsigned cores = std::max(std::thread::hardware_concurrency(), 1U);
  std::vector<std::jthread> helpers;
  for (unsigned i = 1; i < std::min(cores, 4U); ++i) helpers.emplace_back(load);
  load();
  helpers.clear();  // joins them: every decode has ended
  return failures;
}

}  // namespace

void InitSchemes(SchemeSet& set, PanelHost& host) {
  const std::array<std::exception_ptr, kSchemeCount> failures = LoadSchemePictures(set);
  for (int n = 1; n <= kSchemeCount; ++n) {
    if (failures[n - 1]) std::rethrow_exception(failures[n - 1]);
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
