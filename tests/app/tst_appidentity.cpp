// The program's name to the desktop and its window icon, from the copy embedded in it.

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTest>
#include <algorithm>
#include <thread>

#include "app/shell/appidentity.h"

using namespace kvir;

namespace {

/// The text of the file at `path`; empty when it cannot be read.
QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class TestAppIdentity : public QObject {
  Q_OBJECT

 private slots:
  // The desktop finds the program's entry, icon and description by the name the window gives:
  // the files the build installs carry that name and refer to each other by it.
  void windowsCarryTheIconOfEverySizeAndTheDesktopEntry() {
    SetAppIdentity(*qApp);
    const QString id = QGuiApplication::desktopFileName();
    const QDir dist(QStringLiteral(KVIR_DIST_DIR));
    const QString entry = ReadText(dist.filePath(id + QStringLiteral(".desktop")));
    QVERIFY2(!entry.isEmpty(), qPrintable(id + QStringLiteral(".desktop is not installed")));
    QVERIFY(entry.contains(QStringLiteral("\nIcon=") + id + QStringLiteral("\n")));
    const QString metainfo = ReadText(dist.filePath(id + QStringLiteral(".metainfo.xml")));
    QVERIFY(metainfo.contains(QStringLiteral("<id>") + id + QStringLiteral("</id>")));
    QVERIFY(metainfo.contains(QStringLiteral("<launchable type=\"desktop-id\">") + id +
                              QStringLiteral(".desktop</launchable>")));
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) QVERIFY(sizes.contains(QSize(side, side)));
  }

  // Decoded on a thread of their own, as start-up does: every embedded size, none left out.
  void iconPicturesAreEverySizeDecodedAnywhere() {
    QList<QImage> pictures;
    std::thread([&pictures] { pictures = AppIconPictures(); }).join();
    QList<int> sides;
    for (const QImage& picture : pictures) {
      QCOMPARE(picture.width(), picture.height());
      QVERIFY(picture.pixelColor(picture.width() / 2, picture.height() / 2).alpha() > 0);
      sides << picture.width();
    }
    std::sort(sides.begin(), sides.end());
    QCOMPARE(sides, QList<int>({16, 22, 24, 32, 48, 64, 128, 256}));
  }
};

QTEST_MAIN(TestAppIdentity)
#include "tst_appidentity.moc"
