#pragma once
// The program's command line: what it asks for, parsed before any window system is touched, so
// that --help, --version and a mistyped option need no display.

#include <QString>
#include <QStringList>

namespace kvir {

/// Options that change how the program runs.
struct ProgramOptions {
  bool firstPaintExit = false;  ///< end with exit code 0 right after the first complete paint
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
/// accepted and left for QApplication.
CommandLine ParseCommandLine(const QStringList& arguments);

/// The text of --help.
QString ProgramHelp();

/// The text of --version.
QString ProgramVersion();

}  // namespace kvir
