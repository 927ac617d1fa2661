#include "app/shell/appidentity.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <span>

#include "render/picture.h"

// KVIR_APP_ID is defined by dist/CMakeLists.txt, which also names the installed files after it.

namespace kvir {
namespace {

// Where dist/CMakeLists.txt embeds the PNG icons, one file per size.
const QString kIconDir = QStringLiteral(":/kvir/icons");

// One embedded icon file, decoded by the program's own PNG reader: Qt's would first look through
// its image and icon plugins, a tenth of the start-up's own work.
QImage IconPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  Picture picture;
  try {
    DecodePng(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<size_t>(bytes.size())),
              path.toStdString(), {}, picture);
  } catch (const Error&) {
    return {};
  }
  const QImage image(picture.pixels.data(), picture.width, picture.height, picture.stride(),
                     QImage::Format_RGBA8888);
  return image.copy();  // the pixels go with `picture`
}

}  // namespace

QString AppId() {
  return QStringLiteral(KVIR_APP_ID);
}

QList<QImage> AppIconPictures() {
  QList<QImage> pictures;
  const QDir dir(kIconDir);
  for (const QString& file : dir.entryList(QDir::Files)) {
    QImage picture = IconPicture(dir.filePath(file));
    if (!picture.isNull()) pictures << std::move(picture);
  }
  return pictures;
}

void SetAppIdentity(QGuiApplication& app, const QList<QImage>& icons) {
  app.setDesktopFileName(AppId());
  QIcon icon;
  for (const QImage& picture : icons) icon.addPixmap(QPixmap::fromImage(picture));
  app.setWindowIcon(icon);
}

}  // namespace kvir
