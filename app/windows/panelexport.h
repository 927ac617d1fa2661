#pragma once
// Pictures of the shown panel for lab reports: copied, saved and printed.

#include <QObject>
#include <QString>

class QPrinter;
class QWidget;

namespace kvir {

class PanelPictures;

/// Copies, saves and prints a scheme's panel as the window shows it, without the focus
/// frame. A saved file holds the bytes `kvir-cli render N … -o FILE.png` writes for the same
/// state; a failed save or print says so in a message box over the window and leaves no file.
class PanelExport : public QObject {
  Q_OBJECT

 public:
  /// Dialogs and message boxes come up over `window`, which owns this.
  explicit PanelExport(QWidget* window);

  /// Puts the panel on the clipboard as an image.
  void copy(const PanelPictures& panel);

  /// Asks for a file (offering PictureFileName in the folder last saved in) and saves there.
  void save(const PanelPictures& panel);
  /// Writes the panel to `path` as PNG; false (after the message box) when that failed.
  bool saveTo(const PanelPictures& panel, const QString& path);

  /// Asks for a printer (Qt's print dialog, which also prints to a PDF file) and prints there.
  void print(const PanelPictures& panel);
  /// Prints the panel on `printer`, fitted to the page under the scheme's title; false (after
  /// the message box) when that failed. A PDF file is written whole or not at all.
  bool printOn(const PanelPictures& panel, QPrinter& printer);

 private:
  void reportFailure(const QString& message);

  QWidget* window_;
  QString folder_;  ///< the folder of the last save; the working folder before one
};

}  // namespace kvir
