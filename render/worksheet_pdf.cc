#include "render/worksheet_pdf.h"

#include "render/exam_pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/error.h"

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
using Layout = std::unique_ptr<PangoLayout, decltype(&g_object_unref)>;
using FontMap = std::unique_ptr<PangoFontMap, decltype(&g_object_unref)>;
using FontDescription =
    std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)>;

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
  bytes->insert(bytes->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

// A picture as a cairo image.
Surface ImageOf(const WorksheetImage& picture) {
  Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height),
                cairo_surface_destroy);
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < picture.height; ++y) {
    std::copy_n(picture.rgb.begin() + static_cast<ptrdiff_t>(y) * picture.width, picture.width,
                reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride));
  }
  cairo_surface_mark_dirty(image.get());
  return image;
}

class Worksheets {
 public:
  Worksheets(Language language, const WorksheetImages& images, std::vector<uint8_t>& bytes)
      : words_(language == Language::kEnglish ? kEnglish : kRussian),
        language_(language),
        images_(images),
        surface_(cairo_pdf_surface_create_for_stream(Append, &bytes, kPageWidth, kPageHeight),
                 cairo_surface_destroy),
        cr_(cairo_create(surface_.get()), cairo_destroy) {
    cairo_pdf_surface_set_metadata(surface_.get(), CAIRO_PDF_METADATA_TITLE, words_.worksheet);
    cairo_pdf_surface_set_metadata(surface_.get(), CAIRO_PDF_METADATA_CREATOR, "kvir-cli");
    // A date cairo cannot read leaves the creation date out (cairo would write the clock's): the
    // same seed and names give the same file byte for byte.
    cairo_pdf_surface_set_metadata(surface_.get(), CAIRO_PDF_METADATA_CREATE_DATE, "");
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
      throw Error(ErrorCode::kWorksheetFailed, {cairo_status_to_string(status)});
    }
  }

 private:
  // A layout of the worksheets' own font map, as pango_cairo_create_layout makes one of the
  // thread's default map: the worksheets' fonts and their caches go with the worksheets, and a
  // window that writes them on a thread of its own keeps nothing of them.
  PangoLayout* NewLayout() {
    PangoContext* context = pango_font_map_create_context(fonts_.get());
    pango_cairo_update_context(cr_.get(), context);
    PangoLayout* layout = pango_layout_new(context);
    g_object_unref(context);
    return layout;
  }

  void NewPage() {
    if (pages_++ > 0) cairo_show_page(cr_.get());
    y_ = kMargin;
  }

  // `text` laid out by pango in DejaVu Sans at `size` points, broken at words to `width` points
  // (none when 0), right-to-left runs in their own order.
  Layout Laid(const std::string& text, double size, bool bold, double width) {
    Layout layout(NewLayout(), g_object_unref);
    const FontDescription font(pango_font_description_new(), pango_font_description_free);
    pango_font_description_set_family(font.get(), kFont);
    pango_font_description_set_weight(font.get(), bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font.get(), size * PANGO_SCALE);
    pango_layout_set_font_description(layout.get(), font.get());
    if (width > 0) {
      pango_layout_set_width(layout.get(), static_cast<int>(width * PANGO_SCALE));
      pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    }
    pango_layout_set_text(layout.get(), text.c_str(), -1);
    return layout;
  }

  static double Height(const Layout& layout) {
    int width = 0, height = 0;
    pango_layout_get_size(layout.get(), &width, &height);
    return static_cast<double>(height) / PANGO_SCALE;
  }

  static double Width(const Layout& layout) {
    int width = 0, height = 0;
    pango_layout_get_size(layout.get(), &width, &height);
    return static_cast<double>(width) / PANGO_SCALE;
  }

  void Show(const Layout& layout, double x, double top) {
    cairo_move_to(cr_.get(), x, top);
    pango_cairo_show_layout(cr_.get(), layout.get());
  }

  void Title(const std::string& text) {
    const Layout layout = Laid(text, kTitleSize, true, kTextWidth);
    Show(layout, kMargin, y_);
    y_ += Height(layout) + kTitleSize * 0.6;
  }

  void Line(const std::string& text) {
    const Layout layout = Laid(text, kBodySize, false, kTextWidth);
    Show(layout, kMargin, y_);
    y_ += Height(layout) + kBodySize * 0.6;
  }

  double ParagraphHeight(const std::string& text, double size) {
    return Height(Laid(text, size, false, kTextWidth));
  }

  // A paragraph whole on one page: on the next when it does not fit.
  void Paragraph(const std::string& text, double size) {
    const Layout layout = Laid(text, size, false, kTextWidth);
    if (y_ + Height(layout) > kPageHeight - kMargin) NewPage();
    Show(layout, kMargin, y_);
    y_ += Height(layout);
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
    const WorksheetImage picture = images_(q);
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
    y_ += kAnswerRoom - kBodySize * kLineGap;
    const Layout answer =
        Laid(std::string(words_.answer) + std::string(45, '_'), kBodySize, false, 0);
    Show(answer, kMargin, y_);
    y_ += Height(answer) + kQuestionGap;
  }

  void DrawPicture(const WorksheetImage& picture, double scale) {
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
    cairo_set_line_width(cr_.get(), 0.5);
    const auto put = [&](const std::string& text, double x, double top, double width) {
      const Layout layout = Laid(text, size, false, 0);
      Show(layout, x + (width - Width(layout)) / 2, top + (kCellHeight - Height(layout)) / 2);
    };
    for (size_t r = 0; r <= q.rows.size(); ++r) {
      const double top = y_ + kCellHeight * static_cast<double>(r);
      if (r > 0) put(std::to_string(q.first_row + r - 1), kMargin, top, number_width - 4);
      for (size_t c = 0; c < q.columns.size(); ++c) {
        const double x = kMargin + number_width + cell * static_cast<double>(c);
        cairo_rectangle(cr_.get(), x, top, cell, kCellHeight);
        cairo_stroke(cr_.get());
        if (r == 0) {
          put(q.columns[c], x, top, cell);
          continue;
        }
        const bool blank = std::any_of(q.blanks.begin(), q.blanks.end(), [&](const BlankCell& b) {
          return b.row == r - 1 && b.column == c;
        });
        if (!blank) put(std::to_string(q.rows[r - 1][c]), x, top, cell);
      }
    }
    y_ += kCellHeight * static_cast<double>(q.rows.size() + 1) + 8;
  }

  const Words& words_;
  Language language_;
  const WorksheetImages& images_;
  FontMap fonts_{pango_cairo_font_map_new(), g_object_unref};
  Surface surface_;
  Context cr_;
  double y_ = kMargin;
  int pages_ = 0;
};

}  // namespace

std::vector<uint8_t> WorksheetPdf(std::span<const ExamVariant> variants, Language language,
                                  const WorksheetImages& images) {
  std::vector<uint8_t> bytes;
  Worksheets sheets(language, images, bytes);
  for (const ExamVariant& variant : variants) sheets.Worksheet(variant);
  for (const ExamVariant& variant : variants) sheets.Key(variant);
  sheets.Finish();
  return bytes;
}

void ReleaseWorksheetFonts() {
  pango_cairo_font_map_set_default(nullptr);
  cairo_debug_reset_static_data();
  FcFini();
}

}  // namespace kvir
