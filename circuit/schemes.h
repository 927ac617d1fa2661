#pragma once
// The sixteen schemes: the ordered table of their definitions and their named entry points.

#include <array>

#include "circuit/scheme.h"

namespace kvir {

using BuildProc = void (*)(Scheme& scheme);
using PressProc = void (*)(Scheme& scheme, Indicator& clicked);

struct SchemeEntry {
  const SchemeDef* def;
  BuildProc build;
  PressProc press;
};

inline constexpr int kSchemeCount = 16;

/// The definitions by family: schemes 01 … 05, 06 … 09 and 10 … 16.
extern const std::array<SchemeDef, 5> kGateEncoderDefs;
extern const std::array<SchemeDef, 4> kGateDecoderDefs;
extern const std::array<SchemeDef, 7> kChipSchemeDefs;

/// Schemes 1 … 16 in list order.
extern const std::array<SchemeEntry, kSchemeCount> kSchemeTable;

// The named entry points: one engine builds and presses every scheme from its definition.
inline constexpr BuildProc BuildScheme01 = BuildNetlist, BuildScheme02 = BuildNetlist,
                           BuildScheme03 = BuildNetlist, BuildScheme04 = BuildNetlist,
                           BuildScheme05 = BuildNetlist, BuildScheme06 = BuildNetlist,
                           BuildScheme07 = BuildNetlist, BuildScheme08 = BuildNetlist,
                           BuildScheme09 = BuildNetlist, BuildScheme10 = BuildNetlist,
                           BuildScheme11 = BuildNetlist, BuildScheme12 = BuildNetlist,
                           BuildScheme13 = BuildNetlist, BuildScheme14 = BuildNetlist,
                           BuildScheme15 = BuildNetlist, BuildScheme16 = BuildNetlist;
inline constexpr PressProc PressScheme01 = Press, PressScheme02 = Press, PressScheme03 = Press,
                           PressScheme04 = Press, PressScheme05 = Press, PressScheme06 = Press,
                           PressScheme07 = Press, PressScheme08 = Press, PressScheme09 = Press,
                           PressScheme10 = Press, PressScheme11 = Press, PressScheme12 = Press,
                           PressScheme13 = Press, PressScheme14 = Press, PressScheme15 = Press,
                           PressScheme16 = Press;

}  // namespace kvir
