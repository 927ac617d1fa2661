#include "app/prefs/settings.h"

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kvir {
namespace {

const QString kSettingsOrganisation = QStringLiteral("kvir");
const QString kSettingsApplication = QStringLiteral("kvir");
const QString kClearViewKey = QStringLiteral("clearView");
const QString kSaveFolderKey = QStringLiteral("saveFolder");

// The translation context of the texts below.
constexpr char kContext[] = "kvir::Settings";

// What QSettings reads for the user scope: in each configuration folder (the user's first, then
// the system's), the application's file and then the organisation's.
QStringList SettingsFiles() {
  QStringList files;
  for (const QString& folder :
       QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
    files << folder + QLatin1Char('/') + kSettingsOrganisation + QLatin1Char('/') +
                 kSettingsApplication + QStringLiteral(".conf")
          << folder + QLatin1Char('/') + kSettingsOrganisation + QStringLiteral(".conf");
  }
  return files;
}

// stat, not lstat: a link to a regular file is read as that file.
std::optional<SettingsFault> FaultOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
  if (!S_ISREG(status.st_mode)) return SettingsFault{SettingsFault::kNotRegular, path};
  if (status.st_size > kSettingsSizeLimit) return SettingsFault{SettingsFault::kTooLarge, path};
  return std::nullopt;
}

std::optional<SettingsFault> FirstFault() {
  for (const QString& path : SettingsFiles()) {
    if (std::optional<SettingsFault> fault = FaultOf(path)) return fault;
  }
  return std::nullopt;
}

}  // namespace

std::optional<SettingsFault> UnreadableSettings() {
  static const std::optional<SettingsFault> fault = FirstFault();
  return fault;
}

QString SettingsNotReadMessage(const SettingsFault& fault, Language language) {
  const char* text =
      fault.kind == SettingsFault::kNotRegular
          ? QT_TRANSLATE_NOOP("kvir::Settings",
                              "kvir: настройки не прочитаны: «%1» — не обычный файл; программа "
                              "начинает с настроек по умолчанию и не сохраняет их")
          : QT_TRANSLATE_NOOP("kvir::Settings",
                              "kvir: настройки не прочитаны: файл «%1» больше 1 МиБ; программа "
                              "начинает с настроек по умолчанию и не сохраняет их");
  return Translate(language, kContext, text).arg(fault.path) + QLatin1Char('\n');
}

std::unique_ptr<QSettings> UserSettings() {
  if (UnreadableSettings()) return nullptr;
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     kSettingsOrganisation, kSettingsApplication);
}

bool RememberedClearView() {
  const std::unique_ptr<QSettings> settings = UserSettings();
  return settings && settings->value(kClearViewKey, false).toBool();
}

void RememberClearView(bool on) {
  if (const std::unique_ptr<QSettings> settings = UserSettings()) {
    settings->setValue(kClearViewKey, on);
  }
}

// Kept in the run as well, for when the settings cannot be kept.
QString& SaveFolderOfThisRun() {
  static QString folder;
  return folder;
}

QString SaveFolder() {
  QString folder = SaveFolderOfThisRun();
  if (folder.isEmpty()) {
    if (const std::unique_ptr<QSettings> settings = UserSettings()) {
      folder = settings->value(kSaveFolderKey).toString();
    }
  }
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

void RememberSaveFolder(const QString& savedFile) {
  const QString folder = QFileInfo(savedFile).absolutePath();
  SaveFolderOfThisRun() = folder;
  if (const std::unique_ptr<QSettings> settings = UserSettings()) {
    settings->setValue(kSaveFolderKey, folder);
  }
}

}  // namespace kvir
