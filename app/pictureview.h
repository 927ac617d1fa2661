#pragma once
// A place on a scheme panel where one picture of the model lies.

#include <QWidget>

#include "schemes/scheme.h"

namespace kvir {

/// The scheme picture or one indicator on its panel: named after it and found by that name, at
/// its place and size, with its accessible name. The panel paints the pixels of all of them in
/// one pass (PaintPanel); the view itself paints nothing. Ignores the mouse.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  /// The view of `indicator`, or of the scheme picture when it is null; the indicator outlives
  /// the view.
  PictureView(const Indicator* indicator, QWidget* parent);

  /// The indicator shown here; null for the scheme picture.
  const Indicator* indicator() const { return indicator_; }

 private:
  const Indicator* indicator_;
};

}  // namespace kvir
