#pragma once
// Pictures of the shown panel for lab reports: copied, saved and printed.

#include <QObject>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace kvir {

class PanelPictures;
struct PanelOverlay;
struct Picture;

/// Copies, saves and prints a scheme's panel as the window shows it, without the focus
/// frame. With nothing over the panel a saved file holds the bytes `kvir-cli render N … -o
/// FILE.png` writes for the same state; a failed save or print says so in a message box over the
/// window and leaves no file. The picture for a report is the scheme picture under its title, in
/// the windows' language: `kvir-cli render N … --title` in the panel's style (clear view, zoom).
/// Every dialog starts in SaveFolder().
class PanelExport : public QObject {
  Q_OBJECT

 public:
  /// Dialogs and message boxes come up over `window`, which owns this. `shownOverlay` tells what
  /// shows over the panel now (a question's cards, a stage of a press; null for nothing), so that
  /// every copy, save and print shows what the student sees and gives no concealed level away.
  explicit PanelExport(QWidget* window,
                       std::function<const PanelOverlay*()> shownOverlay = nullptr);

  /// Puts the panel on the clipboard as an image.
  void copy(const PanelPictures& panel);
  /// Puts the picture for a report on the clipboard.
  void copyReport(const PanelPictures& panel);

  /// Asks for a file (offering PictureFileName in SaveFolder()) and saves there.
  void save(const PanelPictures& panel);
  /// Writes the panel to `path` as PNG; false (after the message box) when that failed.
  bool saveTo(const PanelPictures& panel, const QString& path);
  /// Asks for a file (offering PictureFileName with "-report" before ".png") and saves the
  /// picture for a report there.
  void saveReport(const PanelPictures& panel);
  /// Writes the picture for a report to `path` as PNG; false (after the message box) when that
  /// failed.
  bool saveReportTo(const PanelPictures& panel, const QString& path);

  /// Asks for a printer (Qt's print dialog, which also prints to a PDF file, offered in
  /// SaveFolder()) and prints there.
  void print(PanelPictures& panel);
  /// Prints the picture for a report, drawn from the pictures of the largest zoom (of the panel's
  /// own zoom while something shows over it), fitted to the page at its top; false (after the
  /// message box) when that failed. A PDF file is written whole or not at all. The panel's
  /// scheme is heard by a sharper copy while this runs.
  bool printOn(PanelPictures& panel, QPrinter& printer);

 private:
  const PanelOverlay* overlay() const;
  void askAndSave(const QString& caption, const QString& offered,
                  const std::function<bool(const QString&)>& saveTo);
  /// The name a PNG save under `path` writes (io/file_name.h: "x" becomes "x.png"); empty,
  /// after the message box, where its suffix is another type's.
  QString pngName(const QString& path);
  bool writePng(const Picture& picture, const QString& path);
  void reportFailure(const QString& message);

  QWidget* window_;
  std::function<const PanelOverlay*()> shownOverlay_;
};

}  // namespace kvir
