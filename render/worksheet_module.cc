// kvir-worksheet.so: the worksheets' drawing as a module the window loads when first asked.

#include <exception>

#include "core/error.h"
#include "render/worksheet_pdf.h"

namespace kvir {
namespace {

std::vector<uint8_t> PdfOrFailure(std::span<const ExamVariant> variants, Language language,
                                  const WorksheetImages& images, std::string& failure) {
  try {
    return WorksheetPdf(variants, language, images);
  } catch (const Error& error) {
    failure = error.args().empty() ? error.what() : error.args().front();
  } catch (const std::exception& error) {
    failure = error.what();
  }
  if (failure.empty()) failure = "?";
  return {};
}

constexpr WorksheetModule kModule = {.pdf = PdfOrFailure};

}  // namespace
}  // namespace kvir

extern "C" __attribute__((visibility("default"))) const kvir::WorksheetModule*
kvir_worksheet_module() {
  return &kvir::kModule;
}
