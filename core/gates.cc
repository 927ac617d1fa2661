#include "core/gates.h"

namespace kvir {
namespace {

// The trip count is 8-bit: element arrays hold at most 255 entries.
template <int32_t Flip>
void Row(TPIntArr& inputs, TPIntArr& outputs) {
  const uint8_t n = static_cast<uint8_t>(inputs.size());
  for (uint8_t i = 0; i < n; ++i) *outputs[i] = *inputs[i] ^ Flip;
}

template <bool IsOr, int32_t Flip>
void Fold(TPIntArr& inputs, TPIntArr& outputs) {
  int32_t& acc = *outputs[0];
  acc = *inputs[0];
  const uint8_t n = static_cast<uint8_t>(inputs.size());
  for (uint8_t i = 1; i < n; ++i) acc = IsOr ? (acc | *inputs[i]) : (acc & *inputs[i]);
  if (Flip) acc ^= 1;
}

template <int Count, int32_t Flip>
void Split(TPIntArr& inputs, TPIntArr& outputs) {
  for (int j = 0; j < Count; ++j) *outputs[j] = *inputs[0] ^ Flip;
}

}  // namespace

void seRepeat(TPIntArr& in, TPIntArr& out) {
  Row<0>(in, out);
}
void seInvert(TPIntArr& in, TPIntArr& out) {
  Row<1>(in, out);
}
void seOr(TPIntArr& in, TPIntArr& out) {
  Fold<true, 0>(in, out);
}
void seNor(TPIntArr& in, TPIntArr& out) {
  Fold<true, 1>(in, out);
}
void seAnd(TPIntArr& in, TPIntArr& out) {
  Fold<false, 0>(in, out);
}
void seNand(TPIntArr& in, TPIntArr& out) {
  Fold<false, 1>(in, out);
}
void seSplit2(TPIntArr& in, TPIntArr& out) {
  Split<2, 0>(in, out);
}
void seSplit3(TPIntArr& in, TPIntArr& out) {
  Split<3, 0>(in, out);
}
void seSplit4(TPIntArr& in, TPIntArr& out) {
  Split<4, 0>(in, out);
}
void seSplitInv3(TPIntArr& in, TPIntArr& out) {
  Split<3, 1>(in, out);
}

}  // namespace kvir
