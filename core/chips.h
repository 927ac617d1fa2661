#pragma once
// Series-155 chip models. Pins carry their drawn levels; every output is active low.

#include "core/se.h"

namespace kvir {

/// 155ИВ1 eight-input encoder, no priority. Inputs 0 … 7 data (low), 8 enable V (low);
/// outputs S, D1, D2, D3 (low). 9 inputs, 4 outputs.
void se155IV1(TPIntArr& inputs, TPIntArr& outputs);

/// 155ИД3 four-to-sixteen decoder. Inputs 1, 2, 4, 8 address weights (high), S1, S2 strobes
/// (low); output n low when selected. 6 inputs, 16 outputs.
void se155ID3(TPIntArr& inputs, TPIntArr& outputs);

/// 155ИД4 dual two-to-four decoder. Inputs S1, Ē, A (weight 2), B (weight 1), S2, D;
/// outputs E1 … E4, D1 … D4 (low). 6 inputs, 8 outputs.
void se155ID4(TPIntArr& inputs, TPIntArr& outputs);

}  // namespace kvir
