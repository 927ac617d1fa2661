// kvir-leak-run: the program from start to close exactly as main.cpp runs it, driven meanwhile by
// a user's input: every scheme chosen from the list, every input button of it clicked and
// double-clicked, the help window opened and closed, then the main window closed. CTest runs it
// under LeakSanitizer; exit code 0 means the whole run took place.

#define QTEST_QPA_MOUSE_HANDLING  // mouse events go through the window system, as a user's do
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/shell/mainwindow.h"

namespace {

QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

/// Closes the next modal window as soon as it is up.
void CloseNextModal() {
  QTimer::singleShot(10, [] {
    QWidget* modal = QApplication::activeModalWidget();
    modal != nullptr ? static_cast<void>(modal->close()) : CloseNextModal();
  });
}

/// Returns the number of presses made, or -1 when a widget is missing.
int DriveEveryScheme(kvir::Tfrm00& window, kvir::SchemeSet& schemes) {
  auto* list = window.findChild<QComboBox*>(QStringLiteral("cbxSelect"));
  auto* help = window.findChild<QPushButton*>(QStringLiteral("btnHelp"));
  if (list == nullptr || help == nullptr) return -1;
  int presses = 0;
  for (int n = 1; n <= kvir::kSchemeCount; ++n) {
    if (n > 1) QTest::keyClick(list, Qt::Key_Down);
    auto* panel = window.findChild<QWidget*>(QStringLiteral("pnl") + TwoDigits(n));
    if (panel == nullptr || panel->parentWidget() != &window) return -1;
    const kvir::Scheme& scheme = schemes.scheme(n);
    for (uint16_t b : scheme.buttons) {
      const QString name = QString::fromStdString(scheme.indicators()[b].name);
      auto* button = panel->findChild<QWidget*>(name);
      if (button == nullptr) return -1;
      QTest::mouseClick(button, Qt::LeftButton);
      QTest::mouseDClick(button, Qt::RightButton);
      presses += 3;
    }
  }
  CloseNextModal();
  QTest::mouseClick(help, Qt::LeftButton);
  return presses;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kvir::SchemeSet schemes;
  kvir::PanelPictureSet pictures(schemes);
  kvir::Tfrm00 frm00(schemes, pictures);
  frm00.show();
  int presses = -1;
  QTimer::singleShot(0, &frm00, [&] {
    presses = DriveEveryScheme(frm00, schemes);
    frm00.close();
  });
  const int code = app.exec();
  const int freed = kvir::FreeSchemes(schemes);
  std::printf("kvir-leak-run: %d presses, %d elements freed, exit code %d\n", presses, freed, code);
  std::fflush(stdout);  // a leak report ends the process without flushing
  return code == 0 && presses > 0 ? 0 : 1;
}
