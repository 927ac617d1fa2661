#pragma once
// The drawing of printable worksheets with cairo and pango, apart from the pictures it places:
// kvir-cli links it in, and the window loads it as a module (kvir-worksheet.so) when it first
// writes worksheets, so that its start does not load cairo, pango and what they need.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "learning/exam.h"

namespace kvir {

/// A question's picture for the page: rows top to bottom, each pixel 0x00RRGGBB.
struct WorksheetImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> rgb;
};

/// The picture beside question `q`, made by the program that asks for the worksheets.
using WorksheetImages = std::function<WorksheetImage(const ExamQuestion& q)>;

/// ExamWorksheetPdf (render/exam_pdf.h) with the questions' pictures from `images`. Throws
/// Error(kWorksheetFailed) when cairo fails.
std::vector<uint8_t> WorksheetPdf(std::span<const ExamVariant> variants, Language language,
                                  const WorksheetImages& images);

/// What the module kvir-worksheet.so gives through its one exported function, named
/// kWorksheetEntry: WorksheetPdf, which sets `failure` to cairo's words instead of throwing
/// (an exception does not cross the module's edge).
struct WorksheetModule {
  std::vector<uint8_t> (*pdf)(std::span<const ExamVariant> variants, Language language,
                              const WorksheetImages& images, std::string& failure);
};
inline constexpr char kWorksheetEntry[] = "kvir_worksheet_module";
/// The type of the entry: a C function, found by name.
using WorksheetEntry = const WorksheetModule* (*)();

}  // namespace kvir
