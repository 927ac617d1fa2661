#pragma once
// The scheme the main window shows and the input states reached on it, for the windows that
// follow it.

#include <QObject>

#include "learning/reached_rows.h"

namespace kvir {

class SchemeSet;

/// The shown scheme (0 for none) of `schemes`, which must outlive this object, and the input
/// states set on it since it was selected. The main window tells it of selections and presses;
/// it tells those who follow.
class ShownScheme : public QObject {
  Q_OBJECT

 public:
  ShownScheme(SchemeSet& schemes, QObject* parent);

  SchemeSet& schemes() const { return schemes_; }
  /// The scheme shown now, 0 for none.
  int number() const { return number_; }
  /// The input states set on the shown scheme since it was selected.
  const ReachedStates& reached() const { return reached_; }

  /// Notes that scheme n (0: none) is the one shown now; nothing is told yet.
  void setNumber(int n);
  /// The record of reached states starts over on the scheme shown; selected() tells of it.
  void restart();
  /// The shown scheme's state is one more reached; pressed() tells of it. Nothing while none
  /// is shown.
  void record();

 signals:
  /// A scheme has been selected (or the scheme area emptied), again or anew.
  void selected();
  /// A press on the shown scheme is on the screen.
  void pressed();
  /// Another scheme (or none) is shown: `n`.
  void numberChanged(int n);

 private:
  SchemeSet& schemes_;
  int number_ = 0;
  ReachedStates reached_;
};

}  // namespace kvir
