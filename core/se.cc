#include "core/se.h"

namespace kvir {

TSE::TSE(uint8_t input_count, uint8_t output_count, TSEProc proc)
    : FInputs(input_count, nullptr), FOutputs(output_count, nullptr), FProc(proc) {}

TSE::~TSE() {
  FInputs = TPIntArr();
  FOutputs = TPIntArr();
  FProc = nullptr;
}

}  // namespace kvir
