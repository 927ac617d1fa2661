#include "app/windows/teacherdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "app/prefs/language.h"
#include "circuit/scheme_number.h"
#include "core/error.h"
#include "exam/exam_files.h"
#include "exam/format_table.h"
#include "io/error_texts.h"

namespace kvir {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "1,10-12": the schemes an order names, as a teacher would write them.
QString SchemeListText(const std::vector<int>& schemes) {
  QStringList parts;
  for (size_t i = 0; i < schemes.size();) {
    size_t last = i;
    while (last + 1 < schemes.size() && schemes[last + 1] == schemes[last] + 1) ++last;
    parts << (last == i ? QString::number(schemes[i])
                        : QStringLiteral("%1-%2").arg(schemes[i]).arg(schemes[last]));
    i = last + 1;
  }
  return parts.join(u',');
}

// A message as a sentence: its first letter a capital.
QString Sentence(const std::string& text) {
  QString sentence = QString::fromStdString(text);
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
  return sentence;
}

QWidget* WithButton(QLineEdit* edit, QPushButton* button) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit);
  layout->addWidget(button);
  return row;
}

}  // namespace

TeacherDialog::TeacherDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgTeacher"));
  setWindowTitle(tr("KVIR - Для преподавателя"));
  auto* form = form_ = new QFormLayout(this);
  schemes_ = new QLineEdit(QStringLiteral("1-16"), this);
  form->addRow(tr("Схемы:"), schemes_);
  auto* kinds = new QWidget(this);
  auto* kindsLayout = new QHBoxLayout(kinds);
  kindsLayout->setContentsMargins(0, 0, 0, 0);
  const char* kKindTexts[] = {QT_TR_NOOP("выходы"), QT_TR_NOOP("входы"), QT_TR_NOOP("строки"),
                              QT_TR_NOOP("какая схема")};
  for (size_t k = 0; k < kExamKindNames.size(); ++k) {
    kinds_[k] = new QCheckBox(tr(kKindTexts[k]), kinds);
    kinds_[k]->setChecked(true);
    kindsLayout->addWidget(kinds_[k]);
  }
  form->addRow(tr("Вопросы:"), kinds);
  count_ = new QSpinBox(this);
  count_->setRange(1, kMaxExamQuestions);
  count_->setValue(10);
  form->addRow(tr("Число вопросов:"), count_);
  seed_ = new QSpinBox(this);
  seed_->setRange(0, 999999999);
  seed_->setValue(1);
  form->addRow(tr("Зерно:"), seed_);
  students_ = new QLineEdit(this);
  auto* chooseStudents = new QPushButton(tr("Выбрать…"), this);
  connect(chooseStudents, &QPushButton::clicked, this, &TeacherDialog::chooseStudents);
  form->addRow(tr("Список студентов:"), WithButton(students_, chooseStudents));
  format_ = new QComboBox(this);
  for (const ExamFormatRow& row : ExamFormats()) {
    format_->addItem(FromUtf8(row.label(CurrentLanguage())));
  }
  form->addRow(tr("Формат:"), format_);
  output_ = new QLineEdit(this);
  auto* chooseOutput = new QPushButton(tr("Выбрать…"), this);
  connect(chooseOutput, &QPushButton::clicked, this, &TeacherDialog::chooseOutput);
  form->addRow(tr("Файл:"), WithButton(output_, chooseOutput));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TeacherDialog::writeAndClose);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

void TeacherDialog::setOrder(const ExamOrder& order) {
  schemes_->setText(SchemeListText(order.schemes));
  for (size_t k = 0; k < kExamKindNames.size(); ++k) {
    const ExamKind kind = static_cast<ExamKind>(k);
    kinds_[k]->setChecked(std::find(order.kinds.begin(), order.kinds.end(), kind) !=
                          order.kinds.end());
  }
  count_->setValue(order.count);
  seed_->setValue(static_cast<int>(order.seed));
  format_->setCurrentIndex(static_cast<int>(order.format));
  output_->setText(QFile::decodeName(order.file.c_str()));
}

