#pragma once
// The main window: the scheme list, the help button and the scheme area below them.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/prefs/options.h"
#include "app/windows/shownscheme.h"
#include "circuit/scheme_set.h"
#include "learning/reached_rows.h"
#include "render/panel_pictures.h"
#include "render/zoom.h"
#include "session/session.h"

class QComboBox;
class QPushButton;

namespace kvir {

class AboutWindow;
class FirstPaintExit;
class LearningModes;
class PanelActions;
class PanelExport;
class SchemePanel;
class ScreenFit;
class SidePlacement;
class SideWindows;
class TfrmHelp;

/// frm00: "KVIR v1.0", a fixed white 820 × 688 client area (at 100 %, scaled with the zoom)
/// centred on the screen when first shown. Owns the sixteen hidden scheme windows frm01 … frm16
/// with their panels, the help window and the other side windows (SideWindows). Builds the
/// schemes when first shown. As the schemes' host it keeps each panel in its scheme's hidden
/// window, and puts the shown scheme's panel under the list (see window_layout.h); ScreenFit
/// fits the window to the screen.
class Tfrm00 : public QWidget, public SchemeHost {
  Q_OBJECT

 public:
  /// Start-up of the schemes: InitSchemes, or a stand-in.
  using InitProc = void (*)(SchemeSet& set, SchemeHost& host);
  /// Runs the timing benchmark; returns an empty string on success, else the failure's message.
  using TimingHook = std::function<std::string()>;

  /// The window over `schemes` and their `pictures`, which outlive it; `init` runs once, at the
  /// first showing.
  Tfrm00(SchemeSet& schemes, PanelPictureSet& pictures, InitProc init = InitSchemes,
         QWidget* parent = nullptr);
  /// The modes, which hear the session, end before it; the fitting, which watches this window's
  /// events, before QWidget's destructor sends the last of them.
  ~Tfrm00() override;

  /// Scheme n's panel goes back into its own hidden window.
  void ReturnScheme(int n) override;
  /// Scheme n's panel goes into the window under the list, or into the scrolling scheme area
  /// where the zoomed window needs one, over everything else.
  void ShowScheme(int n) override;
  /// Scheme n's picture is decoded (or taken from those decoded ahead).
  void PrepareScheme(int n) override;

  /// What btnTiming runs.
  void setTimingHook(TimingHook hook) { timingHook_ = std::move(hook); }
  /// Ends the program with exit code 0 right after the window's first complete paint.
  void setQuitAfterFirstPaint(bool quit);
  /// Shows every scheme in the clear view (on) or plainly, without changing any level, and ticks
  /// its switch to match. The switch calls it too, and remembers the choice.
  void setClearView(bool on);

  /// Scales the whole window to `percent`, one of kZoomLevels (others change nothing): the list,
  /// the buttons and the panels, each picture drawn for that zoom. The window grows or shrinks
  /// to fit and stays on the screen; where the screen is too small, the scheme area scrolls.
  void setZoom(int percent);
  int zoom() const { return zoom_; }
  /// The largest zoom level at which the shown scheme's drawing, without the panel's empty
  /// margins, shows whole on the window's screen, brought into view; noted until the window is
  /// shown, and made again once a window manager has framed it.
  void zoomToFit();
  /// Where the shown scheme's drawing lies on the screen, as far as the window shows it.
  QRect drawingOnScreen() const;

  /// Switches the learning mode `mode` on, as its action would.
  void startLearningMode(SessionMode mode);

  SchemeSet& schemes() const { return schemes_; }
  PanelPictureSet& pictures() const { return pictureSet_; }
  /// The scheme whose panel is in the window, 0 for none.
  int shownScheme() const { return showing_->number(); }
  /// The input states set on the shown scheme since it was selected.
  const ReachedStates& reachedStates() const { return session_->reached(); }
  /// What the student works in: the scheme shown, the rows reached, the learning mode.
  Session& session() const { return *session_; }
  /// Scheme n's title as the list shows it.
  static QString schemeTitle(int n);
  /// The shown scheme's model, or null while the scheme area is empty.
  Scheme* shownSchemeModel() const;
  /// Scheme n's panel pnlNN, made when first wanted.
  SchemePanel* panel(int n);
  /// What the side windows know of this window.
  SidePlacement& placement() const { return *placement_; }
  /// The help window frmHelp and the window "О схеме" frmAbout, made when first wanted.
  TfrmHelp* helpWindow();
  AboutWindow* aboutWindow();

 signals:
  /// A scheme has been selected (or the scheme area emptied), again or anew.
  void schemeSelected();
  /// A press on the shown scheme is on the screen.
  void pressShown();
  /// The window's zoom is now `percent`.
  void zoomChanged(int percent);

 public slots:
  /// Runs the timing hook and reports its outcome in a message box.
  void btnTimingClick();
  /// Opens the truth-table window, or raises it.
  void showTruthTable();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  /// Tab and Shift+Tab: the list, the help button, then the shown scheme's input buttons.
  bool focusNextPrevChild(bool next) override;

 private slots:
  void cbxSelectActivated(int index);
  void cbxSelectEdited(const QString& text);
  void btnHelpClick();
  void reportModelFailure(const QString& message);

 private:
  friend class ScreenFit;  // the window's parts it sizes and places

  void createSelector();
  void createSchemeWindows();
  SchemePanel* makePanel(int n);
  void createTimingButton();
  /// The list's titles and the button's text in the current language.
  void retranslate();
  void createActions();
  /// Runs `run` on the shown scheme, if any.
  void withShownScheme(const std::function<void(PanelPictures&)>& run);
  void select(int n);
  /// Tells of a selection; the session has started the record of reached states over.
  void restartReached();
  void recordPress();
  /// Notes that scheme n (0: none) is the one shown now.
  void setShown(int n);
  void applyStyle();
  void applyZoom(int percent);

  SchemeSet& schemes_;
  PanelPictureSet& pictureSet_;
  InitProc init_;
  SidePlacement* placement_;        ///< what the side windows know of this window
  ShownScheme* showing_ = nullptr;  ///< the scheme shown and the states reached on it
  ScreenFit* fit_;                  ///< the window's size and place on the screen
  SideWindows* side_ = nullptr;
  FirstPaintExit* firstPaint_ = nullptr;  ///< with --first-paint-exit
  TimingHook timingHook_;
  std::array<QWidget*, kSchemeCount> schemeWindows_{};
  std::array<SchemePanel*, kSchemeCount> panels_{};  ///< null until made
  QComboBox* cbxSelect_ = nullptr;
  QPushButton* btnHelp_ = nullptr;
  QPushButton* btnTiming_ = nullptr;
  QWidget* background_ = nullptr;  ///< pnl00
  int zoom_ = kPlainZoom;
  bool clearView_ = false;
  PanelActions* actions_ = nullptr;
  PanelExport* pictures_ = nullptr;
  std::unique_ptr<Session> session_;
  LearningModes* modes_ = nullptr;
  bool initialized_ = false;
  bool failed_ = false;
};

}  // namespace kvir
