#pragma once
// "Для преподавателя…": an exam ordered in a dialog. Its fields make an ExamOrder
// (exam/exam_order.h), written by the same code as `kvir-cli exam`, so that the dialog and the
// command give the same files for the same order.

#include <QDialog>
#include <QString>

#include "exam/exam_order.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace kvir {

class TeacherDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TeacherDialog(QWidget* parent);

  /// Shows `order` in the fields (its students as the file named in the students field, which
  /// is left as it is).
  void setOrder(const ExamOrder& order);

  /// The order the fields stand for, in the windows' language, checked: its file named as every
  /// save is. Throws Error, in the context of the field at fault where there is one; the students
  /// file is read here.
  ExamOrder order() const;

  /// Writes the questions and their key for order(). Returns what went wrong in one line, in the
  /// dialog's words; empty when both files are written.
  QString write() const;

  QLineEdit* schemes() const { return schemes_; }
  QLineEdit* students() const { return students_; }
  QLineEdit* output() const { return output_; }
  QComboBox* format() const { return format_; }
  QSpinBox* count() const { return count_; }
  QSpinBox* seed() const { return seed_; }

 private:
  void chooseStudents();
  void chooseOutput();
  /// The field's label, without its colon: the context of an error in it.
  std::string contextOf(QWidget* field) const;
  /// write() on a thread of its own, a busy indicator shown meanwhile.
  QString writeShowingProgress();
  void writeAndClose();

  QFormLayout* form_;
  QLineEdit* schemes_;
  QCheckBox* kinds_[4];
  QSpinBox* count_;
  QSpinBox* seed_;
  QLineEdit* students_;
  QComboBox* format_;
  QLineEdit* output_;
};

}  // namespace kvir
