#include "app/shell/settings.h"

namespace kvir {
namespace {

const QString kSettingsOrganisation = QStringLiteral("kvir");
const QString kSettingsApplication = QStringLiteral("kvir");
const QString kClearViewKey = QStringLiteral("clearView");

}  // namespace

QSettings UserSettings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation,
                   kSettingsApplication);
}

bool RememberedClearView() {
  return UserSettings().value(kClearViewKey, false).toBool();
}

void RememberClearView(bool on) {
  UserSettings().setValue(kClearViewKey, on);
}

}  // namespace kvir
