#pragma once
// The sixteen schemes: their named entry points and the ordered table of them.

#include <array>

#include "schemes/scheme.h"

namespace kvir {

using BuildProc = void (*)(Scheme& scheme);
using PressProc = void (*)(Scheme& scheme, Indicator& clicked);

struct SchemeEntry {
  const SchemeDef* def;
  BuildProc build;
  PressProc press;
};

inline constexpr int kSchemeCount = 16;

/// Schemes 1 … 16 in list order.
extern const std::array<SchemeEntry, kSchemeCount> kSchemeTable;

#define KVIR_DECLARE_SCHEME(NN)         \
  extern const SchemeDef kScheme##NN;   \
  void BuildScheme##NN(Scheme& scheme); \
  void PressScheme##NN(Scheme& scheme, Indicator& clicked);

KVIR_DECLARE_SCHEME(01)
KVIR_DECLARE_SCHEME(02)
KVIR_DECLARE_SCHEME(03)
KVIR_DECLARE_SCHEME(04)
KVIR_DECLARE_SCHEME(05)
KVIR_DECLARE_SCHEME(06)
KVIR_DECLARE_SCHEME(07)
KVIR_DECLARE_SCHEME(08)
KVIR_DECLARE_SCHEME(09)
KVIR_DECLARE_SCHEME(10)
KVIR_DECLARE_SCHEME(11)
KVIR_DECLARE_SCHEME(12)
KVIR_DECLARE_SCHEME(13)
KVIR_DECLARE_SCHEME(14)
KVIR_DECLARE_SCHEME(15)
KVIR_DECLARE_SCHEME(16)

#undef KVIR_DECLARE_SCHEME

}  // namespace kvir
