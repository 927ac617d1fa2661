#pragma once
// How the program names itself to the desktop: its freedesktop id and its icon.

#include <QImage>
#include <QList>
#include <QString>

class QGuiApplication;

namespace kvir {

/// The freedesktop id: the name of the installed desktop entry, icon and metainfo.
QString AppId();

/// The program's icon in every size embedded in the executable, one picture each. Needs no
/// application object and may run on any thread, as start-up does beside building the windows.
QList<QImage> AppIconPictures();

/// Ties the program's windows to its desktop entry and gives them the program's icon made of
/// `icons`. Changes nothing inside the windows.
void SetAppIdentity(QGuiApplication& app, const QList<QImage>& icons = AppIconPictures());

}  // namespace kvir
