#include "app/appidentity.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>

// KVIR_APP_ID is defined by dist/CMakeLists.txt, which also names the installed files after it.

namespace kvir {
namespace {

// Where dist/CMakeLists.txt embeds the PNG icons, one file per size.
const QString kIconDir = QStringLiteral(":/kvir/icons");

}  // namespace

QString AppId() {
  return QStringLiteral(KVIR_APP_ID);
}

void SetAppIdentity(QGuiApplication& app) {
  app.setDesktopFileName(AppId());
  QIcon icon;
  const QDir dir(kIconDir);
  for (const QString& file : dir.entryList(QDir::Files)) icon.addFile(dir.filePath(file));
  app.setWindowIcon(icon);
}

}  // namespace kvir
