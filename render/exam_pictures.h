#pragma once
// The pictures of exam questions: the trimmed panel of the question's scheme (as
// `kvir-cli render --crop` draws it), with the lamps the question keeps from the student behind
// the quiz's "?" cards.

#include <cstdint>
#include <vector>

#include "learning/exam.h"
#include "render/picture.h"
#include "render/worksheet_pdf.h"

namespace kvir {

/// What a picture of a question is for.
enum class ExamPictureUse : uint8_t {
  kQuestion,  ///< beside the question: what it asks about is hidden
  kAnswer,    ///< in the feedback or the key: the question's state, nothing hidden
};

/// The trimmed panel of `question`'s scheme after its presses, at `zoom` percent (one of the zoom
/// levels), as RGB. For kQuestion: an outputs question hides the outputs, an inputs question the
/// buttons and inner lamps, a rows question the outputs and inner lamps; a scheme question hides
/// nothing.
Picture ExamPicture(const ExamQuestion& question, ExamPictureUse use, int zoom);

/// The question's picture at kWorksheetZoom for a worksheet: ExamPicture for kQuestion.
WorksheetImage WorksheetQuestionImage(const ExamQuestion& question);

/// The same as a PNG file.
std::vector<uint8_t> ExamPng(const ExamQuestion& question, ExamPictureUse use, int zoom);

}  // namespace kvir
