#pragma once
// The user's settings: what the program's switches remember for the next starts.

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "app/prefs/language.h"

namespace kvir {

/// The largest settings file the program reads; a few hundred bytes are written.
inline constexpr qint64 kSettingsSizeLimit = 1024 * 1024;

/// A settings file the program does not open: QSettings would wait forever on a FIFO, read a
/// device without end or hold a huge file in memory twice over.
struct SettingsFault {
  enum Kind { kNotRegular, kTooLarge };
  Kind kind;
  QString path;
};

/// The first settings file QSettings would read (the program's own, the organisation's, the
/// system's) that is not a regular file or is larger than kSettingsSizeLimit; nothing when all
/// are fine or missing. Looked at once, at the first call; needs no QCoreApplication.
std::optional<SettingsFault> UnreadableSettings();

/// The one line (ending in '\n') that says in `language` that the settings were not read.
QString SettingsNotReadMessage(const SettingsFault& fault, Language language);

/// The user's settings file, ~/.config/kvir/kvir.conf; nothing while UnreadableSettings() names a
/// fault: then the defaults hold and nothing is kept.
std::unique_ptr<QSettings> UserSettings();

/// Whether the clear view was on when last switched; off when never switched.
bool RememberedClearView();

/// Keeps the clear view's state for the next starts.
void RememberClearView(bool on);

/// The folder every save dialog (pictures, truth tables, a PDF printed to a file) starts in: that
/// of the last file any of them saved, in this run or an earlier one, while it is still a folder;
/// else the working folder.
QString SaveFolder();

/// Keeps the folder of `savedFile`, a file just written, as SaveFolder(); for the next starts too.
void RememberSaveFolder(const QString& savedFile);

}  // namespace kvir
