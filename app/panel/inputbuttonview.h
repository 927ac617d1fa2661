#pragma once
// An input button of a scheme: a press on any mouse button-down, or on Space or Enter while it
// has the keyboard focus.

#include "app/panel/pictureview.h"

namespace kvir {

/// Reports every button-down over an input button at once: any mouse button, any modifier keys,
/// the second button-down of a double click too. Takes the keyboard focus only from the keyboard
/// (Tab, the arrow keys), never from a click, so that the mouse never brings up a focus frame;
/// with the focus, Space and Enter press it as a left click does.
class InputButtonView : public PictureView {
  Q_OBJECT

 public:
  /// The view of `indicator`'s button showing `picture`; both outlive it.
  InputButtonView(const Picture& picture, const Indicator& indicator, QWidget* parent);

  /// One press, as from the mouse.
  void click() { emit pressed(); }

 signals:
  /// One press of the input button.
  void pressed();
  /// The button gained (true) or lost (false) the keyboard focus.
  void focusChanged(bool focused);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace kvir
