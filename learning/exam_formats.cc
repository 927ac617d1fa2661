#include "learning/exam_formats.h"

#include <algorithm>

#include "circuit/scheme_texts.h"

namespace kvir {
namespace {

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// The questions of a variant by scheme, in their order within each scheme.
std::vector<const ExamQuestion*> ByScheme(const ExamVariant& variant) {
  std::vector<const ExamQuestion*> questions;
  for (const ExamQuestion& q : variant.questions) questions.push_back(&q);
  std::stable_sort(
      questions.begin(), questions.end(),
      [](const ExamQuestion* a, const ExamQuestion* b) { return a->scheme < b->scheme; });
  return questions;
}

// The category of a variant's questions on scheme n; a slash in a name is doubled, as Moodle
// reads a slash that does not separate categories.
std::string CategoryPath(const ExamVariant& variant, int n, Language language) {
  std::string path = "$course$/top/KVIR/";
  for (const char c : variant.student) path += c == '/' ? std::string("//") : std::string(1, c);
  if (!variant.student.empty()) path += "/";
  return path + (language == Language::kEnglish ? "Scheme " : "Схема ") + TwoDigits(n);
}

std::string QuestionName(const ExamVariant& variant, const ExamQuestion& q) {
  return (variant.student.empty() ? "" : variant.student + " — ") + TwoDigits(q.number) + " " +
         std::string(ExamKindName(q.kind));
}

// The table of a rows question in HTML, each blank cell given by `blank`.
template <typename Blank>
std::string RowsTable(const ExamQuestion& q, Blank blank, std::string_view cell_open,
                      std::string_view cell_close) {
  std::string html = "<table><tr>";
  for (const std::string& label : q.columns) {
    html += std::string(cell_open) + XmlEscaped(label) + std::string(cell_close);
  }
  html += "</tr>";
  for (size_t r = 0; r < q.rows.size(); ++r) {
    html += "<tr>";
    for (size_t c = 0; c < q.columns.size(); ++c) {
      const bool blanked = std::any_of(q.blanks.begin(), q.blanks.end(), [&](const BlankCell& b) {
        return b.row == r && b.column == c;
      });
      html += std::string(cell_open) +
              (blanked ? blank(q.rows[r][c]) : std::to_string(q.rows[r][c])) +
              std::string(cell_close);
    }
    html += "</tr>";
  }
  return html + "</table>";
}

class MoodleWriter {
 public:
  MoodleWriter(Language language, const ExamPngSource& pictures)
      : language_(language), pictures_(pictures) {}

  std::string Write(std::span<const ExamVariant> variants) {
    xml_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    for (size_t v = 0; v < variants.size(); ++v) {
      int category = 0;
      for (const ExamQuestion* q : ByScheme(variants[v])) {
        if (q->scheme != category)
          Category(CategoryPath(variants[v], category = q->scheme, language_));
        Question(variants[v], *q, FilePrefix(variants.size(), v, *q));
      }
    }
    return xml_ + "</quiz>\n";
  }

 private:
  static std::string FilePrefix(size_t variants, size_t v, const ExamQuestion& q) {
    return (variants > 1 ? "v" + TwoDigits(static_cast<int>(v) + 1) + "-" : std::string()) + "q" +
           TwoDigits(q.number);
  }

  void Category(const std::string& path) {
    xml_ += "  <question type=\"category\">\n    <category><text>" + XmlEscaped(path) +
            "</text></category>\n  </question>\n";
  }

  // A text in HTML, with the pictures it references embedded after it.
  void HtmlText(std::string_view element, const std::string& html,
                const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files) {
    xml_ += "    <" + std::string(element) + " format=\"html\">\n      <text>" + XmlEscaped(html) +
            "</text>\n";
    for (const auto& [name, png] : files) {
      xml_ += "      <file name=\"" + XmlEscaped(name) + "\" path=\"/\" encoding=\"base64\">" +
              Base64(png) + "</file>\n";
    }
    xml_ += "    </" + std::string(element) + ">\n";
  }

  static std::string Image(const std::string& file, const std::string& alt) {
    return "<p><img src=\"@@PLUGINFILE@@/" + XmlEscaped(file) + "\" alt=\"" + XmlEscaped(alt) +
           "\"></p>";
  }

