#pragma once
// The help window: how to choose a scheme and what a press does.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kvir {

class SidePlacement;

/// frmHelp: a fixed 281 × 181 window (at 100 %; it and its font grow with the main window's zoom)
/// that stays on top, with the read-only help text and an OK button that closes it. At every
/// showing it goes beside the main window's drawing (PlaceSideWindow), made smaller where the
/// screen has no room for it at its size. The main window shows it modally. A child of the
/// placement's owner, which must outlive it.
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
  /// The window's parts at `percent`, the font at the zoom's size or smaller.
  void layOut(int percent);
  void placeBesideDrawing();

  SidePlacement& main_;
  QPlainTextEdit* memHelp_;
  QPushButton* btnOK_;
  bool fitted_ = false;  ///< whether the memo's font is fitted to the text it shows
};

}  // namespace kvir
