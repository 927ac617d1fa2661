#include "exam/format_table.h"

#include "core/error.h"
#include "learning/exam_formats.h"
#include "render/exam_pdf.h"
#include "render/exam_pictures.h"

namespace kvir {
namespace {

// Moodle shows a question's picture at the size the window shows the panel.
constexpr int kMoodlePictureZoom = 100;

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> WriteMoodle(std::span<const ExamVariant> variants, Language language) {
  return Bytes(MoodleXml(variants, language, [](const ExamQuestion& q, bool answered) {
    return ExamPng(q, answered ? ExamPictureUse::kAnswer : ExamPictureUse::kQuestion,
                   kMoodlePictureZoom);
  }));
}

std::vector<uint8_t> WriteGift(std::span<const ExamVariant> variants, Language language) {
  return Bytes(GiftText(variants, language));
}

constexpr std::string_view kXmlSuffixes[] = {".xml"};
constexpr std::string_view kGiftSuffixes[] = {".gift", ".txt"};

constexpr ExamFormatRow kFormats[] = {
    {ExamFormat::kMoodle, "moodle", kXmlSuffixes, "Moodle XML", "Moodle XML", true, WriteMoodle},
    {ExamFormat::kGift, "gift", kGiftSuffixes, "GIFT", "GIFT", true, WriteGift},
    {ExamFormat::kPdf, "pdf", kPdfSuffixes, "Листы PDF", "PDF worksheets", true, ExamWorksheetPdf},
};

constexpr bool InFormatOrder() {
  for (size_t i = 0; i < std::size(kFormats); ++i) {
    if (kFormats[i].format != static_cast<ExamFormat>(i)) return false;
  }
  return true;
}
static_assert(InFormatOrder(), "the rows follow ExamFormat");

}  // namespace

std::span<const ExamFormatRow> ExamFormats() {
  return kFormats;
}

const ExamFormatRow& ExamFormatOf(ExamFormat format) {
  return kFormats[static_cast<size_t>(format)];
}

const ExamFormatRow& ExamFormatNamed(std::string_view name) {
  for (const ExamFormatRow& row : kFormats) {
    if (row.name == name) return row;
  }
  std::string names;
  for (const ExamFormatRow& row : kFormats)
    names.append(names.empty() ? "" : ", ").append(row.name);
  throw Error(ErrorCode::kExamFormatUnknown, {std::string(name), names});
}

}  // namespace kvir
