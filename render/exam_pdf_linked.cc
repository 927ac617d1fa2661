// ExamWorksheetPdf for a program that links the worksheets' drawing in (kvir-cli).

#include "render/exam_pdf.h"
#include "render/exam_pictures.h"
#include "render/worksheet_pdf.h"

namespace kvir {

std::vector<uint8_t> ExamWorksheetPdf(std::span<const ExamVariant> variants, Language language) {
  return WorksheetPdf(variants, language, WorksheetQuestionImage);
}

}  // namespace kvir
