// The program's name to the desktop and its window icon, from the copy embedded in it.

#include <QIcon>
#include <QTest>
#include <algorithm>
#include <thread>

#include "app/shell/appidentity.h"

using namespace kvir;

class TestAppIdentity : public QObject {
  Q_OBJECT

 private slots:
  void windowsCarryTheIconOfEverySizeAndTheDesktopEntry() {
    SetAppIdentity(*qApp);
    QCOMPARE(QGuiApplication::desktopFileName(), AppId());
    QVERIFY(AppId().count('.') >= 2);  // reverse-DNS
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
