#pragma once
// The help window: how to choose a scheme and what a press does.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kvir {

class SidePlacement;

/// frmHelp: a fixed 281 × 181 window (at 100 %; it and its font grow with the main window's zoom)
/// that stays on top, centred over the main window at every showing, with the read-only help
/// text and an OK button that closes it. The main window shows it modally. A child of the
/// placement's owner.
class TfrmHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmHelp(SidePlacement& main);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  /// The title and the text in the current language.
  void retranslate();
  void fitText();
  void applyZoom(int percent);

  QPlainTextEdit* memHelp_;
  QPushButton* btnOK_;
  bool fitted_ = false;  ///< whether the memo's font is fitted to the text it shows
};

}  // namespace kvir
