#pragma once
// The visible form of one scheme: its picture with the indicators over it.

#include <QList>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <vector>

#include "circuit/schemes.h"
#include "render/panel_pictures.h"
#include "render/zoom.h"

namespace kvir {

class FocusFrame;
class InputButtonView;
class PanelMode;
class PictureView;
struct PanelOverlay;

/// The panel pnlNN of scheme NN: 820 × 665 at 100 % (scaled with its zoom), white, painting the
/// scheme picture and every indicator from the model in one pass. Holds one view per indicator,
/// named after it, in the scheme's stacking order above the view of the picture SchemeNN, for the
/// mouse, the keyboard focus, accessibility and tests. A press on an input button runs the scheme's
/// press procedure and repaints the panel once. The arrow keys move the focus among the input
/// buttons. A learning mode may take over presses and lamp clicks (setMode) and paint over the
/// model (setOverlay).
class SchemePanel : public QWidget {
  Q_OBJECT

 public:
  /// The panel of the scheme `pictures` show, pressed through `press`; both outlive the panel.
  SchemePanel(PanelPictures& pictures, PressProc press, QWidget* parent);
  ~SchemePanel() override;

  Scheme& scheme() const { return pictures_.scheme(); }
  /// What the panel paints.
  const PanelPictures& pictures() const { return pictures_; }
  /// The scheme's press procedure, as the panel runs it.
  PressProc pressProc() const { return press_; }

  /// Brings the screen up to the model after presses: one repaint of every indicator.
  void showModel();
  /// Brings the screen up to the model after a change of its pictures' style: the scheme
  /// picture's view at the style's place, one repaint of the whole panel.
  void showStyle();
  /// Lays the panel out at `zoom` percent: its size and every view's place; then as showStyle.
  /// The scheme's pictures may be drawn at a higher zoom (a screen with more device pixels per
  /// pixel): they are painted at the panel's size.
  void setZoom(int zoom);
  int zoom() const { return zoom_; }

  /// Runs the scheme's press procedure on `clicked`; on failure reports it (modelFailed) and
  /// returns false. Shows nothing.
  bool runPress(Indicator& clicked);

  /// The mode that takes presses and lamp clicks from now on; null gives them back to the panel.
  /// The mode must outlive its use.
  void setMode(PanelMode* mode) { mode_ = mode; }
  PanelMode* mode() const { return mode_; }

  /// Paints `overlay` over the model from the next repaint on; null paints the model alone. The
  /// overlay must remain live while it is set.
  void setOverlay(const PanelOverlay* overlay) { overlay_ = overlay; }
  const PanelOverlay* overlay() const { return overlay_; }
  /// Repaints every indicator with the place of its marker.
  void showOverlay();

  /// The input buttons in the order Tab visits them, reading order of the drawing; then the lamps
  /// a mode lets take the focus, in the same order.
  const QList<QWidget*>& tabOrder() const { return tabOrder_; }
  /// Lets the lamps `lamps` (by index in stacking order) take the keyboard focus after the input
  /// buttons, and no other lamp; Space on a focused one goes to the mode as a click. Empty: no
  /// lamp takes the focus, and one that holds it gives it to the first input button.
  void setFocusableLamps(const std::vector<uint16_t>& lamps);

 signals:
  /// The model failed during a press (a damaged picture); `message` says why.
  void modelFailed(const QString& message);
  /// A press has run and its outcome is on its way to the screen.
  void pressShown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void placePicture();
  void addIndicator(Indicator& indicator);
  void placeIndicator(PictureView& view);
  void knowAreas();
  void press(Indicator& clicked);
  void showFocusOn(QWidget* view, bool focused);
  /// The focusable widgets of the same kind as `focused` (input buttons or lamps).
  QList<QWidget*> focusGroupOf(const QWidget* focused) const;

  PanelPictures& pictures_;
  PressProc press_;
  QList<PictureView*> views_;  ///< the scheme picture, then the indicators
  PictureView* picture_ = nullptr;
  QList<QWidget*> tabOrder_;
  qsizetype buttonCount_ = 0;  ///< the input buttons lead tabOrder_
  QRegion indicatorArea_;
  QRegion markerArea_;       ///< the indicators with the places of their markers
  bool areasKnown_ = false;  ///< whether the two areas are those of the views' places
  PanelMode* mode_ = nullptr;
  const PanelOverlay* overlay_ = nullptr;
  FocusFrame* focusFrame_ = nullptr;  ///< made when a button first takes the focus
  int zoom_ = kPlainZoom;
};

}  // namespace kvir
