#pragma once
// A scheme at run time: its indicators and elements, and the press engine.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/scheme_def.h"
#include "core/se.h"

namespace kvir {

/// One indicator over the scheme picture: a button or a lamp showing the level of one cell.
struct Indicator {
  std::string name;
  int left = 0;  ///< on the panel at 100 %
  int top = 0;
  bool is_button = false;  ///< the IN family; every other name is a lamp
  int32_t Tag = 0;         ///< the signal cell
  // What it is, for the legend; the press never reads these.
  std::string label;  ///< what the drawing prints beside it: "Y3", "X1", "S", "E2", "4"
  Role role = Role::kOutput;
  ChipPins pins;                            ///< the chip pin it lies on, if any
  ActiveLevel active = ActiveLevel::kNone;  ///< for a decoder's output, the level that selects it
};

/// Whether the indicator is an output of a decoder that its cell now selects.
inline bool ShowsSelectedOutput(const Indicator& ind) {
  return ind.active == (ind.Tag == 0 ? ActiveLevel::kLow : ActiveLevel::kHigh);
}

/// Whether a name belongs to an input button.
bool IsButtonName(std::string_view name);

/// Receives each step of a press: an element executed, an indicator redrawn. A redraw is where
/// whoever shows the scheme gives the indicator the picture of its cell's level.
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

/// One scheme: its indicators, whose storage is fixed when the scheme is constructed, and the
/// elements wired to their cells.
///
/// Elements, the program's views, press observers and drivers hold pointers and references to
/// the indicators: the Scheme must remain live while any of them is in use. `def` must remain
/// live while the Scheme is.
class Scheme {
 public:
  /// The scheme's window: picture control and indicators (cells 0, nothing shown), no elements.
  /// Throws std::invalid_argument when a place row cannot be read (naming scheme and indicator).
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
  /// The input buttons `word` calls, as the command line and the page's address read it: the
  /// button of that name; else every button whose drawing prints `word` beside it (a label two
  /// buttons share names both).
  std::vector<uint16_t> ButtonsCalled(std::string_view word) const;
  /// The indicator of that name; throws std::out_of_range when the scheme has none.
  Indicator& At(std::string_view name);
  const Indicator& At(std::string_view name) const;

  /// Every indicator in stacking order, bottom to top. The count never changes.
  std::span<Indicator> indicators() { return {indicators_.get(), indicator_count_}; }
  std::span<const Indicator> indicators() const { return {indicators_.get(), indicator_count_}; }

  std::vector<std::unique_ptr<TSE>> elements;  ///< creation order
  std::vector<uint16_t> buttons;               ///< input buttons, redraw order
  std::vector<CompiledStep> steps;
  std::vector<std::pair<uint16_t, int32_t>> initial;
  uint16_t start = 0;
  int toggle = -1;                    ///< index of the toggling button in kOneHotWithToggle mode
  PressObserver* observer = nullptr;  ///< see AttachedObserver

 private:
  const SchemeDef* def_;
  std::unique_ptr<Indicator[]> indicators_;
  size_t indicator_count_ = 0;
};

/// Creates and wires the scheme's elements in creation order. Checks once that every element
/// fits its procedure's arity and that the press steps run every element once, in order; throws
/// std::invalid_argument naming the scheme and the element or step otherwise.
void BuildNetlist(Scheme& scheme);

/// The press cycle: input step by mode, redraw of the buttons, then each element in creation
/// order with the redraw of the lamps it wrote. `clicked` must be one of the scheme's buttons
/// (else std::invalid_argument) and the netlist built and not freed (else std::logic_error).
void Press(Scheme& scheme, Indicator& clicked);

/// Evaluates every element once in creation order, with no redraw.
void Evaluate(Scheme& scheme);

/// Writes the scheme's initial input cells, in order, without redrawing.
void ApplyInitialInputs(Scheme& scheme);

/// The index of `indicator` in `scheme`'s stacking order; `indicator` must be one of its own.
uint16_t IndexIn(const Scheme& scheme, const Indicator& indicator);

/// An observer that hears one scheme's presses from its construction to its destruction, and
/// passes every step on to the observer the scheme had before, after its own work. Observers of
/// one scheme must end in the reverse order of their start; the scheme must outlive them.
class AttachedObserver : public PressObserver {
 public:
  explicit AttachedObserver(Scheme& scheme);
  AttachedObserver(const AttachedObserver&) = delete;
  AttachedObserver& operator=(const AttachedObserver&) = delete;
  ~AttachedObserver() override;

  void OnExecute(int element_number) override;
  void OnDraw(const Indicator& indicator) override;

 protected:
  Scheme& scheme() const { return scheme_; }

 private:
  Scheme& scheme_;
  PressObserver* previous_;
};

}  // namespace kvir
