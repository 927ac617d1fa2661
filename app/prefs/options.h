#pragma once
// The program's command line: what it asks for, parsed before any window system is touched, so
// that --help, --version and a mistyped option need no display.

#include <QString>
#include <QStringList>

#include "app/prefs/language.h"
#include "session/session_mode.h"

namespace kvir {

/// Options that change how the program runs.
struct ProgramOptions {
  bool firstPaintExit = false;  ///< end with exit code 0 right after the first complete paint
  Language language = Language::kRussian;  ///< of the windows' texts
  bool clearView = false;  ///< start in the clear view, whatever the setting remembers
  SessionMode mode = SessionMode::kPlain;  ///< the learning mode the window starts in
  int zoom = 100;                          ///< the window's zoom level at the start, in percent
  bool zoomFit = false;  ///< start at the largest zoom whose drawing fits the screen (zoom is 100)
};

/// The outcome of reading the command line: either run with `options`, or print `out` (to
/// standard output) and `err` (to standard error) and end with `exitCode`.
struct CommandLine {
  bool run = true;
  int exitCode = 0;
  QString out;
  QString err;
  ProgramOptions options;
};

/// Exit code for a command line the program does not understand, as kvir-cli uses.
inline constexpr int kBadCommandLine = 2;

/// Reads `arguments` (the program's path first). Qt's own options (-platform, -style …) are
/// accepted and left for QApplication. The language is the one --lang names, else `fallback`;
/// the texts printed are in it.
CommandLine ParseCommandLine(const QStringList& arguments, Language fallback = Language::kRussian);

/// The text of --help in `language`.
QString ProgramHelp(Language language = Language::kRussian);

/// The text of --version.
QString ProgramVersion();

/// The line (ending in '\n') said in `language` when Qt cannot start: no display, an unknown
/// -platform.
QString NoWindowMessage(Language language);

}  // namespace kvir
