#pragma once
// "Для преподавателя…": the choices of `kvir-cli exam` in a dialog, written through the same
// code (cli/exam.h), so that the dialog and the command give the same files.

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kvir {

class TeacherDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TeacherDialog(QWidget* parent);

  /// The arguments of `kvir-cli exam` that the dialog's choices stand for, after "exam".
  QStringList arguments() const;

  /// Writes the questions and their key as `kvir-cli exam` with arguments() does. Returns the
  /// message of what went wrong, in one line; empty when both files are written.
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
  /// "exam" and arguments(), as the command reads them.
  std::vector<std::string> words() const;
  /// write() on a thread of its own, a busy indicator shown meanwhile.
  QString writeShowingProgress();
  void writeAndClose();

  QLineEdit* schemes_;
  QCheckBox* kinds_[4];
  QSpinBox* count_;
  QSpinBox* seed_;
  QLineEdit* students_;
  QComboBox* format_;
  QLineEdit* output_;
};

}  // namespace kvir
