#pragma once
// The help window: how to choose a scheme and what a press does.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kvir {

/// frmHelp: a fixed 281 × 181 window that stays on top, centred over its parent at every showing,
/// with the read-only help text and an OK button that closes it.
class TfrmHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmHelp(QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  /// The title and the text in the current language.
  void retranslate();
  void fitText();

  QPlainTextEdit* memHelp_;
  QPushButton* btnOK_;
  bool fitted_ = false;  ///< whether the memo's font is fitted to the text it shows
};

}  // namespace kvir
