#pragma once
// What each scheme must show, worked out from the circuit's described behaviour (truth tables,
// bus and gate-input rules, chip enables) and never from its netlist: the yardstick the storms
// hold the press engine to.

#include <map>
#include <string>
#include <vector>

namespace kvir::reference {

/// Button name → cell (0 or 1).
using Levels = std::map<std::string, int>;

/// The input buttons of scheme n (1 … 16), in ascending name order.
std::vector<std::string> ButtonNames(int scheme);

/// The buttons as a selection of scheme n leaves them.
Levels ButtonsAfterSelection(int scheme);

/// Applies one press of `pressed` to `buttons` by scheme n's input mode: one-hot (1 … 5),
/// toggle (6 … 9, 11 … 16), or scheme 10's one-hot data buttons with IN08 toggling.
void ApplyPress(int scheme, const std::string& pressed, Levels& buttons);

/// Every indicator of scheme n (buttons, bus lines, gate and chip inputs, chip outputs, outputs)
/// with the level it must hold for the given button cells. Throws std::out_of_range for a
/// scheme outside 1 … 16 or a button missing from `buttons`.
Levels Expected(int scheme, const Levels& buttons);

}  // namespace kvir::reference
