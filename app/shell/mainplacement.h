#pragma once
// The main window as the side windows see it.

#include "app/windows/sideplacement.h"

namespace kvir {

class Tfrm00;

/// The placement of the side windows beside `main`: a child of `main`, living as long as it.
class MainPlacement : public SidePlacement {
  Q_OBJECT

 public:
  explicit MainPlacement(Tfrm00& main);

  QWidget& owner() const override;
  QRect frame() const override;
  QMargins frameMargins() const override;
  QScreen* screen() const override;
  QRect drawing() const override;
  int zoom() const override;
  QList<QAction*> shortcuts() const override;

 private:
  Tfrm00& main_;
};

}  // namespace kvir
