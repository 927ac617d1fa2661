#pragma once
// The frame around the input button that has the keyboard focus.

#include <QWidget>

namespace kvir {

/// A ring drawn just outside a widget, above its siblings: blue, edged in white, so that it
/// shows on the white panel and over the scheme picture alike. Lets the mouse through. Painted
/// only on screen: the panel's own pictures (PanelImage) never contain it.
class FocusFrame : public QWidget {
  Q_OBJECT

 public:
  explicit FocusFrame(QWidget* parent);

  /// Rings `target`, a sibling; hides the frame when null.
  void ring(const QWidget* target);

  static constexpr int kWidth = 3;                   ///< pixels outside the target's edge
  static constexpr QRgb kColour = qRgb(0, 80, 255);  ///< the two inner pixels

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kvir
