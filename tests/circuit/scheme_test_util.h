#pragma once
// Helpers for driving schemes in tests.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/names.h"
#include "circuit/scheme_set.h"
#include "render/loaders.h"
#include "render/panel_pictures.h"

namespace kvir::testing {

/// Records each step of a press as "exec K" or "draw NAME PICTURE", PICTURE the plain picture
/// a redraw decodes for the indicator's cell at that moment.
/// Between Attach and Detach it hears the scheme's presses before the observer the scheme had,
/// which still hears them.
class StepRecorder : public PressObserver {
 public:
  void Attach(Scheme& scheme) {
    scheme_ = &scheme;
    previous_ = scheme.observer;
    scheme.observer = this;
  }
  void Detach() {
    if (scheme_ != nullptr) scheme_->observer = previous_;
    scheme_ = nullptr;
  }
  void OnExecute(int element_number) override {
    steps.push_back("exec " + std::to_string(element_number));
    if (previous_ != nullptr) previous_->OnExecute(element_number);
  }
  void OnDraw(const Indicator& ind) override {
    const std::string picture =
        ind.is_button ? ButtonPictureName(ind.Tag) : BitPictureName(ind.Tag);
    steps.push_back("draw " + ind.name + " " + picture);
    if (previous_ != nullptr) previous_->OnDraw(ind);
  }
  std::vector<std::string> steps;

 private:
  Scheme* scheme_ = nullptr;
  PressObserver* previous_ = nullptr;
};

/// A scheme set whose schemes are built (netlists wired) without loading the scheme pictures; each
/// redraw decodes the indicator's picture as the program's panels do.
class BuiltSchemes {
 public:
  BuiltSchemes() {
    for (int n = 1; n <= kSchemeCount; ++n) {
      kSchemeTable[n - 1].build(set.scheme(n));
    }
  }
  Scheme& Select(int n) {
    SelectScheme(set, host, static_cast<uint8_t>(n));
    return set.scheme(n);
  }
  /// Presses the named buttons of scheme n in turn through its press procedure.
  Scheme& Press(int n, std::string_view list) {
    Scheme& s = set.scheme(n);
    for (const std::string& name : ExpandNames(list)) kSchemeTable[n - 1].press(s, s.At(name));
    return s;
  }

  /// What the panel of scheme `s` shows.
  const PanelPictures& Shown(const Scheme& s) const { return pictures.pictures(s.number()); }
  /// The resource indicator `ind` of scheme `s` was last decoded from.
  std::string_view ShownResource(const Scheme& s, const Indicator& ind) const {
    return Shown(s).shown_resource(IndexIn(s, ind));
  }

  SchemeSet set;
  HeadlessHost host;
  PanelPictureSet pictures{set};
};

/// The pictures that hear scheme `s`'s presses now (BuiltSchemes attaches a set of them), which
/// are what its panel shows.
inline const PanelPictures& ShownOn(const Scheme& s) {
  const auto* pictures = dynamic_cast<const PanelPictures*>(s.observer);
  if (pictures == nullptr) throw std::logic_error("no pictures hear the scheme's presses");
  return *pictures;
}

/// The cells of the named indicators, in list order.
inline std::vector<int> Cells(Scheme& s, std::string_view list) {
  std::vector<int> out;
  for (const std::string& name : ExpandNames(list)) out.push_back(s.At(name).Tag);
  return out;
}

/// Parses "1 0 1" into {1, 0, 1}.
inline std::vector<int> Bits(std::string_view text) {
  std::vector<int> out;
  for (char c : text) {
    if (c == '0' || c == '1') out.push_back(c - '0');
  }
  return out;
}

}  // namespace kvir::testing
