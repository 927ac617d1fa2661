// The program's name to the desktop and its window icon, from the copy embedded in it.

#include <QIcon>
#include <QTest>

#include "app/appidentity.h"

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
};

QTEST_MAIN(TestAppIdentity)
#include "tst_appidentity.moc"