  void Question(const ExamVariant& variant, const ExamQuestion& q, const std::string& prefix) {
    static constexpr std::string_view kTypes[] = {"shortanswer", "multichoice", "cloze",
                                                  "multichoice"};
    const bool en = language_ == Language::kEnglish;
    xml_ += "  <question type=\"" + std::string(kTypes[static_cast<size_t>(q.kind)]) + "\">\n";
    xml_ += "    <name><text>" + XmlEscaped(QuestionName(variant, q)) + "</text></name>\n";
    const std::string picture = prefix + ".png";
    std::string html = "<p>" + XmlEscaped(ExamPrompt(q, language_)) + "</p>" +
                       Image(picture, en ? "the scheme" : "схема");
    if (q.kind == ExamKind::kRows) {
      html += RowsTable(
          q,
          [](int level) {
            return std::string(level ? "{1:MULTICHOICE:0~=1}" : "{1:MULTICHOICE:=0~1}");
          },
          "<td>", "</td>");
    }
    HtmlText("questiontext", html, {{picture, pictures_(q, false)}});
    std::string feedback =
        "<p>" + std::string(en ? "Answer: " : "Ответ: ") + XmlEscaped(q.answer) + "</p>";
    std::vector<std::pair<std::string, std::vector<uint8_t>>> feedback_files;
    if (q.kind == ExamKind::kOutputs || q.kind == ExamKind::kInputs) {
      const std::string answer = prefix + "-answer.png";
      feedback += Image(answer, en ? "the answer" : "ответ");
      feedback_files.emplace_back(answer, pictures_(q, true));
    }
    HtmlText("generalfeedback", feedback, feedback_files);
    xml_ += "    <penalty>0.3333333</penalty>\n    <hidden>0</hidden>\n";
    if (q.kind != ExamKind::kRows) xml_ += "    <defaultgrade>1</defaultgrade>\n";
    if (q.kind == ExamKind::kOutputs) {
      xml_ += "    <usecase>0</usecase>\n";
      Answer("100", q.typed_answer, "moodle_auto_format");
    } else if (q.kind != ExamKind::kRows) {
      xml_ +=
          "    <single>true</single>\n    <shuffleanswers>true</shuffleanswers>\n"
          "    <answernumbering>abc</answernumbering>\n";
      for (size_t c = 0; c < q.choices.size(); ++c) {
        Answer(c == q.right_choice ? "100" : "0", XmlEscaped(q.choices[c]), "html");
      }
    }
    xml_ += "  </question>\n";
  }

  // `text` in the answer's format: plain for a short answer, HTML for a choice.
  void Answer(std::string_view fraction, const std::string& text, std::string_view format) {
    xml_ += "    <answer fraction=\"" + std::string(fraction) + "\" format=\"" +
            std::string(format) + "\">\n      <text>" + XmlEscaped(text) +
            "</text>\n      <feedback format=\"html\"><text></text></feedback>\n    </answer>\n";
  }

  Language language_;
  const ExamPngSource& pictures_;
  std::string xml_;
};

}  // namespace

std::string Base64(std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t left = bytes.size() - i;
    const uint32_t group = uint32_t{bytes[i]} << 16 | (left > 1 ? uint32_t{bytes[i + 1]} << 8 : 0) |
                           (left > 2 ? uint32_t{bytes[i + 2]} : 0);
    text += kDigits[group >> 18 & 63];
    text += kDigits[group >> 12 & 63];
    text += left > 1 ? kDigits[group >> 6 & 63] : '=';
    text += left > 2 ? kDigits[group & 63] : '=';
  }
  return text;
}

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string GiftEscaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (std::string_view("~=#{}:\\").find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}

std::string MoodleXml(std::span<const ExamVariant> variants, Language language,
                      const ExamPngSource& pictures) {
  return MoodleWriter(language, pictures).Write(variants);
}

std::string GiftText(std::span<const ExamVariant> variants, Language language) {
  std::string gift;
  for (const ExamVariant& variant : variants) {
    int category = 0;
    for (const ExamQuestion* q : ByScheme(variant)) {
      if (q->scheme != category) {
        gift += "$CATEGORY: " + CategoryPath(variant, category = q->scheme, language) + "\n\n";
      }
      if (q->kind == ExamKind::kScheme) {
        gift += "// " + TwoDigits(q->number) + " scheme: " + GiftEscaped(q->answer) +
                " (a picture question, left out)\n\n";
        continue;
      }
      std::string html = "<p>" + XmlEscaped(ExamPrompt(*q, language)) + "</p>";
      if (q->kind == ExamKind::kRows) {
        html += RowsTable(
            *q, [](int) { return std::string("?"); }, "<td>", "</td>");
        html += language == Language::kEnglish
                    ? "<p>Write the blank cells (?) as digits, row by row, left to right.</p>"
                    : "<p>Запишите пустые клетки (?) цифрами подряд, по строкам слева направо.</p>";
      }
      gift += "::" + GiftEscaped(QuestionName(variant, *q)) + "::[html]" + GiftEscaped(html);
      if (q->kind == ExamKind::kOutputs || q->kind == ExamKind::kRows) {
        gift += " {=" + GiftEscaped(q->typed_answer) + "}\n\n";
        continue;
      }
      gift += " {\n";
      for (size_t c = 0; c < q->choices.size(); ++c) {
        gift += (c == q->right_choice ? "  =" : "  ~") + GiftEscaped(q->choices[c]) + "\n";
      }
      gift += "}\n\n";
    }
  }
  return gift;
}

}  // namespace kvir
