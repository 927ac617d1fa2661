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

  /// Rings `target`, a sibling, at `zoom` percent; hides the frame when null.
  void ring(const QWidget* target, int zoom = 100);

  static constexpr int kWidth = 3;                   ///< pixels outside the target's edge at 100 %
  static constexpr QRgb kColour = qRgb(0, 80, 255);  ///< the two inner pixels

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int width_ = kWidth;  ///< at the present zoom
  int rim_ = 1;         ///< the white edge, at the present zoom
};

}  // namespace kvir
