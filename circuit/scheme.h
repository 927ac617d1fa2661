#pragma once
// A scheme at run time: its picture control, indicators and elements, and the press engine.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/scheme_def.h"
#include "core/se.h"
#include "render/picture.h"
#include "render/picture_style.h"

namespace kvir {

/// A 24 × 24 picture control over the scheme picture showing the level of one cell.
struct Indicator {
  std::string name;
  int left = 0;  ///< on the panel at 100 %
  int top = 0;
  bool is_button = false;           ///< the IN family; every other name is a lamp
  int32_t Tag = 0;                  ///< the signal cell
  Picture shown;                    ///< empty until the first redraw
  std::string_view shown_resource;  ///< the resource `shown` was decoded from
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

/// Where the indicator's picture lies on its panel at `zoom` percent.
inline PictureRect IndicatorPlace(const Indicator& ind, int zoom) {
  const auto scaled = [zoom](int length) { return static_cast<int16_t>(Scaled(length, zoom)); };
  const auto side = static_cast<int16_t>(IndicatorSide(zoom));
  return {scaled(ind.left), scaled(ind.top), side, side};
}

/// Whether a name belongs to an input button.
bool IsButtonName(std::string_view name);

/// The scheme picture control; its Tag is the scheme number.
struct PictureControl {
  int left = 0, top = 0;  ///< on the panel at the scheme's zoom (StyledPictureRect)
  int width = 0, height = 0;
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
  /// The indicator of that name; throws std::out_of_range when the scheme has none.
  Indicator& At(std::string_view name);
  const Indicator& At(std::string_view name) const;

  /// Every indicator in stacking order, bottom to top. The count never changes.
  std::span<Indicator> indicators() { return {indicators_.get(), indicator_count_}; }
  std::span<const Indicator> indicators() const { return {indicators_.get(), indicator_count_}; }

  PictureControl picture;
  std::vector<std::unique_ptr<TSE>> elements;  ///< creation order
  std::vector<uint16_t> buttons;               ///< input buttons, redraw order
  std::vector<CompiledStep> steps;
  std::vector<std::pair<uint16_t, int32_t>> initial;
  uint16_t start = 0;
  int toggle = -1;  ///< index of the toggling button in kOneHotWithToggle mode
  PressObserver* observer = nullptr;
  /// The look of its pictures; changed only through Restyle, which keeps the picture control's
  /// place and size in step.
  PictureStyle style;

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

/// Gives the picture control the place and size of `rect`.
void PlacePicture(PictureControl& control, const PictureRect& rect);

/// Gives the scheme's pictures the look of `style`: the picture control takes the style's place
/// and size, and what is already shown is shown again in the new style, the scheme picture and
/// every indicator at the level of its cell. No cell changes.
void Restyle(Scheme& scheme, PictureStyle style);

}  // namespace kvir
