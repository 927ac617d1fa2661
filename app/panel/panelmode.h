#pragma once
// A learning mode's part in a scheme panel's work: how a press is shown, and clicks on lamps.

#include <QString>

namespace kvir {

class SchemePanel;
struct Indicator;

/// Takes over what a panel does with a press of an input button and a click on a lamp while the
/// mode is on. Without a mode, a panel presses and shows the model itself, and lamps ignore the
/// mouse.
class PanelMode {
 public:
  virtual ~PanelMode() = default;
  /// A press of `clicked` on `panel`: the mode runs it through SchemePanel::runPress and shows it.
  virtual void press(SchemePanel& panel, Indicator& clicked) = 0;
  /// A left click on the lamp `lamp` of `panel`.
  virtual void clickLamp(SchemePanel& panel, const Indicator& lamp) = 0;
  /// What a screen reader says in place of `lamp`'s level on `panel` while the mode puts
  /// something of its own there (a question's guess, its result); empty where it does not.
  virtual QString spokenLevel(const SchemePanel& panel, const Indicator& lamp) const {
    (void)panel;
    (void)lamp;
    return {};
  }
};

}  // namespace kvir
