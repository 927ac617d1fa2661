#include "circuit/schemes.h"

namespace kvir {
namespace {

template <size_t... N>
constexpr std::array<SchemeEntry, kSchemeCount> Join(const std::array<SchemeDef, N>&... families) {
  std::array<SchemeEntry, kSchemeCount> table{};
  size_t i = 0;
  (([&] {
     for (const SchemeDef& def : families) table.at(i++) = {&def, BuildNetlist, Press};
   }()),
   ...);
  return table;
}

}  // namespace

constinit const std::array<SchemeEntry, kSchemeCount> kSchemeTable =
    Join(kGateEncoderDefs, kGateDecoderDefs, kChipSchemeDefs);

}  // namespace kvir
