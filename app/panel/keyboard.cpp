#include "app/panel/keyboard.h"

#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kvir {
namespace {

bool ReadsBefore(const QWidget* a, const QWidget* b) {
  return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
}

// The nearest widget above (up) or below in `from`'s column.
QWidget* InColumn(const QList<QWidget*>& widgets, const QWidget* from, bool up) {
  QWidget* best = nullptr;
  for (QWidget* w : widgets) {
    if (w->x() != from->x() || (up ? w->y() >= from->y() : w->y() <= from->y())) continue;
    if (best == nullptr || std::abs(w->y() - from->y()) < std::abs(best->y() - from->y())) best = w;
  }
  return best;
}

// In the nearest column on the left (left) or right of `from`, the widget nearest in height.
QWidget* InNextColumn(const QList<QWidget*>& widgets, const QWidget* from, bool left) {
  QWidget* best = nullptr;
  auto distance = [from](const QWidget* w) {
    return std::pair(std::abs(w->x() - from->x()), std::abs(w->y() - from->y()));
  };
  for (QWidget* w : widgets) {
    if (left ? w->x() >= from->x() : w->x() <= from->x()) continue;
    if (best == nullptr || distance(w) < distance(best)) best = w;
  }
  return best;
}

}  // namespace

QList<QWidget*> InReadingOrder(QList<QWidget*> widgets) {
  std::ranges::stable_sort(widgets, ReadsBefore);
  return widgets;
}

QWidget* ArrowTarget(const QList<QWidget*>& widgets, const QWidget* from, int key) {
  switch (key) {
    case Qt::Key_Up:
      return InColumn(widgets, from, true);
    case Qt::Key_Down:
      return InColumn(widgets, from, false);
    case Qt::Key_Left:
      return InNextColumn(widgets, from, true);
    case Qt::Key_Right:
      return InNextColumn(widgets, from, false);
    default:
      return nullptr;
  }
}

QWidget* NextInChain(const QList<QWidget*>& chain, const QWidget* focused, bool forward) {
  const auto holds = [focused](const QWidget* w) {
    return w == focused || w->isAncestorOf(focused);
  };
  const auto at = std::ranges::find_if(chain, holds);
  if (focused == nullptr || at == chain.end()) return nullptr;
  const qsizetype count = chain.size();
  qsizetype i = at - chain.begin();
  for (qsizetype step = 1; step < count; ++step) {
    i = (i + (forward ? 1 : count - 1)) % count;
    if (chain[i]->isVisible() && chain[i]->isEnabled()) return chain[i];
  }
  return nullptr;
}

}  // namespace kvir
