#pragma once
// A widget that shows one decoded picture of the model where it lies.

#include <QImage>
#include <QWidget>

#include "schemes/picture.h"

namespace kvir {

/// A QImage that reads the pixels of `part` of `picture` (all of it when `part` is null) in place,
/// without a copy; null for an empty picture. `part` must lie within the picture. The image is
/// valid only while the picture keeps its storage. Pictures are opaque: a fourth channel is
/// ignored.
QImage ImageOver(const Picture& picture, const QRect& part = QRect());

/// Paints the model's `picture` at the widget's top left each time it is painted; paints nothing
/// while the picture is empty. Ignores the mouse.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(const Picture& picture, QWidget* parent);

  /// Marks the view opaque exactly while its picture has pixels, so that Qt paints nothing
  /// beneath a drawn picture. Call after the model may have redrawn it.
  void updateOpacity() { setAttribute(Qt::WA_OpaquePaintEvent, !picture_.empty()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Picture& picture_;
};

}  // namespace kvir