std::string TeacherDialog::contextOf(QWidget* field) const {
  const auto* label = qobject_cast<QLabel*>(form_->labelForField(field));
  QString text = label != nullptr ? label->text() : QString();
  if (text.endsWith(u':')) text.chop(1);
  return text.toStdString();
}

ExamOrder TeacherDialog::order() const {
  ExamOrder order;
  order.language = CurrentLanguage();
  try {
    order.schemes = ParseSchemeList(schemes_->text().trimmed().toStdString());
  } catch (const Error& error) {
    throw error.In(contextOf(schemes_));
  }
  order.kinds.clear();
  for (size_t k = 0; k < kExamKindNames.size(); ++k) {
    if (kinds_[k]->isChecked()) order.kinds.push_back(static_cast<ExamKind>(k));
  }
  order.count = count_->value();
  order.seed = static_cast<uint64_t>(seed_->value());
  if (!students_->text().isEmpty()) {
    try {
      order.students = ReadStudentsFile(QFile::encodeName(students_->text()).toStdString());
    } catch (const Error& error) {
      throw error.In(contextOf(students_->parentWidget()));
    }
  }
  order.format = static_cast<ExamFormat>(std::max(0, format_->currentIndex()));
  order.file = QFile::encodeName(output_->text()).toStdString();
  return CheckedExamOrder(std::move(order));
}

namespace {

// Writes the files of `order`; what went wrong in its language, or empty. Touches no widget, so
// that it may run on a thread of its own.
QString WriteExam(const ExamOrder& order) {
  try {
    const FileStatus status = WriteExamFiles(order);
    return Sentence(FileStatusMessage(status, order.language));
  } catch (const std::exception& error) {
    return Sentence(ErrorMessage(error, order.language));
  }
}

}  // namespace

QString TeacherDialog::write() const {
  try {
    return WriteExam(order());
  } catch (const Error& error) {
    return Sentence(ErrorText(error, CurrentLanguage()));
  }
}

void TeacherDialog::chooseStudents() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Список студентов"), QString(),
                                                    tr("Текст (*.txt);;Все файлы (*)"));
  if (!path.isEmpty()) students_->setText(path);
}

void TeacherDialog::chooseOutput() {
  const ExamFormatRow& row = ExamFormats()[std::max(0, format_->currentIndex())];
  QStringList patterns;
  for (const std::string_view suffix : row.suffixes) patterns << u'*' + FromUtf8(suffix);
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Сохранить вопросы"), QString(),
      FromUtf8(row.label(CurrentLanguage())) + QStringLiteral(" (") + patterns.join(u' ') + u')');
  if (!path.isEmpty()) output_->setText(path);
}

// Worksheets for a class take seconds: they are written on a thread of their own while a busy
// indicator shows, so that the windows keep drawing.
QString TeacherDialog::writeShowingProgress() {
  QProgressDialog busy(tr("Файлы пишутся…"), QString(), 0, 0, this);
  busy.setWindowTitle(windowTitle());
  busy.setWindowModality(Qt::WindowModal);
  busy.setMinimumDuration(0);
  busy.setMinimumWidth(width() * 2 / 3);  // room for the title
  ExamOrder order;
  try {
    order = this->order();
  } catch (const Error& error) {
    return Sentence(ErrorText(error, CurrentLanguage()));
  }
  QString error;
  std::atomic<bool> done = false;
  std::thread worker([&] {
    error = WriteExam(order);
    done = true;
    QMetaObject::invokeMethod(&busy, &QProgressDialog::accept, Qt::QueuedConnection);
  });
  // Esc or the window's close button would end the indicator, not the writing: it comes back.
  while (!done) busy.exec();
  worker.join();
  return error;
}

void TeacherDialog::writeAndClose() {
  const QString error = writeShowingProgress();
  if (!error.isEmpty()) {
    QMessageBox::critical(this, windowTitle(), error);
    return;
  }
  accept();
}

}  // namespace kvir
