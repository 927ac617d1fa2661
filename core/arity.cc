#include "core/arity.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/chips.h"
#include "core/gates.h"
#include "core/routes.h"

namespace kvir {
namespace {

struct Entry {
  TSEProc proc;
  Arity arity;
};

constexpr int kAny = Arity::kAny;
constexpr int kAsInputs = Arity::kAsInputs;

constexpr Entry kLibrary[] = {
    {seRepeat, {"seRepeat", kAny, kAsInputs}},
    {seInvert, {"seInvert", kAny, kAsInputs}},
    {seOr, {"seOr", kAny, 1}},
    {seNor, {"seNor", kAny, 1}},
    {seAnd, {"seAnd", kAny, 1}},
    {seNand, {"seNand", kAny, 1}},
    {seSplit2, {"seSplit2", 1, 2}},
    {seSplit3, {"seSplit3", 1, 3}},
    {seSplit4, {"seSplit4", 1, 4}},
    {seSplitInv3, {"seSplitInv3", 1, 3}},
    {se155IV1, {"se155IV1", 9, 4}},
    {se155ID3, {"se155ID3", 6, 16}},
    {se155ID4, {"se155ID4", 6, 8}},
};

}  // namespace

std::string Counted(int n, std::string_view noun) {
  const std::string plural = std::string(noun) + "s";
  if (n == Arity::kAny) return "one or more " + plural;
  if (n == Arity::kAsInputs) return "as many " + plural;
  return std::to_string(n) + " " + (n == 1 ? std::string(noun) : plural);
}

bool Arity::Fits(int input_count, int output_count) const {
  const bool inputs_fit = inputs == kAny ? input_count >= 1 : input_count == inputs;
  if (outputs == kAsInputs) return inputs_fit && output_count == input_count;
  return inputs_fit && (outputs == kAny ? output_count >= 1 : output_count == outputs);
}

std::string Arity::Describe() const {
  return Counted(inputs, "input") + " and " + Counted(outputs, "output");
}

Arity ArityOf(TSEProc proc) {
  for (const Entry& entry : kLibrary) {
    if (entry.proc == proc) return entry.arity;
  }
  for (const RouteEntry& route : RouteTable()) {
    if (route.proc != proc) continue;
    return {route.name, *std::max_element(route.map.begin(), route.map.end()) + 1,
            static_cast<int>(route.map.size())};
  }
  throw std::invalid_argument("not a procedure of the library");
}

}  // namespace kvir
