#pragma once
// The fixed data of one scheme, all in one row: its titles and texts, where its indicators lie
// and what they are, its elements and its press steps, the order of its data inputs. Written as
// generators by family (gate_schemes.h and .cc) or as tables (chip_schemes.cc).

#include <cstdint>
#include <span>
#include <string_view>

#include "circuit/chip_pins.h"
#include "circuit/names.h"
#include "core/se.h"

namespace kvir {

/// How a press changes the input buttons.
enum class InputMode : uint8_t {
  kOneHot,            ///< every button cleared, the pressed one set (encoders on gates)
  kToggle,            ///< the pressed button inverted (decoders)
  kOneHotWithToggle,  ///< data buttons one-hot, a second press releasing; one button toggles
};

/// What an indicator is in the circuit.
enum class Role : uint8_t {
  kInput,      ///< a data input button
  kEnable,     ///< an enable or strobe input button
  kBusLine,    ///< a line of a bus, or a link between two parts
  kGateInput,  ///< an input of a gate
  kChipPin,    ///< a pin of a chip that is not a scheme output
  kOutput,     ///< an output of the scheme
};

/// The level at which an output of a decoder is the selected one: low for the chips' outputs (the
/// one 0 among 1s), high for the gates' (the one 1 among 0s). Other indicators select nothing.
enum class ActiveLevel : uint8_t { kNone, kLow, kHigh };

/// The labels and role of a row of indicators: what the drawing prints beside them.
struct Legend {
  Role role = Role::kOutput;
  /// One label per name, blank-separated, or one pattern whose "#" stands for the name's last
  /// number ("Y#": IN05 → "Y5"). Empty: a chip pin takes its pin's label, a gate input the label
  /// of the bus line its routing element copies onto it.
  std::string_view labels;
  ChipPins pins = {};
  ActiveLevel active = ActiveLevel::kNone;
};

/// A distance between neighbouring indicators of a row.
struct Step {
  int left = 0;
  int top = 0;
};

/// Indicators placed in a grid: group g of `names` (ExpandGroups) at (left, top) + g · step, the
/// k-th name of a group a further k · inner. With `tops`, name i lies at top + tops[i] instead.
struct PlaceRow {
  NameList names;
  Legend legend;
  int left = 0;
  int top = 0;
  Step step = {};
  Step inner = {};
  std::span<const int> tops = {};
};

/// One element: its procedure, then the cells it reads and writes, by indicator name. With
/// `each`, one element per group of the lists: input group g and output group g.
struct ElementRow {
  TSEProc proc = nullptr;
  NameList inputs;
  NameList outputs;
  bool each = false;
};

/// Execute elements first … last (numbered from 1 in creation order), then redraw `draw`. With
/// `each`, one step per element: element first + g, then group g of `draw`.
struct PressRow {
  int first = 0;
  int last = 0;
  NameList draw;
  bool each = false;
};

struct PictureRect {
  int16_t left;
  int16_t top;
  int16_t width;
  int16_t height;
};

/// Where a scheme's definition comes from: the generator of the encoders or of the decoders on
/// gates, or a table of its own on chips. The drawings go by it.
enum class SchemeFamily : uint8_t { kGateEncoder, kGateDecoder, kChips };

struct SchemeDef {
  uint8_t number;
  SchemeFamily family = SchemeFamily::kChips;
  std::string_view title;          ///< as the scheme list shows it, in Russian
  std::string_view title_en = {};  ///< the same in English, numbered alike: "Scheme 01 - …"
  PictureRect picture;
  std::span<const PlaceRow> places;  ///< bottom to top: the stacking order of the panel
  std::string_view buttons;          ///< the input buttons, in redraw order
  InputMode mode;
  std::string_view toggle;  ///< the button that toggles in kOneHotWithToggle mode
  std::span<const ElementRow> netlist;
  std::span<const PressRow> press;
  /// "IN00=1 IN01=0": cells set, in order, before a selection press. The timing benchmark sets
  /// them too, without redrawing, before each press it times.
  std::string_view initial;
  std::string_view start;  ///< the button the selection and the timing benchmark press
  /// Whether the plain drawing prints each input button's label beside it; where it does not, the
  /// clear view's drawing adds them.
  bool buttons_labelled = true;
  /// The data inputs, the highest weight first: the order of the truth table's columns for the
  /// student. An encoder's input numbered k has weight k; a decoder's inputs are its bits, and in
  /// the cascades the first stage's bits are the higher ones, since they choose which later stage
  /// works.
  std::string_view data_by_weight = {};
  /// The outputs that spell a binary number, the highest weight first: the encoders' code. The
  /// student's table shows them in this order, as the drawing reads them; empty where the outputs
  /// stand each for one code (the decoders), in number order.
  std::string_view outputs_by_weight = {};
  /// What the "О схеме" (about this scheme) window says, in Russian and in English: a few
  /// paragraphs, one per line, in the order: what the scheme does; its inputs and their roles; the
  /// small circles; what a student should see; the shape of its truth table (as
  /// `kvir-cli table N --labels` prints it).
  std::string_view about_ru = {};
  std::string_view about_en = {};
};

/// The number of indicators a place table defines.
constexpr int CountPlaces(std::span<const PlaceRow> places) {
  int total = 0;
  for (const PlaceRow& row : places) total += CountNames(row.names);
  return total;
}

}  // namespace kvir
