#include "app/windows/panelexport.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/panel/panelpainter.h"
#include "app/prefs/language.h"
#include "app/prefs/settings.h"
#include "circuit/scheme_texts.h"
#include "core/error.h"
#include "io/error_texts.h"
#include "io/file_name.h"
#include "io/output_file.h"
#include "render/handout.h"
#include "render/panel_image.h"
#include "render/picture.h"
#include "render/zoom.h"

namespace kvir {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Title(const Scheme& scheme) {
  return FromUtf8(SchemeTitle(scheme.number(), CurrentLanguage()));
}

QString Cause(int error) {
  return QString::fromStdString(SystemErrorText(error, CurrentLanguage()));
}

// The picture as its own QImage.
QImage ImageOf(const Picture& picture) {
  return ImageOver(picture).convertToFormat(QImage::Format_RGB32);
}

// The picture for a report in `panel`'s style, in the windows' language, with what shows over
// the panel.
Picture ReportPicture(const PanelPictures& panel, const PanelOverlay* overlay) {
  return TitledPanel(panel, CurrentLanguage(), overlay);
}

// The same for paper, drawn from the pictures of the largest zoom: the title strip carries the
// title, so the page needs no text of its own. What shows over the panel (a question's cards, a
// stage of a press) is drawn for the panel's own zoom, so such a panel is printed as it is.
QImage PaperReportImage(PanelPictures& panel, const PanelOverlay* overlay) {
  if (overlay != nullptr) return ImageOf(ReportPicture(panel, overlay));
  const PanelPictures sharp(panel, {.clear = panel.style().clear, .zoom = kZoomLevels.back()});
  return ImageOf(ReportPicture(sharp, nullptr));
}

// The picture across the printable area, as large as fits with its proportions kept, centred
// at the top of the page; in a PDF file with every pixel kept (not as a JPEG).
bool PaintPage(QPagedPaintDevice& device, const QImage& picture) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
  const QRect page = painter.viewport();
  const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(
      QRect(QPoint(page.left() + (page.width() - size.width()) / 2, page.top()), size), picture);
  return painter.end();
}

// The page as PDF bytes, laid out as `printer` is set up.
QByteArray PdfOf(const QPrinter& printer, const QImage& picture, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("KVIR"));
    if (!PaintPage(writer, picture)) return {};
  }
  return buffer.data();
}

// The name a save under `path` writes (io/file_name.h), or nothing where it is refused.
std::optional<QString> SavedName(const QString& path, FileSuffixes suffixes) {
  try {
    return QFile::decodeName(SaveFileName(QFile::encodeName(path).toStdString(), suffixes).c_str());
  } catch (const Error&) {
    return std::nullopt;
  }
}

FileStatus WriteFile(const QString& path, std::span<const uint8_t> bytes) {
  return WriteOutputFile(QFile::encodeName(path).toStdString(), bytes);
}

std::span<const uint8_t> BytesOf(const QByteArray& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

// The picture's file name with `ending` in place of ".png": "kvir-01-Y3" + ending.
QString PictureFileNameEndingIn(const Scheme& scheme, const QString& ending) {
  QString name = FromUtf8(PictureFileName(scheme));
  name.chop(QStringLiteral(".png").size());
  return name + ending;
}

// The name a picture for a report is offered under: "kvir-01-Y3-report.png".
QString ReportFileName(const Scheme& scheme) {
  return PictureFileNameEndingIn(scheme, QStringLiteral("-report.png"));
}

// Qt's print dialog offers a PDF file in the working or the home folder, named after the document
// or not at all; it is offered in the folder of the last save instead, named after the document
// or else as the picture is, with the printer left as it was.
void OfferPdfInSaveFolder(QPrintDialog& dialog, const Scheme& scheme) {
  auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
  if (file == nullptr) return;
  QString name = QFileInfo(file->text()).fileName();
  if (name.isEmpty()) name = PictureFileNameEndingIn(scheme, QStringLiteral(".pdf"));
  file->setText(QDir(SaveFolder()).filePath(name));
}

}  // namespace

PanelExport::PanelExport(QWidget* window, std::function<const PanelOverlay*()> shownOverlay)
    : QObject(window), window_(window), shownOverlay_(std::move(shownOverlay)) {}

const PanelOverlay* PanelExport::overlay() const {
  return shownOverlay_ ? shownOverlay_() : nullptr;
}

