#include "render/exam_pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "render/exam_pictures.h"

namespace kvir {
namespace {

// A4 in points, and the page's layout.
constexpr double kPageWidth = 595.276;
constexpr double kPageHeight = 841.89;
constexpr double kMargin = 50;
constexpr double kTextWidth = kPageWidth - 2 * kMargin;
constexpr double kBodySize = 11;
constexpr double kTitleSize = 16;
constexpr double kLineGap = 1.35;          // line height as a multiple of the font size
constexpr double kPictureMaxHeight = 300;  // points
constexpr double kQuestionGap = 18;        // between questions
constexpr double kAnswerRoom = 28;         // a line to write the answer on, and room above it
constexpr double kCellHeight = 16;         // a truth table's row
constexpr char kFont[] = "DejaVu Sans";

struct Words {
  const char* worksheet;
  const char* student;
  const char* name_line;
  const char* group_line;
  const char* answer;
  const char* key;
  const char* buttons;
  const char* none;
};
constexpr Words kRussian = {"KVIR — контрольная работа",
                            "Студент: ",
                            "Фамилия, имя: ",
                            "Группа: ",
                            "Ответ: ",
                            "Ключ ответов",
                            "кнопки: ",
                            "нет"};
constexpr Words kEnglish = {"KVIR — worksheet", "Student: ",  "Name: ",    "Group: ",
                            "Answer: ",         "Answer key", "buttons: ", "none"};

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
  bytes->insert(bytes->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

// An RGB picture as a cairo image (each pixel 0x00RRGGBB in a 32-bit word).
Surface ImageOf(const Picture& picture) {
  Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height),
                cairo_surface_destroy);
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < picture.width; ++x) {
      const uint8_t* p = picture.pixel(x, y);
      row[x] = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
  }
  cairo_surface_mark_dirty(image.get());
  return image;
}

class Worksheets {
 public:
  Worksheets(Language language, std::vector<uint8_t>& bytes)
      : words_(language == Language::kEnglish ? kEnglish : kRussian),
        language_(language),
        surface_(cairo_pdf_surface_create_for_stream(Append, &bytes, kPageWidth, kPageHeight),
                 cairo_surface_destroy),
        cr_(cairo_create(surface_.get()), cairo_destroy) {
    cairo_pdf_surface_set_metadata(surface_.get(), CAIRO_PDF_METADATA_TITLE, words_.worksheet);
    cairo_pdf_surface_set_metadata(surface_.get(), CAIRO_PDF_METADATA_CREATOR, "kvir-cli");
  }

  void Worksheet(const ExamVariant& variant) {
    NewPage();
    Title(words_.worksheet);
    if (variant.student.empty()) {
      Line(std::string(words_.name_line) + "______________________________");
    } else {
      Line(std::string(words_.student) + variant.student);
    }
    Line(std::string(words_.group_line) + "____________");
    y_ += kQuestionGap;
    for (const ExamQuestion& q : variant.questions) Question(q);
  }

  void Key(const ExamVariant& variant) {
    NewPage();
    Title(std::string(words_.key) + (variant.student.empty() ? "" : " — " + variant.student));
    for (const ExamQuestion& q : variant.questions) {
      const std::string presses = q.press_labels.empty() ? words_.none : PressLabels(q);
      Paragraph(std::to_string(q.number) + ". [" + std::string(ExamKindName(q.kind)) + ", " +
                    std::to_string(q.scheme) + "; " + words_.buttons + presses + "] " + q.answer,
                kBodySize);
    }
  }

  void Finish() {
    cairo_show_page(cr_.get());
    cr_.reset();
    cairo_surface_finish(surface_.get());
    if (const cairo_status_t status = cairo_surface_status(surface_.get());
        status != CAIRO_STATUS_SUCCESS) {
      throw std::runtime_error(std::string("cairo: ") + cairo_status_to_string(status));
    }
  }

 private:
  void NewPage() {
    if (pages_++ > 0) cairo_show_page(cr_.get());
    y_ = kMargin;
  }

  void Font(double size, bool bold) {
    cairo_select_font_face(cr_.get(), kFont, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_.get(), size);
  }

