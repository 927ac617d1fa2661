#pragma once
// Printable worksheets of exam questions: A4 pages written by cairo and set by pango, with the
// questions' pictures drawn from the 300 % picture set, and the answer keys on pages of their own.

#include <cstdint>
#include <span>
#include <vector>

#include "learning/exam.h"

namespace kvir {

/// Pictures on worksheets are drawn from this zoom level, then scaled to the page.
inline constexpr int kWorksheetZoom = 300;

/// A PDF with one worksheet per variant, each from a new page: a title, the student's name (or a
/// line for it) and a line for the group, the numbered questions with their pictures and room to
/// write; then the key of every variant on pages of their own. Texts in `language`, set in
/// DejaVu Sans through pango. Throws Error(kWorksheetFailed) when cairo fails.
std::vector<uint8_t> ExamWorksheetPdf(std::span<const ExamVariant> variants, Language language);

/// Lets pango, cairo and fontconfig free what they keep for the whole run, so that a leak check of
/// a program that has finished printing finds nothing of theirs. Only for a program that links
/// the drawing in and draws no more text with them afterwards: kvir-cli, never the window.
void ReleaseWorksheetFonts();

}  // namespace kvir
