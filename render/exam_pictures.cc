#include "render/exam_pictures.h"

#include "circuit/scheme_set.h"
#include "learning/quiz.h"
#include "render/handout.h"
#include "render/loaders.h"
#include "render/panel_image.h"
#include "render/panel_pictures.h"

namespace kvir {
namespace {

// Whether the question's picture keeps `indicator` from the student.
bool Hides(ExamKind kind, const Indicator& indicator) {
  switch (kind) {
    case ExamKind::kOutputs:
      return HiddenAt(QuizLevel::kOutputs, indicator);
    case ExamKind::kInputs:
      return indicator.is_button || (HiddenAt(QuizLevel::kInnerLamps, indicator) &&
                                     !HiddenAt(QuizLevel::kOutputs, indicator));
    case ExamKind::kRows:
      return HiddenAt(QuizLevel::kInnerLamps, indicator);
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
      const int side = IndicatorSide(zoom);
      LoadResourcePicture(CardPictureName(LampCard::kHidden), {side, side, 3}, card,
                          {.zoom = zoom});
      overlay.pictures.assign(scheme.indicators().size(), nullptr);
      for (const Indicator& indicator : scheme.indicators()) {
        if (!Hides(question.kind, indicator)) continue;
        const uint16_t index = IndexIn(scheme, indicator);
        overlay.pictures[index] = &card;
        overlay.concealed.push_back(index);
      }
    }
    composed = Crop(ComposePanel(pictures, &overlay), CropRect(pictures));
  }
  FreeSchemes(set);
  return composed;
}

std::vector<uint8_t> ExamPng(const ExamQuestion& question, ExamPictureUse use, int zoom) {
  return EncodePng(ExamPicture(question, use, zoom));
}

}  // namespace kvir
