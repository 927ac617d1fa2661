// The headless figures: a selection's press as the window makes it (decoding every redrawn
// picture) against the bare decodes it contains, the same press in the model alone, one
// evaluation of the elements, and the start-up of all sixteen schemes with their pictures.

#include <benchmark/benchmark.h>
#include <algorithm>

#include <memory>
#include <string>
#include <vector>

#include "bench/bare_decode.h"
#include "circuit/scheme_set.h"
#include "render/panel_pictures.h"
#include "render/resources.h"

namespace kvir::bench {
namespace {

/// The sixteen schemes with the pictures of their panels, as start-up leaves them.
struct Started {
  SchemeSet set;
  PanelPictureSet pictures{set};
};

Started& StartedSchemes() {
  static Started* const started = [] {
    auto* made = new Started;
    PicturedHost host(made->pictures);
    InitSchemes(made->set, host);
    return made;
  }();
  return *started;
}

/// The sixteen schemes without pictures: the model alone, as truth tables and quizzes use it.
SchemeSet& ModelSchemes() {
  static SchemeSet* const set = [] {
    auto* made = new SchemeSet;
    HeadlessHost host;
    InitSchemes(*made, host);
    return made;
  }();
  return *set;
}

/// Hears which indicators a press redraws, in order.
class DrawRecorder : public PressObserver {
 public:
  void OnExecute(int) override {}
  void OnDraw(const Indicator& indicator) override { drawn.push_back(&indicator); }
  std::vector<const Indicator*> drawn;
};

/// One decode of a press: the embedded bytes and a buffer the size of the indicator's picture.
struct FloorDecode {
  std::span<const uint8_t> bytes;
  std::vector<uint8_t> pixels;
};

/// The decodes a selection press of `scheme` makes, in order, each checked to give the very
/// pixels the press gave. Empty when a check fails.
std::vector<FloorDecode> DecodesOfPress(PanelPictures& pictures) {
  Scheme& scheme = pictures.scheme();
  DrawRecorder recorder;
  PressObserver* const shown = scheme.observer;
  scheme.observer = &recorder;
  PressAsSelected(scheme);
  scheme.observer = shown;
  PressAsSelected(scheme);
  std::vector<FloorDecode> decodes;
  for (const Indicator* indicator : recorder.drawn) {
    const size_t index = IndexIn(scheme, *indicator);
    const Resource* resource = FindResource(pictures.shown_resource(index));
    if (resource == nullptr) return {};
    FloorDecode& decode = decodes.emplace_back();
    decode.bytes = resource->bytes;
    decode.pixels.resize(pictures.shown(index).pixels.size());
    if (!BareDecode(decode.bytes, decode.pixels) ||
        !std::ranges::equal(decode.pixels, pictures.shown(index).pixels)) {
      return {};
    }
  }
  return decodes;
}

void BM_Press(benchmark::State& state) {
  Scheme& scheme = StartedSchemes().set.scheme(static_cast<int>(state.range(0)));
  for (auto _ : state) PressAsSelected(scheme);
  state.counters["decodes"] = static_cast<double>(scheme.indicators().size());
}

void BM_PressModel(benchmark::State& state) {
  Scheme& scheme = ModelSchemes().scheme(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    PressAsSelected(scheme);
    benchmark::ClobberMemory();
  }
}

/// The bare decodes of a selection press in `style`: the floor a press of that style can reach.
void DecodeFloor(benchmark::State& state, PictureStyle style) {
  PanelPictures& pictures = StartedSchemes().pictures.pictures(static_cast<int>(state.range(0)));
  pictures.Restyle(style);
  std::vector<FloorDecode> decodes = DecodesOfPress(pictures);
  pictures.Restyle({});
  if (decodes.empty()) {
    state.SkipWithError("the bare decodes differ from the press's pictures");
    return;
  }
  for (auto _ : state) {
    for (FloorDecode& decode : decodes) BareDecode(decode.bytes, decode.pixels);
    benchmark::ClobberMemory();
  }
  state.counters["decodes"] = static_cast<double>(decodes.size());
}

void BM_DecodeFloor(benchmark::State& state) {
  DecodeFloor(state, {});
}

void BM_DecodeFloorClear(benchmark::State& state) {
  DecodeFloor(state, {.clear = true});
}

void BM_DecodeFloor200(benchmark::State& state) {
  DecodeFloor(state, {.zoom = 200});
}

void BM_Evaluate(benchmark::State& state) {
  Scheme& scheme = ModelSchemes().scheme(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Evaluate(scheme);
    benchmark::ClobberMemory();
  }
}

void BM_InitSchemes(benchmark::State& state) {
  for (auto _ : state) {
    auto set = std::make_unique<SchemeSet>();
    auto pictures = std::make_unique<PanelPictureSet>(*set);
    PicturedHost host(*pictures);
    InitSchemes(*set, host);
    state.PauseTiming();
    pictures.reset();
    set.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_Press)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_PressModel)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_DecodeFloor)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_DecodeFloorClear)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_DecodeFloor200)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_Evaluate)->DenseRange(1, kSchemeCount);
BENCHMARK(BM_InitSchemes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kvir::bench
