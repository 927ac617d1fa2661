#pragma once
// Exam questions as text files a learning platform imports: Moodle XML, with the pictures
// embedded, and GIFT, without pictures.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "learning/exam.h"

namespace kvir {

/// The PNG bytes of a question's picture: `answered` false for what the question shows, true for
/// the feedback's picture of the right answer.
using ExamPngSource = std::function<std::vector<uint8_t>(const ExamQuestion&, bool answered)>;

/// `bytes` in base64 (RFC 4648, with padding, no line breaks).
std::string Base64(std::span<const uint8_t> bytes);

/// `text` with XML's metacharacters (& < > " ') written as references.
std::string XmlEscaped(std::string_view text);

/// `text` with GIFT's special characters (~ = # { } : and the backslash) escaped by a backslash.
std::string GiftEscaped(std::string_view text);

/// A Moodle question bank: a category per student and scheme, then its questions: outputs as
/// short answer, inputs and scheme as multiple choice, rows as embedded answers (cloze), each
/// question's picture embedded and referenced as @@PLUGINFILE@@, the general feedback showing the
/// right answer and its picture.
std::string MoodleXml(std::span<const ExamVariant> variants, Language language,
                      const ExamPngSource& pictures);

/// The same questions in GIFT: a category per student and scheme, outputs and rows as short
/// answers (the digits), inputs as multiple choice. A scheme question, which is its picture, is
/// left out with a comment line.
std::string GiftText(std::span<const ExamVariant> variants, Language language);

}  // namespace kvir
