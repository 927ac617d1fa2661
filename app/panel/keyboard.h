#pragma once
// Keyboard focus among the widgets of the main window and the input buttons of a panel.

#include <QList>

class QWidget;

namespace kvir {

/// `widgets` in reading order of the drawing: top to bottom, at the same height left to right.
QList<QWidget*> InReadingOrder(QList<QWidget*> widgets);

/// Where an arrow key moves the focus from `from`, one of `widgets` (siblings): Up and Down to
/// the nearest one above or below in the same column (same left edge); Left and Right to the
/// nearest column on that side, there to the one nearest in height. Null when there is none or
/// `key` is no arrow key.
QWidget* ArrowTarget(const QList<QWidget*>& widgets, const QWidget* from, int key);

/// The member of the focus `chain` after (`forward`) or before the one that is `focused` or
/// holds it, wrapping around and passing over the hidden and disabled; null when `focused` lies
/// in none of them.
QWidget* NextInChain(const QList<QWidget*>& chain, const QWidget* focused, bool forward);

}  // namespace kvir
