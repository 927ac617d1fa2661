#include "app/shell/listkeys.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/modes/quizmode.h"

namespace kvir {

ListKeys::ListKeys(QComboBox& cbxSelect, QAction& copy, const QuizMode& quiz)
    : QObject(&cbxSelect), copy_(copy), quiz_(quiz) {
  cbxSelect.installEventFilter(this);
  cbxSelect.lineEdit()->installEventFilter(this);
}

bool ListKeys::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
  if (event->type() == QEvent::ShortcutOverride && quiz_.questionUntouched()) {
    const int pressed = static_cast<QKeyEvent*>(event)->key();
    if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter) {
      event->accept();
      return true;
    }
  }
  if (!key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    return QObject::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress) copy_.trigger();
  event->accept();
  return true;
}

}  // namespace kvir
