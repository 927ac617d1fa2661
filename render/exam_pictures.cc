#include "render/exam_pictures.h"

#include "circuit/scheme_set.h"
#include "learning/quiz.h"
#include "learning/truth_table.h"
#include "render/exam_pdf.h"
#include "render/handout.h"
#include "render/loaders.h"
#include "render/panel_image.h"
#include "render/panel_pictures.h"

namespace kvir {
namespace {

bool IsInnerLamp(const Indicator& indicator) {
  return !indicator.is_button &&
         (indicator.role == Role::kBusLine || indicator.role == Role::kGateInput ||
          indicator.role == Role::kChipPin);
}

bool IsOutputLamp(const Indicator& indicator) {
  return !indicator.is_button && indicator.role == Role::kOutput;
}

// Whether the question's picture keeps `indicator` (at `index`) from the student. An outputs
// question covers what the quiz covers at its first level, so that no gate input gives the answer
// away; an inputs question everything but the outputs; a rows question every lamp but the inputs'.
bool Hides(ExamKind kind, const QuizLamps& lamps, const Indicator& indicator, uint16_t index) {
  switch (kind) {
    case ExamKind::kOutputs:
      return lamps.PartAt(QuizLevel::kOutputs, index) != LampPart::kShown;
    case ExamKind::kInputs:
      return indicator.is_button || IsInnerLamp(indicator);
    case ExamKind::kRows:
      return IsOutputLamp(indicator) || IsInnerLamp(indicator);
    case ExamKind::kScheme:
      break;
  }
  return false;
}

}  // namespace

Picture ExamPicture(const ExamQuestion& question, ExamPictureUse use, int zoom) {
  const int n = question.scheme;
  SchemeSet set;
  HeadlessHost host;
  Scheme& scheme = set.scheme(n);
  Picture composed;
  {
    PanelPictures pictures(scheme, {.zoom = zoom});
    kSchemeTable[n - 1].build(scheme);
    SelectScheme(set, host, static_cast<uint8_t>(n));
    for (const std::string& name : question.presses) {
      kSchemeTable[n - 1].press(scheme, scheme.At(name));
    }
    pictures.LoadSchemePicture();
    PanelOverlay overlay;
    Picture card;
    if (use == ExamPictureUse::kQuestion) {
      const QuizLamps lamps(n, ComputeTruthTable(n));
      const int side = IndicatorSide(zoom);
      LoadResourcePicture(CardPictureName(LampCard::kHidden), {side, side, 3}, card,
                          {.zoom = zoom});
      overlay.pictures.assign(scheme.indicators().size(), nullptr);
      for (const Indicator& indicator : scheme.indicators()) {
        const uint16_t index = IndexIn(scheme, indicator);
        if (!Hides(question.kind, lamps, indicator, index)) continue;
        overlay.pictures[index] = &card;
        overlay.concealed.push_back(index);
      }
    }
    composed = Crop(ComposePanel(pictures, &overlay), CropRect(pictures));
  }
  FreeSchemes(set);
  return composed;
}

WorksheetImage WorksheetQuestionImage(const ExamQuestion& question) {
  const Picture picture = ExamPicture(question, ExamPictureUse::kQuestion, kWorksheetZoom);
  WorksheetImage image{.width = picture.width, .height = picture.height, .rgb = {}};
  image.rgb.reserve(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* p = picture.pixel(x, y);
      image.rgb.push_back(uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]);
    }
  }
  return image;
}

std::vector<uint8_t> ExamPng(const ExamQuestion& question, ExamPictureUse use, int zoom) {
  return EncodePng(ExamPicture(question, use, zoom));
}

}  // namespace kvir
