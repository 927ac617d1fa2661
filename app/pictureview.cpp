#include "app/pictureview.h"

namespace kvir {

PictureView::PictureView(const Indicator* indicator, QWidget* parent)
    : QWidget(parent), indicator_(indicator) {
  // Qt then sends the view no paint events at all: the panel paints beneath it, and a press
  // costs one paint of the panel instead of one per indicator.
  setUpdatesEnabled(false);
}

}  // namespace kvir
