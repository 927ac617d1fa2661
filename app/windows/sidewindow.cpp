#include "app/windows/sidewindow.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>

#include "app/prefs/zoom.h"
#include "app/windows/sideplacement.h"
#include "render/zoom.h"

namespace kvir {
namespace {

// Keys that the window's own widgets take plainly (Return, Space, letters) stay with them; the
// main window's shortcuts with Ctrl or Alt, and its function keys, work in the window too.
bool PassesOn(const QKeySequence& keys) {
  if (keys.isEmpty()) return false;
  const QKeyCombination first = keys[0];
  const Qt::Key key = first.key();
  return (first.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0 ||
         (key >= Qt::Key_F1 && key <= Qt::Key_F35);
}

// The least a side window made smaller shows of its text, in characters and lines.
constexpr int kReadableCharacters = 48;
constexpr int kReadableLines = 12;
// The smallest a window is made rather than going over the drawing.
constexpr QSize kSmallest(64, 64);

bool Holds(const QRect& room, const QSize& size) {
  return room.width() >= size.width() && room.height() >= size.height();
}

// Where a window of `size` goes in `room`, as near to `near` (its top left corner) as it can.
QRect Within(const QRect& room, const QSize& size, const QPoint& near) {
  const QSize fitted = size.boundedTo(room.size());
  const int left = std::clamp(near.x(), room.left(), room.right() + 1 - fitted.width());
  const int top = std::clamp(near.y(), room.top(), room.bottom() + 1 - fitted.height());
  return {QPoint(left, top), fitted};
}

// A room of `available` beside `obstacle`, and where a window of `size` put there starts: its
// top (or left) side level with `level`'s.
struct Room {
  QRect area;
  QPoint near;
};

// The rooms to the right of `obstacle`, to its left, below and above it, in that order.
std::array<Room, 4> RoomsBeside(const QRect& obstacle, const QRect& level, const QSize& size,
                                const QRect& available) {
  return {{
      {QRect(QPoint(obstacle.right() + 1, available.top()), available.bottomRight()),
       QPoint(obstacle.right() + 1, level.top())},
      {QRect(available.topLeft(), QPoint(obstacle.left() - 1, available.bottom())),
       QPoint(obstacle.left() - size.width(), level.top())},
      {QRect(QPoint(available.left(), obstacle.bottom() + 1), available.bottomRight()),
       QPoint(level.left(), obstacle.bottom() + 1)},
      {QRect(available.topLeft(), QPoint(available.right(), obstacle.top() - 1)),
       QPoint(level.left(), obstacle.top() - size.height())},
  }};
}

}  // namespace

void AddTextCopy(QWidget& window, std::function<void()> copy) {
  auto* action = new QAction(&window);
  action->setObjectName(QStringLiteral("actCopy"));
  action->setShortcut(QKeySequence::Copy);
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, &window, std::move(copy));
  window.addAction(action);
}

QRect PlaceSideWindow(const QRect& main, const QRect& drawing, const QSize& wanted,
                      const QSize& least, const QRect& available) {
  // Beside the drawing, the list along the main window's top stays clear.
  QRect belowList = available;
  belowList.setTop(std::max(available.top(), drawing.top()));
  const std::array<Room, 4> besideMain = RoomsBeside(main, main, wanted, available);
  const std::array<Room, 4> besideDrawing = RoomsBeside(drawing, main, wanted, belowList);
  for (const auto& rooms : {besideMain, besideDrawing}) {
    for (const Room& room : rooms) {
      if (Holds(room.area, wanted)) return Within(room.area, wanted, room.near);
    }
  }
  // Made smaller: in the room that leaves it largest, of those that hold it at its least size;
  // where none does, in the largest room of all, smaller still, rather than over the drawing.
  const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
  QRect best;
  QRect largest;
  for (const auto& rooms : {besideMain, besideDrawing}) {
    for (const Room& room : rooms) {
      if (room.area.isEmpty()) continue;
      const QRect placed = Within(room.area, wanted, room.near);
      if (Holds(room.area, least) && area(placed) > area(best)) best = placed;
      if (Holds(room.area, least.boundedTo(kSmallest)) && area(placed) > area(largest)) {
        largest = placed;
      }
    }
  }
  if (best.isValid()) return best;
  if (largest.isValid()) return largest;
  return Within(available, least, QPoint(available.right(), available.bottom()));
}

SideWindow::SideWindow(QWidget& window, SidePlacement& main)
    : QObject(&window),
      window_(window),
      main_(main),
      plainPoints_(window.font().pointSizeF()),
      zoom_(kPlainZoom) {
  // A window of its own kind, not a dialog or a tool window: window managers keep those above
  // the main window, which would then hide them under them.
  window.setWindowFlags((window.windowFlags() & ~(Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)) |
                        Qt::Window);
  auto* close = new QAction(&window);
  close->setObjectName(QStringLiteral("actClose"));
  close->setShortcut(Qt::Key_Escape);
  close->setShortcutContext(Qt::WindowShortcut);
  connect(close, &QAction::triggered, &window, &QWidget::close);
  window.addAction(close);
  takeMainShortcuts();
  // Where the screen has no room for its least size, the window may be made smaller still: its
  // parts shrink past their own least sizes and their texts scroll or are cut, rather than the
  // window going over the drawing or off the screen.
  if (QLayout* layout = window.layout()) layout->setSizeConstraint(QLayout::SetNoConstraint);
  window.installEventFilter(this);
  followZoom(main.zoom());
  connect(&main, &SidePlacement::zoomChanged, this, &SideWindow::followZoom);
}

// An action of the window's own on the same keys would make them ambiguous: the window's wins.
void SideWindow::takeMainShortcuts() {
  QList<QKeySequence> own;
  for (const QAction* action : window_.actions()) own << action->shortcut();
  for (QAction* action : main_.shortcuts()) {
    if (PassesOn(action->shortcut()) && !own.contains(action->shortcut())) {
      window_.addAction(action);
    }
  }
}

void SideWindow::open() {
  window_.show();
  window_.raise();
  window_.activateWindow();
}

// A window first placed with the main window's frame standing in for its own is placed again
// once a window manager has framed it, if the frame differs: its size and place were worked out
// for another.
bool SideWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Show && !event->spontaneous()) {
    if (plainSize_.isEmpty()) plainSize_ = window_.size() * kPlainZoom / zoom_;
    placeBeside();
    if (placedFrame_.isNull()) watchForFrame();
  }
  if (watched == &window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                              event->type() == QEvent::ActivationChange)) {
    placeAgainIfFramed();
  }
  return QObject::eventFilter(watched, event);
}

