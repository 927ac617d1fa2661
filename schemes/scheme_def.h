#pragma once
// The fixed data of one scheme, written as tables in un01.cc … un16.cc.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/se.h"
#include "schemes/names.h"

namespace kvir {

/// How a press changes the input buttons.
enum class InputMode : uint8_t {
  kOneHot,            ///< every button cleared, the pressed one set (encoders on gates)
  kToggle,            ///< the pressed button inverted (decoders)
  kOneHotWithToggle,  ///< data buttons one-hot, a second press releasing; one button toggles
};

/// Indicators placed along a line: name i of `names` at (left + i·step_left, top + i·step_top).
struct PlaceRow {
  std::string_view names;
  int16_t left;
  int16_t top;
  int16_t step_left = 0;
  int16_t step_top = 0;
};

/// One element: its procedure, then the cells it reads and writes, by indicator name.
struct ElementRow {
  TSEProc proc;
  std::string_view inputs;
  std::string_view outputs;
};

/// Execute elements first … last (numbered from 1 in creation order), then redraw `draw`.
struct PressRow {
  uint8_t first;
  uint8_t last;
  std::string_view draw;
};

struct PictureRect {
  int16_t left;
  int16_t top;
  int16_t width;
  int16_t height;
};

struct SchemeDef {
  uint8_t number;
  std::string_view title;
  PictureRect picture;
  std::span<const PlaceRow> places;  ///< bottom to top: the stacking order of the panel
  std::string_view buttons;          ///< the input buttons, in redraw order
  InputMode mode;
  std::string_view toggle;  ///< the button that toggles in kOneHotWithToggle mode
  std::span<const ElementRow> netlist;
  std::span<const PressRow> press;
  std::string_view initial;  ///< "IN00=1 IN01=0": cells set, in order, before a selection press
  std::string_view start;    ///< the button the selection presses
};

/// The number of indicators a place table defines.
constexpr int CountPlaces(std::span<const PlaceRow> places) {
  int total = 0;
  for (const PlaceRow& row : places) total += CountNames(row.names);
  return total;
}

}  // namespace kvir
