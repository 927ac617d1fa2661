#pragma once
// A place on a scheme panel where one picture of the model lies.

#include <QWidget>

#include "circuit/scheme.h"
#include "render/picture.h"

namespace kvir {

/// The scheme picture or one indicator on its panel: named after it and found by that name, at
/// its place and size, with its accessible name. On screen the panel paints the pixels of all of
/// them in one pass (PaintPanel) and the views take no part: their updates are off. Rendered on
/// its own (QWidget::grab), a view paints its picture. Ignores the mouse.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  /// The view of `picture`, the shown picture of `indicator` or, when that is null, the scheme
  /// picture; both outlive the view.
  PictureView(const Picture& picture, const Indicator* indicator, QWidget* parent);

  /// The indicator shown here; null for the scheme picture.
  const Indicator* indicator() const { return indicator_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Picture& picture_;
  const Indicator* indicator_;
};

}  // namespace kvir
