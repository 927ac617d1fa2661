#pragma once
// Transfer procedures of the simple elements: rows, gates and fan-outs.

#include "core/se.h"

namespace kvir {

// Rows: output i is written right after input i is read, before input i + 1.
/// out[i] := in[i] for every input i.
void seRepeat(TPIntArr& inputs, TPIntArr& outputs);
/// out[i] := in[i] xor 1 for every input i.
void seInvert(TPIntArr& inputs, TPIntArr& outputs);

// Folds: output cell 0 holds the running result from the first input on.
/// out[0] := in[0] or … or in[n - 1].
void seOr(TPIntArr& inputs, TPIntArr& outputs);
/// out[0] := (in[0] or … or in[n - 1]) xor 1.
void seNor(TPIntArr& inputs, TPIntArr& outputs);
/// out[0] := in[0] and … and in[n - 1].
void seAnd(TPIntArr& inputs, TPIntArr& outputs);
/// out[0] := (in[0] and … and in[n - 1]) xor 1.
void seNand(TPIntArr& inputs, TPIntArr& outputs);

// Fan-outs: every output is computed from a fresh read of input 0.
/// out[0], out[1] := in[0].
void seSplit2(TPIntArr& inputs, TPIntArr& outputs);
/// out[0] … out[2] := in[0].
void seSplit3(TPIntArr& inputs, TPIntArr& outputs);
/// out[0] … out[3] := in[0].
void seSplit4(TPIntArr& inputs, TPIntArr& outputs);
/// out[0] … out[2] := in[0] xor 1.
void seSplitInv3(TPIntArr& inputs, TPIntArr& outputs);

}  // namespace kvir
