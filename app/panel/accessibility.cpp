#include "app/panel/accessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include "app/panel/inputbuttonview.h"
#include "app/panel/panelmode.h"
#include "app/panel/pictureview.h"
#include "app/panel/schemepanel.h"
#include "app/prefs/language.h"
#include "circuit/legend_words.h"
#include "render/panel_overlay.h"

namespace kvir {
namespace {

// What the drawing prints beside the indicator; its name where the drawing prints nothing.
QString Label(const Indicator& indicator) {
  return QString::fromStdString(indicator.label.empty() ? indicator.name : indicator.label);
}

QString RoleText(const Indicator& indicator) {
  const std::string_view word = RoleWord(indicator.role, CurrentLanguage());
  return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

// Whether the panel showing `view` keeps its indicator's level from the student, as a question of
// "Проверь себя" does: then the level is not spoken either.
bool LevelConcealed(const PictureView* view) {
  auto* panel = qobject_cast<const SchemePanel*>(view->parentWidget());
  return panel != nullptr && panel->overlay() != nullptr &&
         Conceals(panel->overlay(), IndexIn(panel->scheme(), *view->indicator()));
}

// The level as a value: "?" while it is concealed.
QString LevelText(const PictureView* view) {
  return LevelConcealed(view) ? QStringLiteral("?") : QString::number(view->indicator()->Tag);
}

// The level as the name speaks it: what the panel's mode says there (a guess, a result), else as
// a value.
QString SpokenLevel(const PictureView* view) {
  auto* panel = qobject_cast<const SchemePanel*>(view->parentWidget());
  if (panel != nullptr && panel->mode() != nullptr) {
    const QString spoken = panel->mode()->spokenLevel(*panel, *view->indicator());
    if (!spoken.isEmpty()) return spoken;
  }
  return LevelText(view);
}

/// An indicator for assistive tools: its view's widget interface with the indicator's name,
/// level and, for an input button, the press.
class IndicatorAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  IndicatorAccessible(PictureView* view, const Indicator& indicator)
      : QAccessibleWidget(view, indicator.is_button ? QAccessible::Button : QAccessible::Indicator),
        indicator_(indicator) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return AccessibleText(indicator_, SpokenLevel(view()));
    if (t == QAccessible::Value) return LevelText(view());
    return QAccessibleWidget::text(t);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override {
    return LevelConcealed(view()) ? QVariant() : QVariant(indicator_.Tag);
  }
  void setCurrentValue(const QVariant&) override {}  // levels come from the model alone
  QVariant maximumValue() const override { return 1; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (indicator_.is_button) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& name) override {
    auto* button = qobject_cast<InputButtonView*>(widget());
    if (name == pressAction() && button != nullptr) {
      button->click();
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

 private:
  const PictureView* view() const { return static_cast<const PictureView*>(widget()); }

  const Indicator& indicator_;
};

QAccessibleInterface* IndicatorFactory(const QString&, QObject* object) {
  auto* view = qobject_cast<PictureView*>(object);
  if (view == nullptr || view->indicator() == nullptr) return nullptr;
  return new IndicatorAccessible(view, *view->indicator());
}

}  // namespace

QString AccessibleText(const Indicator& indicator, const QString& level) {
  return QStringLiteral("%1, %2, %3").arg(Label(indicator), RoleText(indicator), level);
}

QString AccessibleText(const Indicator& indicator) {
  return AccessibleText(indicator, QString::number(indicator.Tag));
}

void InstallIndicatorAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(IndicatorFactory);
    return true;
  }();
  (void)installed;
}

void AnnounceLevels(const QList<PictureView*>& views) {
  if (!QAccessible::isActive()) return;
  for (PictureView* view : views) {
    if (view->indicator() == nullptr) continue;
    QAccessibleValueChangeEvent event(
        view, LevelConcealed(view) ? QVariant() : QVariant(view->indicator()->Tag));
    QAccessible::updateAccessibility(&event);
    if (view->hasFocus()) {  // its name speaks a guess, which may have changed
      QAccessibleEvent named(view, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&named);
    }
  }
}

}  // namespace kvir
