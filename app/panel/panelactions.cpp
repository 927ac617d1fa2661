#include "app/panel/panelactions.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

namespace kvir {

/// The panels' context menu. A button-down outside it closes it and then reaches whatever lies
/// beneath, as if no menu had been open: a click on an input button still presses it. The rest
/// of the click or double click that opened it, at the same place, chooses nothing.
class PanelMenu : public QMenu {
 public:
  explicit PanelMenu(QWidget* parent) : QMenu(parent) {
    setAttribute(Qt::WA_NoMouseReplay);  // the menu hands the button-down on itself
  }

  void popupAt(const QPoint& global) {
    opened_at_ = global;
    opened_.start();
    popup(global);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (FromOpeningClick(*event)) return;
    if (rect().contains(event->position().toPoint())) {
      QMenu::mousePressEvent(event);
      return;
    }
    const QPointF global = event->globalPosition();
    close();
    QWidget* beneath = QApplication::widgetAt(global.toPoint());
    if (beneath == nullptr) return;
    QMouseEvent replay(QEvent::MouseButtonPress, beneath->mapFromGlobal(global), global,
                       event->button(), event->buttons(), event->modifiers());
    QApplication::sendEvent(beneath, &replay);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!FromOpeningClick(*event)) QMenu::mouseReleaseEvent(event);
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (!FromOpeningClick(*event)) QMenu::mouseDoubleClickEvent(event);
  }

 private:
  bool FromOpeningClick(const QMouseEvent& event) const {
    return event.globalPosition().toPoint() == opened_at_ &&
           opened_.elapsed() < QApplication::doubleClickInterval();
  }

  QPoint opened_at_;
  QElapsedTimer opened_;
};

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

QString TextOf(const PanelActionRow& row) {
  return QCoreApplication::translate("kvir::PanelActions", row.text.data());
}

const PanelActionRow& RowOf(PanelAction action) {
  return kPanelActions.at(IndexOf(action));
}

PanelActions::PanelActions(QWidget* window) : QObject(window), menu_(new PanelMenu(window)) {
  menu_->setObjectName(QStringLiteral("panelMenu"));
  for (size_t i = 0; i < kPanelActions.size(); ++i) {
    auto* action = new QAction(window);
    action->setShortcut(ShortcutOf(kPanelActions[i]));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(kPanelActions[i].checkable);
    window->addAction(action);
    menu_->addAction(action);
    actions_[i] = action;
  }
  retranslate();
}

void PanelActions::retranslate() {
  for (size_t i = 0; i < kPanelActions.size(); ++i) {
    actions_[i]->setText(TextOf(kPanelActions[i]));
  }
}

void PanelActions::bind(PanelAction action, std::function<void()> run) {
  connect(this->action(action), &QAction::triggered, this, [run = std::move(run)] { run(); });
}

void PanelActions::bindSwitch(PanelAction action, std::function<void(bool)> toggled) {
  connect(this->action(action), &QAction::toggled, this,
          [toggled = std::move(toggled)](bool on) { toggled(on); });
}

QMenu* PanelActions::menu() const {
  return menu_;
}

QAction* PanelActions::action(PanelAction action) const {
  return actions_.at(IndexOf(action));
}

void PanelActions::attach(QWidget* panel) {
  panel->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(panel, &QWidget::customContextMenuRequested, menu_,
          [this, panel](const QPoint& at) { menu_->popupAt(panel->mapToGlobal(at)); });
}

}  // namespace kvir
