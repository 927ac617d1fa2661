#pragma once
// The "Руководство" window: every key, mode and file feature of the program in the windows'
// language. Its list of commands is made from the panel's action table (kPanelActions), each with
// its shortcut as the context menu shows it, so that it always lists what the menu offers.

#include <QDialog>

class QTextBrowser;

namespace kvir {

class SideWindow;
class SidePlacement;

/// frmGuide: a side window of the main window (SideWindow), not modal, that follows each change of
/// language while it is open.
class GuideWindow : public QDialog {
  Q_OBJECT

 public:
  explicit GuideWindow(SidePlacement& main);

  /// Brings up the guide of `main` (made when first wanted, a child of its owner) beside it, or
  /// to the front if it is up already.
  static GuideWindow* showFor(SidePlacement& main);

  /// The guide's text as HTML, in the current language: its keys in tables, or in paragraphs
  /// for a `narrow` window.
  static QString html(bool narrow = false);

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  /// The title and the text in the current language.
  void retranslate();

  /// Whether the text area is too narrow for the tables.
  bool narrow() const;

  QTextBrowser* memGuide_;
  bool narrow_ = false;  ///< the layout of the text shown
  SideWindow* side_;
};

}  // namespace kvir
