#pragma once
// An input button of a scheme: its picture, and a press on any mouse button-down.

#include "app/pictureview.h"

namespace kvir {

/// Shows an input button's picture and reports every button-down over it at once: any mouse
/// button, any modifier keys, the second button-down of a double click too.
class InputButtonView : public PictureView {
  Q_OBJECT

 public:
  using PictureView::PictureView;

 signals:
  /// One press of the input button.
  void pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace kvir