void SideWindow::placeAgainIfFramed() {
  const QMargins frame = FrameMargins(window_);
  if (!window_.isVisible() || frame.isNull() || frame == placedFrame_) return;
  placedFrame_ = frame;
  QTimer::singleShot(0, this, &SideWindow::placeBeside);
}

// For three seconds after the window first shows, its frame is looked for.
void SideWindow::watchForFrame() {
  WatchForFrame(*this, window_, 30, [this] {
    placeAgainIfFramed();
    return !placedFrame_.isNull();
  });
}

// The window grows or shrinks with the zoom; one that is open goes beside the main window again
// once that has taken its new size.
void SideWindow::followZoom(int percent) {
  if (percent == zoom_) return;
  QFont font = window_.font();
  font.setPointSizeF(plainPoints_ * percent / kPlainZoom);
  window_.setFont(font);
  const QSize plain = plainSize_.isEmpty() ? window_.size() * kPlainZoom / zoom_ : plainSize_;
  zoom_ = percent;
  window_.resize(plain * percent / kPlainZoom);
  emit zoomed(percent);
  if (window_.isVisible()) QTimer::singleShot(0, this, &SideWindow::placeBeside);
}

// The size the window had when first shown (before that, the size it has), at the zoom: where
// it had to be made smaller to find room, it is placed anew at its full size.
QSize SideWindow::wantedSize() const {
  return plainSize_.isEmpty() ? window_.size() : plainSize_ * zoom_ / kPlainZoom;
}

// Before the window is first shown its frame is not known: the main window's stands in for it.
void SideWindow::placeBeside() {
  const QScreen* screen = main_.screen();
  if (screen == nullptr) return;
  QMargins frame = FrameMargins(window_);
  if (frame.isNull()) frame = main_.frameMargins();
  placedFrame_ = FrameMargins(window_);
  // Made smaller, it still shows lines of its text as long as a book's and a screenful of them.
  const QFontMetrics metrics(window_.font());
  const QSize readable(kReadableCharacters * metrics.averageCharWidth(),
                       kReadableLines * metrics.lineSpacing());
  const QSize least = window_.minimumSizeHint()
                          .expandedTo(window_.minimumSize())
                          .expandedTo(readable.boundedTo(wantedSize()));
  const QRect place = PlaceSideWindow(main_.frame(), main_.drawing(), wantedSize().grownBy(frame),
                                      least.grownBy(frame), screen->availableGeometry());
  // The window itself, inside the frame: a window manager may not place a frame it has not
  // drawn yet where it is asked to.
  window_.setGeometry(place.marginsRemoved(frame));
}

}  // namespace kvir
