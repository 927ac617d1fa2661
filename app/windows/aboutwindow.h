#pragma once
// The "О схеме" window: what the shown scheme does, its inputs and what to look for.

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace kvir {

class SideWindow;
class SidePlacement;

/// frmAbout: a side window of the main window (SideWindow), not modal, with the title of the scheme
/// shown and its text about it (circuit/scheme_texts.h) in the program's language. It follows each
/// change of scheme and of language while it is open.
class AboutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AboutWindow(SidePlacement& main);

  /// Explains scheme n from now on; 0 while no scheme is shown.
  void setScheme(int n);
  int scheme() const { return scheme_; }

  /// Brings the window up beside the main window, or to the front if it is up already.
  void showBeside();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  /// The title and the texts in the current language.
  void retranslate();

  int scheme_ = 0;
  SideWindow* side_;
  QLabel* lblTitle_;
  QPlainTextEdit* memAbout_;
};

}  // namespace kvir
