// kvir: the program's entry. Builds the main window, shows it and runs until it closes.

#include <QApplication>

#include "app/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kvir::SchemeSet schemes;
  kvir::Tfrm00 frm00(schemes);
  frm00.setQuitAfterFirstPaint(app.arguments().contains(QStringLiteral("--first-paint-exit")));
  frm00.show();
  const int code = app.exec();
  kvir::FreeSchemes(schemes);
  return code;
}
