#pragma once
// The scheme the main window shows and the input states reached on it, for the windows that
// follow it.

#include <QObject>

#include "learning/reached_rows.h"
#include "session/session.h"

namespace kvir {

class SchemeSet;

/// The shown scheme (0 for none) of `schemes` and the input states the session has recorded on
/// it since it was selected, for Qt windows that follow by signals. `schemes` and `session` must
/// outlive this object. The main window tells it of selections and presses; it tells those who
/// follow.
class ShownScheme : public QObject {
  Q_OBJECT

 public:
  ShownScheme(SchemeSet& schemes, const Session& session, QObject* parent);

  SchemeSet& schemes() const { return schemes_; }
  /// The scheme shown now, 0 for none.
  int number() const { return number_; }
  /// The input states set on the shown scheme since it was selected.
  const ReachedStates& reached() const { return session_.reached(); }
  const Session& session() const { return session_; }

  /// Notes that scheme n (0: none) is the one shown now; nothing is told yet.
  void setNumber(int n);
  /// The session has started its record of reached states over: selected() tells of it.
  void restart() { emit selected(); }
  /// The session has recorded one more reached state: pressed() tells of it. Nothing while none
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
  const Session& session_;
  int number_ = 0;
};

}  // namespace kvir