  double Width(const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_.get(), text.c_str(), &extents);
    return extents.x_advance;
  }

  // `text` broken into lines of at most kTextWidth at the present font, at spaces.
  std::vector<std::string> Wrapped(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find(' ', start);
      if (end == std::string::npos) end = text.size();
      const std::string word = text.substr(start, end - start);
      const std::string longer = line.empty() ? word : line + " " + word;
      if (!line.empty() && Width(longer) > kTextWidth) {
        lines.push_back(line);
        line = word;
      } else {
        line = longer;
      }
      start = end + 1;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
  }

  void Show(const std::string& text, double x, double size) {
    cairo_move_to(cr_.get(), x, y_ + size);
    cairo_show_text(cr_.get(), text.c_str());
  }

  void Title(const std::string& text) {
    Font(kTitleSize, true);
    Show(text, kMargin, kTitleSize);
    y_ += kTitleSize * kLineGap * 1.5;
  }

  void Line(const std::string& text) {
    Font(kBodySize, false);
    Show(text, kMargin, kBodySize);
    y_ += kBodySize * kLineGap * 1.6;
  }

  double ParagraphHeight(const std::string& text, double size) {
    Font(size, false);
    return static_cast<double>(Wrapped(text).size()) * size * kLineGap;
  }

  void Paragraph(const std::string& text, double size) {
    Font(size, false);
    for (const std::string& line : Wrapped(text)) {
      if (y_ + size * kLineGap > kPageHeight - kMargin) NewPage(), Font(size, false);
      Show(line, kMargin, size);
      y_ += size * kLineGap;
    }
  }

  // The answers offered, one a line: "а) Y3".
  std::vector<std::string> Choices(const ExamQuestion& q) const {
    std::vector<std::string> lines;
    for (size_t c = 0; c < q.choices.size(); ++c) {
      const std::string letter = language_ == Language::kEnglish
                                     ? std::string(1, static_cast<char>('a' + c))
                                     : std::string("абвг").substr(2 * c, 2);
      lines.push_back(letter + ") " + q.choices[c]);
    }
    return lines;
  }

  void Question(const ExamQuestion& q) {
    const Picture picture = ExamPicture(q, ExamPictureUse::kQuestion, kWorksheetZoom);
    const double scale =
        std::min({kTextWidth / picture.width, kPictureMaxHeight / picture.height, 1.0});
    const std::string prompt = std::to_string(q.number) + ". " + ExamPrompt(q, language_);
    const std::vector<std::string> choices = Choices(q);
    double choices_height = 0;
    for (const std::string& choice : choices) choices_height += ParagraphHeight(choice, kBodySize);
    const double table = q.kind == ExamKind::kRows ? kCellHeight * (q.rows.size() + 1) + 8 : 0;
    const double height = ParagraphHeight(prompt, kBodySize) + picture.height * scale + 6 + table +
                          choices_height + kAnswerRoom;
    if (y_ + height > kPageHeight - kMargin) NewPage();
    Paragraph(prompt, kBodySize);
    y_ += 3;
    DrawPicture(picture, scale);
    if (q.kind == ExamKind::kRows) DrawTable(q);
    for (const std::string& choice : choices) Paragraph(choice, kBodySize);
    y_ += kAnswerRoom - kBodySize;
    Font(kBodySize, false);
    Show(std::string(words_.answer) + "_____________________________________________", kMargin,
         kBodySize);
    y_ += kBodySize + kQuestionGap;
  }

  void DrawPicture(const Picture& picture, double scale) {
    const Surface image = ImageOf(picture);
    cairo_save(cr_.get());
    cairo_translate(cr_.get(), kMargin, y_);
    cairo_scale(cr_.get(), scale, scale);
    cairo_set_source_surface(cr_.get(), image.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_.get()), CAIRO_FILTER_GOOD);
    cairo_paint(cr_.get());
    cairo_restore(cr_.get());
    y_ += picture.height * scale + 6;
  }

  // The rows shown with a grid, each blank cell left empty; the row numbers on the left.
  void DrawTable(const ExamQuestion& q) {
    const double number_width = 28;
    const double cell = std::min(30.0, (kTextWidth - number_width) / q.columns.size());
    const double size = std::min(9.0, cell * 0.45);
    Font(size, false);
    cairo_set_line_width(cr_.get(), 0.5);
    const auto put = [&](const std::string& text, double x, double top) {
      cairo_move_to(cr_.get(), x + (cell - Width(text)) / 2, top + kCellHeight * 0.7);
      cairo_show_text(cr_.get(), text.c_str());
    };
    for (size_t r = 0; r <= q.rows.size(); ++r) {
      const double top = y_ + kCellHeight * static_cast<double>(r);
      if (r > 0) {
        cairo_move_to(cr_.get(), kMargin, top + kCellHeight * 0.7);
        cairo_show_text(cr_.get(), std::to_string(q.first_row + r - 1).c_str());
      }
      for (size_t c = 0; c < q.columns.size(); ++c) {
        const double x = kMargin + number_width + cell * static_cast<double>(c);
        cairo_rectangle(cr_.get(), x, top, cell, kCellHeight);
        cairo_stroke(cr_.get());
        if (r == 0) {
          put(q.columns[c], x, top);
          continue;
        }
        const bool blank = std::any_of(q.blanks.begin(), q.blanks.end(), [&](const BlankCell& b) {
          return b.row == r - 1 && b.column == c;
        });
        if (!blank) put(std::to_string(q.rows[r - 1][c]), x, top);
      }
    }
    y_ += kCellHeight * static_cast<double>(q.rows.size() + 1) + 8;
  }

  const Words& words_;
  Language language_;
  Surface surface_;
  Context cr_;
  double y_ = kMargin;
  int pages_ = 0;
};

}  // namespace

std::vector<uint8_t> ExamWorksheetPdf(std::span<const ExamVariant> variants, Language language) {
  std::vector<uint8_t> bytes;
  Worksheets sheets(language, bytes);
  for (const ExamVariant& variant : variants) sheets.Worksheet(variant);
  for (const ExamVariant& variant : variants) sheets.Key(variant);
  sheets.Finish();
  return bytes;
}

void ReleaseWorksheetFonts() {
  cairo_debug_reset_static_data();
  FcFini();
}

}  // namespace kvir
