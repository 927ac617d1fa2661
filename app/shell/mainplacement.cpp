#include "app/shell/mainplacement.h"

#include "app/prefs/zoom.h"
#include "app/shell/mainwindow.h"

namespace kvir {

MainPlacement::MainPlacement(Tfrm00& main) : SidePlacement(&main), main_(main) {
  connect(&main, &Tfrm00::zoomChanged, this, &SidePlacement::zoomChanged);
}

QWidget& MainPlacement::owner() const {
  return main_;
}

// Worked out from the window and its frame: Qt's own frame geometry may be that of a frame the
// window manager has not yet grown around it (FrameMargins).
QRect MainPlacement::frame() const {
  return main_.geometry().marginsAdded(FrameMargins(main_));
}

QMargins MainPlacement::frameMargins() const {
  return FrameMargins(main_);
}

QScreen* MainPlacement::screen() const {
  return main_.screen();
}

QRect MainPlacement::drawing() const {
  return main_.drawingOnScreen();
}

int MainPlacement::zoom() const {
  return main_.zoom();
}

QList<QAction*> MainPlacement::shortcuts() const {
  return main_.actions();
}

}  // namespace kvir
