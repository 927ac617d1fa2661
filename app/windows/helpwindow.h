#pragma once
// The help window: how to choose a scheme and what a press does.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kvir {

class SideWindow;
class Tfrm00;

/// frmHelp: a fixed 281 × 181 window (at 100 %, scaled with the main window's zoom), a side window
/// of the main window (SideWindow), with the read-only help text and an OK button that closes it.
class TfrmHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmHelp(Tfrm00& main);

  /// Brings the window up beside the main window, or to the front if it is up already.
  void showBeside();

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
  SideWindow* side_ = nullptr;
};

}  // namespace kvir
