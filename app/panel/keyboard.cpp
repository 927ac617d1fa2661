#include "app/panel/keyboard.h"

#include <QWidget>
#include <algorithm>
#include <optional>
#include <vector>

#include "render/panel_navigation.h"

namespace kvir {
namespace {

// The widgets' top-left corners in their parent, at the same indices.
std::vector<PanelPosition> PositionsOf(const QList<QWidget*>& widgets) {
  std::vector<PanelPosition> positions;
  positions.reserve(widgets.size());
  for (const QWidget* w : widgets) positions.push_back({w->x(), w->y()});
  return positions;
}

std::optional<Arrow> ArrowOfKey(int key) {
  switch (key) {
    case Qt::Key_Up:
      return Arrow::kUp;
    case Qt::Key_Down:
      return Arrow::kDown;
    case Qt::Key_Left:
      return Arrow::kLeft;
    case Qt::Key_Right:
      return Arrow::kRight;
    default:
      return std::nullopt;
  }
}

}  // namespace

QList<QWidget*> InReadingOrder(QList<QWidget*> widgets) {
  QList<QWidget*> ordered;
  ordered.reserve(widgets.size());
  for (int i : ReadingOrder(PositionsOf(widgets))) ordered << widgets[i];
  return ordered;
}

QWidget* ArrowTarget(const QList<QWidget*>& widgets, const QWidget* from, int key) {
  const std::optional<Arrow> arrow = ArrowOfKey(key);
  const qsizetype at = widgets.indexOf(from);
  if (!arrow || at < 0) return nullptr;
  const int target = ArrowNeighbour(PositionsOf(widgets), static_cast<int>(at), *arrow);
  return target < 0 ? nullptr : widgets[target];
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
