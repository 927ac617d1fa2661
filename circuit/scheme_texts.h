#pragma once
// What the program says about each scheme, in Russian and English: its title and the "О схеме"
// (about this scheme) text. The texts are in each scheme's row: gate_schemes.h holds those of
// schemes 01 … 09, chip_schemes.cc those of 10 … 16.

#include <string_view>

#include "circuit/language.h"

namespace kvir {

/// The title of scheme n (1 … 16) as the scheme list shows it: the Russian one is the scheme's
/// own title, byte for byte.
std::string_view SchemeTitle(int n, Language language);

/// A few paragraphs, one per line, about scheme n: what it does, its inputs and their roles, what
/// the small circles mean, what a student should see and the shape of its truth table.
std::string_view AboutScheme(int n, Language language);

}  // namespace kvir
