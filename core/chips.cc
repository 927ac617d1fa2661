#include "core/chips.h"

namespace kvir {
namespace {

inline int32_t Not(int32_t v) {
  return v ^ 1;
}

void SetAll(TPIntArr& outputs, int first, int count) {
  for (int i = first; i < first + count; ++i) *outputs[i] = 1;
}

// A code bit of the encoder: accumulate the complements of its four data inputs, then invert.
void EncoderBit(TPIntArr& in, int32_t& out, int a, int b, int c, int d) {
  out = Not(*in[a]);
  out |= Not(*in[b]);
  out |= Not(*in[c]);
  out |= Not(*in[d]);
  out = Not(out);
}

// One half of the 155ИД4: output m is low exactly for m = 2·A + B.
void DecodeHalf(int32_t a, int32_t b, TPIntArr& out, int first) {
  *out[first + 0] = b | a;
  *out[first + 1] = Not(b) | a;
  *out[first + 2] = b | Not(a);
  *out[first + 3] = Not(b) | Not(a);
}

}  // namespace

void se155IV1(TPIntArr& in, TPIntArr& out) {
  if (*in[8] != 0) {
    SetAll(out, 0, 4);
    return;
  }
  int32_t& s = *out[0];
  s = *in[0];
  for (int i = 1; i < 8; ++i) s &= *in[i];
  EncoderBit(in, *out[1], 4, 5, 6, 7);
  EncoderBit(in, *out[2], 2, 3, 6, 7);
  EncoderBit(in, *out[3], 1, 3, 5, 7);
}

void se155ID3(TPIntArr& in, TPIntArr& out) {
  if (*in[4] != 0 || *in[5] != 0) {
    SetAll(out, 0, 16);
    return;
  }
  for (int n = 0; n < 16; ++n) {
    int32_t& o = *out[n];
    o = (n & 1) ? Not(*in[0]) : *in[0];
    for (int b = 1; b < 4; ++b) o |= ((n >> b) & 1) ? Not(*in[b]) : *in[b];
  }
}

void se155ID4(TPIntArr& in, TPIntArr& out) {
  if (*in[0] != 0 || *in[1] != 0) {
    SetAll(out, 0, 4);
  } else {
    DecodeHalf(*in[2], *in[3], out, 0);
  }
  if (*in[4] != 0 || *in[5] != 1) {
    SetAll(out, 4, 4);
  } else {
    DecodeHalf(*in[2], *in[3], out, 4);
  }
}

}  // namespace kvir
