#pragma once
// The scheme element: references to the signal cells it reads and writes, and the procedure
// that computes the second from the first. All circuit state lives in the cells.

#include <cstdint>
#include <vector>

namespace kvir {

/// A signal cell holds the level 0 or 1 of one point of a circuit; PSignal refers to one.
using PSignal = int32_t*;
/// An element's references, one per input or output index; null until wired.
using TPIntArr = std::vector<PSignal>;
/// A transfer procedure: reads cells through the inputs, writes cells through the outputs.
using TSEProc = void (*)(TPIntArr& inputs, TPIntArr& outputs);

class TSE {
 public:
  /// Both arrays get their fixed lengths with every entry null; nothing else is checked.
  TSE(uint8_t input_count, uint8_t output_count, TSEProc proc);
  /// Releases the arrays; the cells they referred to are left as they are.
  ~TSE();
  TSE(const TSE&) = delete;
  TSE& operator=(const TSE&) = delete;

  /// Runs the transfer procedure once.
  void Execute() { FProc(FInputs, FOutputs); }

  // Builders wire the entries by index after construction.
  TPIntArr FInputs;
  TPIntArr FOutputs;
  TSEProc FProc;
};

}  // namespace kvir
