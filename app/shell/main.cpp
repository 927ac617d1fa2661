// kvir: the program's entry. Reads the command line, builds the main window, shows it and runs
// until it closes.

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <thread>

#include "app/shell/appidentity.h"
#include "app/shell/language.h"
#include "app/shell/mainwindow.h"
#include "app/shell/options.h"
#include "app/shell/settings.h"
#include "timing/drivers.h"

namespace {

QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Before QApplication, which would need a display.
  const kvir::CommandLine line =
      kvir::ParseCommandLine(Arguments(argc, argv), kvir::RememberedLanguage());
  if (!line.run) {
    std::fputs(line.out.toUtf8().constData(), stdout);
    std::fputs(line.err.toUtf8().constData(), stderr);
    return line.exitCode;
  }
  const bool clearView = line.options.clearView || kvir::RememberedClearView();
  kvir::SchemeSet schemes;
  kvir::PanelPictureSet pictures(schemes, {.clear = clearView, .zoom = line.options.zoom});
  // The scheme pictures are decoded while Qt starts and the windows are built, the icons while Qt
  // starts.
  pictures.DecodeAhead();
  QList<QImage> icons;
  std::jthread iconDecoder([&icons] { icons = kvir::AppIconPictures(); });
  QApplication app(argc, argv);
  iconDecoder.join();
  kvir::SetAppIdentity(app, icons);
  kvir::SetLanguage(line.options.language);
  kvir::Tfrm00 frm00(schemes, pictures);
  frm00.setTimingHook([&schemes] {
    kvir::SystemTimingClock clock;
    const std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return kvir::RunTimingBeside(schemes, dir, clock).error;
  });
  frm00.setQuitAfterFirstPaint(line.options.firstPaintExit);
  frm00.setClearView(clearView);
  frm00.setZoom(line.options.zoom);
  frm00.startLearningMode(line.options.mode);
  frm00.show();
  const int code = app.exec();
  kvir::FreeSchemes(schemes);
  return code;
}
