#pragma once
// Fitting the main window to the screen: its size at a zoom where the screen has room for it,
// else as much as the screen allows with the scheme area scrolling; the zoom at which the shown
// drawing fits; the places of the list and the help button in a narrower window.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class QScrollArea;

namespace kvir {

/// How a window that wants `wanted` (its client area) fits `available` (the screen's free area
/// less the window's frame): its size, and whether its scheme area must scroll.
struct WindowFit {
  QSize size;
  bool scrolls = false;
};
WindowFit FitWindow(const QSize& wanted, const QSize& available);

/// The scheme area a window at `zoom` shows below its list where its client area may take
/// `available`: the whole panel where it fits, else what the scrolling area leaves beside its
/// two scroll bars of `scrollBarExtent`.
QSize SchemeViewport(int zoom, const QSize& available, int scrollBarExtent);

/// The largest zoom level at which the drawing, `drawingAt(level)` pixels (the panel without its
/// empty margins), shows whole in the scheme area of a window within `available`; the smallest
/// level where it shows at none.
int FitZoom(const std::function<QSize(int)>& drawingAt, const QSize& available,
            int scrollBarExtent);

/// The places of the scheme list and the help button in a window `width` wide at `zoom`: those
/// at 100 % scaled, the help button moved left as far as a narrower window needs, the list
/// ending where it begins.
struct StripPlaces {
  QRect list;
  QRect help;
};
StripPlaces PlaceStrip(int zoom, int width);

/// Where a window of `frame` (frame included) lies once moved within `available` as little as
/// possible; a window larger than `available` keeps its top left corner in it.
QRect KeptOnScreen(const QRect& frame, const QRect& available);

class Tfrm00;

/// Fits the main window to its screen at its zoom: the window at the size of its zoom where the
/// screen has room for it, else as large as the screen allows with the scheme area scrolling,
/// kept on the screen; fitted again once a window manager has framed it. A child of `main`.
class ScreenFit : public QObject {
  Q_OBJECT

 public:
  explicit ScreenFit(Tfrm00& main);

  /// Sizes and places the window and its strip for its zoom, and the line under its scheme area:
  /// the step mode's, or the quiz's where the scheme area scrolls.
  void fit();
  /// Fits the window again where the quiz's line came, went or needs more rows.
  void followQuiz();
  /// The largest zoom level at which the shown scheme's drawing shows whole on the window's
  /// screen, brought into view; noted until the window is shown, and made again whenever the
  /// window's frame or the screen's free area changes, until a zoom is asked for by its level.
  void zoomToFit();
  /// A zoom asked for by its level replaces a fit still noted.
  void forgetFitWanted() { fitWanted_ = false; }
  /// What the window's first showing adds: the noted fit, and the watch for its frame.
  void afterShow();

  /// The shown scheme's drawing without the panel's empty margins, on its panel at `zoom`; the
  /// whole panel while no scheme is shown.
  QRect drawingAt(int zoom) const;
  /// Where the shown scheme's drawing lies on the screen, as far as the window shows it.
  QRect drawingOnScreen() const;
  /// Where the scheme area scrolls, brings the drawing into view.
  void showDrawing();
  /// Scheme n's panel under the list, or in the scrolling scheme area, over everything else.
  void placePanel(int n);
  /// Where the shown panel lives: the window, or its scrolling scheme area.
  QWidget* panelHost() const;

 protected:
  /// The window's moves and activations: the first after its frame has come fits it again.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int panelTop() const;
  void placePanelAt(int n, QWidget* host, const QPoint& at);
  void useScrollArea(bool scrolls, const QRect& area);
  void refitToFrame();
  /// Whether the frame or the screen's free area has changed since the last fit.
  bool fitOutdated() const;
  void watchForFrame();

  Tfrm00& main_;
  bool fitWanted_ = false;             ///< the zoom is to be fitted again once the window is framed
  QMargins fittedFrame_;               ///< the frame the window was last fitted with
  QRect fittedScreen_;                 ///< the screen's free area the window was last fitted to
  bool quizLine_ = false;              ///< whether the last fit made room for the quiz's line
  QScrollArea* scrollArea_ = nullptr;  ///< made when a zoomed window first cannot fit the screen
};

}  // namespace kvir
