#include "app/windows/teacherdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <atomic>
#include <exception>
#include <thread>

#include "app/prefs/language.h"
#include "cli/args.h"
#include "cli/exam.h"

namespace kvir {
namespace {

// The formats as the command names them and as the dialog offers them.
struct FormatChoice {
  const char* name;
  const char* text;
  const char* filter;
};
constexpr FormatChoice kFormatChoices[] = {
    {"moodle", QT_TRANSLATE_NOOP("kvir::TeacherDialog", "Moodle XML"), "*.xml"},
    {"gift", QT_TRANSLATE_NOOP("kvir::TeacherDialog", "GIFT"), "*.gift"},
    {"pdf", QT_TRANSLATE_NOOP("kvir::TeacherDialog", "Листы PDF"), "*.pdf"},
};

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
  auto* form = new QFormLayout(this);
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
  for (const FormatChoice& choice : kFormatChoices) format_->addItem(tr(choice.text));
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

QStringList TeacherDialog::arguments() const {
  QStringList kinds;
  for (size_t k = 0; k < kExamKindNames.size(); ++k) {
    if (kinds_[k]->isChecked()) kinds << QString::fromUtf8(kExamKindNames[k]);
  }
  QStringList args = {QStringLiteral("--schemes"), schemes_->text().trimmed(),
                      QStringLiteral("--kinds"),   kinds.join(u','),
                      QStringLiteral("--count"),   QString::number(count_->value()),
                      QStringLiteral("--seed"),    QString::number(seed_->value())};
  if (!students_->text().isEmpty()) args << QStringLiteral("--students") << students_->text();
  args << QStringLiteral("--format")
       << QString::fromUtf8(kFormatChoices[std::max(0, format_->currentIndex())].name)
       << QStringLiteral("-o") << output_->text();
  return args;
}

namespace {

// Writes what `kvir-cli` with `words` writes; the message of what went wrong, or empty. Touches
// no widget, so that it may run on a thread of its own.
QString WriteExam(const std::vector<std::string>& words, Language language) {
  try {
    WriteExamFiles(ParseExamOrder(words, language));
    return {};
  } catch (const UsageError& error) {
    return QString::fromStdString(error.In(language));
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what());
  }
}

}  // namespace

std::vector<std::string> TeacherDialog::words() const {
  std::vector<std::string> words = {"exam"};
  for (const QString& argument : arguments()) words.push_back(argument.toStdString());
  return words;
}

QString TeacherDialog::write() const {
  return WriteExam(words(), CurrentLanguage());
}

void TeacherDialog::chooseStudents() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Список студентов"), QString(),
                                                    tr("Текст (*.txt);;Все файлы (*)"));
  if (!path.isEmpty()) students_->setText(path);
}

void TeacherDialog::chooseOutput() {
  const FormatChoice& choice = kFormatChoices[std::max(0, format_->currentIndex())];
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Сохранить вопросы"), QString(),
      tr(choice.text) + QStringLiteral(" (") + QString::fromUtf8(choice.filter) + u')');
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
  QString error;
  std::atomic<bool> done = false;
  std::thread worker([&, words = words(), language = CurrentLanguage()] {
    error = WriteExam(words, language);
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
