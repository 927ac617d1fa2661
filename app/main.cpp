// kvir: the program's entry. Builds the main window, shows it and runs until it closes.

#include <QApplication>
#include <QFile>

#include "app/mainwindow.h"
#include "timing/drivers.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kvir::SchemeSet schemes;
  kvir::Tfrm00 frm00(schemes);
  frm00.setTimingHook([&schemes] {
    kvir::SystemTimingClock clock;
    const std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return kvir::RunTimingBeside(schemes, dir, clock).error;
  });
  frm00.setQuitAfterFirstPaint(app.arguments().contains(QStringLiteral("--first-paint-exit")));
  frm00.show();
  const int code = app.exec();
  kvir::FreeSchemes(schemes);
  return code;
}
