#include "app/windows/panelexport.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <span>
#include <string>
#include <vector>

#include "app/panel/panelpainter.h"
#include "app/shell/language.h"
#include "circuit/scheme_texts.h"
#include "io/error_texts.h"
#include "io/output_file.h"
#include "render/handout.h"
#include "render/panel_image.h"
#include "render/picture.h"

namespace kvir {
namespace {

constexpr qreal kTitlePoints = 14;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Title(const Scheme& scheme) {
  return FromUtf8(SchemeTitle(scheme.number(), CurrentLanguage()));
}

QString Cause(int error) {
  return QString::fromStdString(SystemErrorText(error, CurrentLanguage()));
}

// The title centred at the top of the printable area, the panel below it as large as fits,
// keeping its proportions.
bool PaintPage(QPagedPaintDevice& device, const QImage& panel, const QString& title) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRect page = painter.viewport();
  QFont font = painter.font();
  font.setPointSizeF(kTitlePoints);
  painter.setFont(font);
  constexpr int kTitleFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  const QRect heading = painter.boundingRect(page, kTitleFlags, title);
  painter.drawText(heading, kTitleFlags, title);
  const QRect area = page.adjusted(0, heading.height() * 3 / 2, 0, 0);
  const QSize size = panel.size().scaled(area.size(), Qt::KeepAspectRatio);
  painter.drawImage(
      QRect(QPoint(area.left() + (area.width() - size.width()) / 2, area.top()), size), panel);
  return painter.end();
}

// The page as PDF bytes, laid out as `printer` is set up.
QByteArray PdfOf(const QPrinter& printer, const QImage& panel, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("KVIR"));
    if (!PaintPage(writer, panel, title)) return {};
  }
  return buffer.data();
}

FileStatus WriteFile(const QString& path, std::span<const uint8_t> bytes) {
  return WriteOutputFile(QFile::encodeName(path).toStdString(), bytes);
}

std::span<const uint8_t> BytesOf(const QByteArray& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
}

}  // namespace

PanelExport::PanelExport(QWidget* window) : QObject(window), window_(window) {}

void PanelExport::copy(const PanelPictures& panel) {
  QGuiApplication::clipboard()->setImage(PanelImage(panel));
}

void PanelExport::save(const PanelPictures& panel) {
  QFileDialog dialog(window_, tr("Сохранить рисунок схемы"),
                     QDir(folder_.isEmpty() ? QDir::currentPath() : folder_)
                         .filePath(FromUtf8(PictureFileName(panel.scheme()))),
                     tr("Рисунки PNG (*.png)"));
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  if (saveTo(panel, path)) folder_ = QFileInfo(path).absolutePath();
}

// The same composition and PNG encoder as `kvir-cli render`, through the same file writer.
bool PanelExport::saveTo(const PanelPictures& panel, const QString& path) {
  const std::string name = QFile::encodeName(path).toStdString();
  if (!IsPictureFileName(name) || !IsPictureFileName(WrittenFileName(name))) {
    reportFailure(tr("Рисунок не сохранён в файл «%1»: рисунки сохраняются в формате PNG, "
                     "с расширением .png.")
                      .arg(path));
    return false;
  }
  const std::vector<uint8_t> png = EncodePng(ComposePanel(panel));
  const FileStatus status = WriteFile(path, png);
  if (status.ok()) return true;
  reportFailure(tr("Рисунок не сохранён в файл «%1»: %2.").arg(path, Cause(status.error())));
  return false;
}

void PanelExport::print(const PanelPictures& panel) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Title(panel.scheme()));
  QPrintDialog dialog(&printer, window_);
  dialog.setObjectName(QStringLiteral("printDialog"));
  if (dialog.exec() != QDialog::Accepted) return;
  printOn(panel, printer);
}

// A PDF file is made in memory and then written as a saved picture is, so that a failure leaves
// no part of it; a printer gets the page directly.
bool PanelExport::printOn(const PanelPictures& panel, QPrinter& printer) {
  const QImage image = PanelImage(panel);
  const QString title = Title(panel.scheme());
  const QString file = printer.outputFileName();
  if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
    const QByteArray pdf = PdfOf(printer, image, title);
    if (pdf.isEmpty()) {
      reportFailure(tr("Рисунок не напечатан в файл «%1».").arg(file));
      return false;
    }
    const FileStatus status = WriteFile(file, BytesOf(pdf));
    if (status.ok()) return true;
    reportFailure(tr("Рисунок не напечатан в файл «%1»: %2.").arg(file, Cause(status.error())));
    return false;
  }
  if (PaintPage(printer, image, title) && printer.printerState() != QPrinter::Error) return true;
  reportFailure(
      tr("Рисунок не напечатан: принтер «%1» не принял задание.").arg(printer.printerName()));
  return false;
}

void PanelExport::reportFailure(const QString& message) {
  QMessageBox::critical(window_, window_->windowTitle(), message);
}

}  // namespace kvir
