#include "app/panelactions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace kvir {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

size_t IndexOf(PanelAction action) {
  for (size_t i = 0; i < kPanelActions.size(); ++i) {
    if (kPanelActions[i].action == action) return i;
  }
  return kPanelActions.size();
}

}  // namespace

QKeySequence ShortcutOf(const PanelActionRow& row) {
  if (row.standard != QKeySequence::UnknownKey) return QKeySequence(row.standard);
  return QKeySequence(FromUtf8(row.keys), QKeySequence::PortableText);
}

PanelActions::PanelActions(QWidget* window) : QObject(window), menu_(new QMenu(window)) {
  menu_->setObjectName(QStringLiteral("panelMenu"));
  for (size_t i = 0; i < kPanelActions.size(); ++i) {
    auto* action = new QAction(FromUtf8(kPanelActions[i].text), window);
    action->setShortcut(ShortcutOf(kPanelActions[i]));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    menu_->addAction(action);
    actions_[i] = action;
  }
}

void PanelActions::bind(PanelAction action, std::function<void()> run) {
  connect(this->action(action), &QAction::triggered, this, [run = std::move(run)] { run(); });
}

QAction* PanelActions::action(PanelAction action) const {
  return actions_.at(IndexOf(action));
}

void PanelActions::attach(QWidget* panel) {
  panel->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(panel, &QWidget::customContextMenuRequested, menu_,
          [this, panel](const QPoint& at) { menu_->popup(panel->mapToGlobal(at)); });
}

}  // namespace kvir
