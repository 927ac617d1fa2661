#pragma once
// What screen readers learn of a panel: each indicator as an accessible object of its own.

#include <QList>
#include <QString>

#include "circuit/scheme.h"

namespace kvir {

class PictureView;

/// What a screen reader says of an indicator: its label, what it is and its level, as in
/// "Y3, вход, 1" or "X1, выход, 0", in the program's current language.
QString AccessibleText(const Indicator& indicator);
/// The same with the level spoken as `level` ("?" while a question hides it).
QString AccessibleText(const Indicator& indicator, const QString& level);

/// Gives every indicator's view an accessible interface: named by AccessibleText, its level as
/// its value (0 or 1), a button role and a press action for input buttons. Safe to call often.
void InstallIndicatorAccessibility();

/// Tells listening assistive tools that the levels shown by `views` may have changed; costs
/// nothing while none listens.
void AnnounceLevels(const QList<PictureView*>& views);

}  // namespace kvir
