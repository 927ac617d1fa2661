#pragma once
// A scheme at run time: its picture control, indicators and elements, and the press engine.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/se.h"
#include "schemes/picture.h"
#include "schemes/scheme_def.h"

namespace kvir {

/// A 24 × 24 picture control over the scheme picture showing the level of one cell.
struct Indicator {
  std::string name;
  std::string label;  ///< what the drawing prints beside it: "Y3", "X1", "S", "E2", "4"
  int left = 0;
  int top = 0;
  bool is_button = false;  ///< the IN family; every other name is a lamp
  Role role = Role::kOutput;
  ChipPins pins;                    ///< the chip pin it lies on, if any
  int32_t Tag = 0;                  ///< the signal cell
  Picture shown;                    ///< empty until the first redraw
  std::string_view shown_resource;  ///< the resource `shown` was decoded from
};

/// Whether a name belongs to an input button.
bool IsButtonName(std::string_view name);

/// The scheme picture control; its Tag is the scheme number.
struct PictureControl {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int32_t Tag = 0;
  Picture picture;
};

/// Receives each step of a press: an element executed, an indicator redrawn.
class PressObserver {
 public:
  virtual ~PressObserver() = default;
  virtual void OnExecute(int element_number) = 0;  ///< from 1, in creation order
  virtual void OnDraw(const Indicator& indicator) = 0;
};

struct CompiledStep {
  uint8_t first = 0;
  uint8_t last = 0;
  std::vector<uint16_t> draw;
};

class Scheme {
 public:
  /// The scheme's window: picture control and indicators (cells 0, nothing shown), no elements.
  explicit Scheme(const SchemeDef& def);
  Scheme(const Scheme&) = delete;
  Scheme& operator=(const Scheme&) = delete;

  const SchemeDef& def() const { return *def_; }
  int number() const { return def_->number; }
  /// Whether its netlist is built and not freed.
  bool built() const { return !elements.empty(); }

  /// The indicator of that name, or nullptr.
  Indicator* Find(std::string_view name);
  const Indicator* Find(std::string_view name) const;
  /// The indicator of that name; throws std::out_of_range when the scheme has none.
  Indicator& At(std::string_view name);
  const Indicator& At(std::string_view name) const;

  PictureControl picture;
  std::vector<Indicator> indicators;           ///< stacking order, bottom to top
  std::vector<std::unique_ptr<TSE>> elements;  ///< creation order
  std::vector<uint16_t> buttons;               ///< input buttons, redraw order
  std::vector<CompiledStep> steps;
  std::vector<std::pair<uint16_t, int32_t>> initial;
  uint16_t start = 0;
  int toggle = -1;  ///< index of the toggling button in kOneHotWithToggle mode
  PressObserver* observer = nullptr;

 private:
  const SchemeDef* def_;
};

/// Creates and wires the scheme's elements in creation order.
void BuildNetlist(Scheme& scheme);

/// The press cycle: input step by mode, redraw of the buttons, then each element in creation
/// order with the redraw of the lamps it wrote. `clicked` is one of the scheme's buttons.
void Press(Scheme& scheme, Indicator& clicked);

/// Evaluates every element once in creation order, with no redraw.
void Evaluate(Scheme& scheme);

/// Writes the scheme's initial input cells, in order, without redrawing.
void ApplyInitialInputs(Scheme& scheme);

}  // namespace kvir