void PanelExport::copy(const PanelPictures& panel) {
  QGuiApplication::clipboard()->setImage(PanelImage(panel, overlay()));
}

void PanelExport::copyReport(const PanelPictures& panel) {
  QGuiApplication::clipboard()->setImage(ImageOf(ReportPicture(panel, overlay())));
}

void PanelExport::save(const PanelPictures& panel) {
  askAndSave(tr("Сохранить рисунок схемы"), FromUtf8(PictureFileName(panel.scheme())),
             [this, &panel](const QString& path) { return saveTo(panel, path); });
}

// The same composition and PNG encoder as `kvir-cli render`, through the same file writer.
bool PanelExport::saveTo(const PanelPictures& panel, const QString& path) {
  const QString name = pngName(path);
  return !name.isEmpty() && writePng(ComposePanel(panel, overlay()), name);
}

void PanelExport::saveReport(const PanelPictures& panel) {
  askAndSave(tr("Сохранить рисунок для отчёта"), ReportFileName(panel.scheme()),
             [this, &panel](const QString& path) { return saveReportTo(panel, path); });
}

bool PanelExport::saveReportTo(const PanelPictures& panel, const QString& path) {
  const QString name = pngName(path);
  return !name.isEmpty() && writePng(ReportPicture(panel, overlay()), name);
}

void PanelExport::askAndSave(const QString& caption, const QString& offered,
                             const std::function<bool(const QString&)>& saveTo) {
  QFileDialog dialog(window_, caption, QDir(SaveFolder()).filePath(offered),
                     tr("Рисунки PNG (*.png)"));
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  if (saveTo(path)) RememberSaveFolder(path);
}

QString PanelExport::pngName(const QString& path) {
  const std::optional<QString> name = SavedName(path, kPngSuffixes);
  if (name) return *name;
  reportFailure(tr("Рисунок не сохранён в файл «%1»: рисунки сохраняются в формате PNG, "
                   "с расширением .png.")
                    .arg(path));
  return {};
}

bool PanelExport::writePng(const Picture& picture, const QString& path) {
  const FileStatus status = WriteFile(path, EncodePng(picture));
  if (status.ok()) return true;
  reportFailure(tr("Рисунок не сохранён в файл «%1»: %2.").arg(path, Cause(status.error())));
  return false;
}

void PanelExport::print(PanelPictures& panel) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Title(panel.scheme()));
  QPrintDialog dialog(&printer, window_);
  dialog.setObjectName(QStringLiteral("printDialog"));
  OfferPdfInSaveFolder(dialog, panel.scheme());
  if (dialog.exec() != QDialog::Accepted) return;
  printOn(panel, printer);
}

// A PDF file is made in memory and then written as a saved picture is, so that a failure leaves
// no part of it; a printer gets the page directly.
bool PanelExport::printOn(PanelPictures& panel, QPrinter& printer) {
  const QImage image = PaperReportImage(panel, overlay());
  const QString asked = printer.outputFileName();
  if (printer.outputFormat() == QPrinter::PdfFormat && !asked.isEmpty()) {
    const std::optional<QString> named = SavedName(asked, kPdfSuffixes);
    if (!named) {
      reportFailure(tr("Рисунок не напечатан в файл «%1»: файлы PDF сохраняются "
                       "с расширением .pdf.")
                        .arg(asked));
      return false;
    }
    const QString& file = *named;
    const QByteArray pdf = PdfOf(printer, image, Title(panel.scheme()));
    if (pdf.isEmpty()) {
      reportFailure(tr("Рисунок не напечатан в файл «%1».").arg(file));
      return false;
    }
    const FileStatus status = WriteFile(file, BytesOf(pdf));
    if (status.ok()) {
      RememberSaveFolder(file);
      return true;
    }
    reportFailure(tr("Рисунок не напечатан в файл «%1»: %2.").arg(file, Cause(status.error())));
    return false;
  }
  if (PaintPage(printer, image) && printer.printerState() != QPrinter::Error) return true;
  reportFailure(
      tr("Рисунок не напечатан: принтер «%1» не принял задание.").arg(printer.printerName()));
  return false;
}

void PanelExport::reportFailure(const QString& message) {
  QMessageBox::critical(window_, window_->windowTitle(), message);
}

}  // namespace kvir
