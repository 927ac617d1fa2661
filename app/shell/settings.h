#pragma once
// The user's settings: what the program's switches remember for the next starts.

#include <QSettings>

namespace kvir {

/// The user's settings file, ~/.config/kvir/kvir.conf.
QSettings UserSettings();

/// Whether the clear view was on when last switched; off when never switched.
bool RememberedClearView();

/// Keeps the clear view's state for the next starts.
void RememberClearView(bool on);

}  // namespace kvir
