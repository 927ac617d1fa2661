#pragma once
// How the program names itself to the desktop: its freedesktop id and its icon.

#include <QString>

class QGuiApplication;

namespace kvir {

/// The freedesktop id: the name of the installed desktop entry, icon and metainfo.
QString AppId();

/// Ties the program's windows to its desktop entry and gives them the program's icon, taken
/// from the copy embedded in the executable. Changes nothing inside the windows.
void SetAppIdentity(QGuiApplication& app);

}  // namespace kvir
