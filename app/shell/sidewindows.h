#pragma once
// The windows beside the main window, each made when first wanted: the help, "О схеме", the
// truth table and the guide.

#include <QObject>

namespace kvir {

class AboutWindow;
class GuideWindow;
class QuizMode;
class ShownScheme;
class SidePlacement;
class TfrmHelp;
class TruthTableWindow;

/// The side windows of the main window `placement` shows, following the scheme `shown`. Each is
/// made when first wanted, a child of the placement's owner: most sessions never open them, and
/// their texts' layout is a noticeable part of start-up. `placement`, `shown` and `quiz` must
/// outlive this object, a child of `placement`.
class SideWindows : public QObject {
  Q_OBJECT

 public:
  SideWindows(SidePlacement& placement, ShownScheme& shown, const QuizMode& quiz);

  /// frmHelp.
  TfrmHelp* help();
  /// frmAbout, explaining the shown scheme.
  AboutWindow* about();
  /// Opens the truth-table window, or raises it.
  void showTruthTable();
  /// Opens the guide beside the main window, or raises it.
  void showGuide();

 private:
  SidePlacement& placement_;
  ShownScheme& shown_;
  const QuizMode& quiz_;
  TfrmHelp* help_ = nullptr;
  AboutWindow* about_ = nullptr;
  TruthTableWindow* truthTable_ = nullptr;
};

}  // namespace kvir
