#pragma once
// All sixteen schemes of the program, their start-up, selection and release.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "circuit/schemes.h"

namespace kvir {

/// Where the schemes are shown. The program keeps one scheme in sight at a time and the others
/// each in a place of its own; the tools and the tests only record the calls.
class SchemeHost {
 public:
  virtual ~SchemeHost() = default;
  /// Scheme n goes back to its own place, out of sight.
  virtual void ReturnScheme(int n) = 0;
  /// Scheme n is the one in sight, over everything else.
  virtual void ShowScheme(int n) = 0;
  /// Start-up is about to build scheme n: whatever shows it makes ready now (its picture).
  virtual void PrepareScheme(int /*n*/) {}
};

/// A host that only remembers which scheme is shown.
class HeadlessHost : public SchemeHost {
 public:
  void ReturnScheme(int n) override;
  void ShowScheme(int n) override;
  int shown() const { return shown_; }  ///< 0 when no scheme is shown

 private:
  int shown_ = 0;
};

class SchemeSet {
 public:
  /// Creates the sixteen schemes: indicators with cells 0, no elements.
  SchemeSet();
  SchemeSet(const SchemeSet&) = delete;
  SchemeSet& operator=(const SchemeSet&) = delete;

  /// Scheme n, 1 … 16.
  Scheme& scheme(int n) { return *schemes_.at(n - 1); }
  int element_count() const;

 private:
  std::array<std::unique_ptr<Scheme>, kSchemeCount> schemes_;
};

/// Start-up: each scheme made ready by the host (its picture) and its netlist built, in scheme
/// order, then scheme 1 selected.
void InitSchemes(SchemeSet& set, SchemeHost& host);

/// Returns every scheme to its own place, 1 to 16; for n in 1 … 16 then sets scheme n's initial
/// inputs, presses its starting button while it is out of sight, and only then shows it. Any
/// other n leaves no scheme shown.
void SelectScheme(SchemeSet& set, SchemeHost& host, uint8_t n);

/// What selecting a scheme does to it, out of sight: its initial inputs set, then its press
/// procedure run on its starting button. Its netlist must be built.
void PressAsSelected(Scheme& scheme);

/// Destroys every element, scheme 1 to 16, each in creation order; returns how many. A press on
/// a freed scheme throws.
int FreeSchemes(SchemeSet& set);

}  // namespace kvir
