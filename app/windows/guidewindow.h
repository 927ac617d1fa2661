#pragma once
// The "Руководство" window: every key, mode and file feature of the program in the windows'
// language. Its list of commands is made from the panel's action table (kPanelActions), each with
// its shortcut as the context menu shows it, so that it always lists what the menu offers.

#include <QDialog>

class QTextBrowser;

namespace kvir {

/// frmGuide: a window beside the main window, not modal, that follows each change of language
/// while it is open; Esc closes it.
class TfrmGuide : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmGuide(QWidget* parent);

  /// Brings up the guide of `window` (made when first wanted, a child of `window`), or to the
  /// front if it is up already.
  static TfrmGuide* showFor(QWidget* window);

  /// The guide's text as HTML, in the current language.
  static QString html();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  /// The title and the text in the current language.
  void retranslate();

  QTextBrowser* memGuide_;
};

}  // namespace kvir
