#pragma once
// The visible form of one scheme: its picture with the indicators over it.

#include <QList>
#include <QString>
#include <QWidget>

#include "schemes/schemes.h"

namespace kvir {

class PictureView;

/// The panel pnlNN of scheme NN: 820 × 665, white; the scheme picture SchemeNN at its place, then
/// one widget per indicator, named after it, in the scheme's stacking order. A press on an input
/// button runs the scheme's press procedure and repaints the panel once.
class SchemePanel : public QWidget {
  Q_OBJECT

 public:
  /// The panel of `scheme`, pressed through `press`; both outlive the panel.
  SchemePanel(Scheme& scheme, PressProc press, QWidget* parent);

  Scheme& scheme() const { return scheme_; }

  /// Brings the screen up to the model after presses: the views' opacity, then one repaint of
  /// every indicator.
  void showModel();

 signals:
  /// The model failed during a press (a damaged picture); `message` says why.
  void modelFailed(const QString& message);

 private:
  void addIndicator(Indicator& indicator);
  void press(Indicator& clicked);

  Scheme& scheme_;
  PressProc press_;
  QList<PictureView*> views_;         ///< the scheme picture, then the indicators
  QList<PictureView*> repaintOrder_;  ///< the indicators, top to bottom, left to right
};

}  // namespace kvir
