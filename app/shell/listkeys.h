#pragma once
// The keys that the scheme list would take for itself but that belong to the main window.

#include <QObject>

class QAction;
class QComboBox;

namespace kvir {

class QuizMode;

/// Watches the list `cbxSelect` and its text field. The text field takes Ctrl+C for its own text
/// before any shortcut sees it; in the main window Ctrl+C triggers `copy` there too. Enter, after
/// choosing a scheme in the list, belongs to the list: it must not check the question of `quiz`
/// just asked on the new scheme; once the student has guessed a lamp, it checks. All three must
/// outlive this object, a child of the list.
class ListKeys : public QObject {
  Q_OBJECT

 public:
  ListKeys(QComboBox& cbxSelect, QAction& copy, const QuizMode& quiz);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction& copy_;
  const QuizMode& quiz_;
};

}  // namespace kvir
