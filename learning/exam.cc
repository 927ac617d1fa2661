#include "learning/exam.h"

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>

#include "circuit/scheme_set.h"
#include "circuit/scheme_texts.h"
#include "learning/quiz.h"
#include "learning/truth_table.h"
#include "learning/truth_table_view.h"

namespace kvir {
namespace {

using Cells = std::vector<int>;

constexpr size_t kChoiceCount = 4;  // answers a multiple choice offers
constexpr size_t kRowsShown = 8;    // rows of the truth table a rows question shows
constexpr size_t kBlankCount = 4;   // cells a rows question leaves blank

// FNV-1a: a hash of the name whose value the program defines, not the library.
uint64_t NameHash(std::string_view text) {
  uint64_t hash = 14695981039346656037ULL;
  for (const char c : text) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

// The rows of `view` in which the enables switch the circuit on; every row where none does.
std::vector<size_t> SwitchedOnRows(const TruthTableView& view) {
  std::vector<size_t> rows;
  for (size_t r = 0; r < view.rows.size(); ++r) {
    if (!view.rows[r].switched_off) rows.push_back(r);
  }
  if (rows.empty()) {
    for (size_t r = 0; r < view.rows.size(); ++r) rows.push_back(r);
  }
  return rows;
}

Cells OutputsOf(const TruthTableView& view, const ViewRow& row) {
  Cells outputs;
  for (size_t c = 0; c < view.columns.size(); ++c) {
    if (view.columns[c].role == Role::kOutput) outputs.push_back(row.values[c]);
  }
  return outputs;
}

template <typename T>
void Shuffle(std::vector<T>& items, std::mt19937& random) {
  for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[PickBelow(random, i)]);
}

// `right` and up to kChoiceCount - 1 others drawn from `others` (duplicates and `right` skipped),
// in a drawn order.
void OfferChoices(ExamQuestion& question, const std::string& right, std::vector<std::string> others,
                  std::mt19937& random) {
  others.erase(std::remove(others.begin(), others.end(), right), others.end());
  std::sort(others.begin(), others.end());
  others.erase(std::unique(others.begin(), others.end()), others.end());
  Shuffle(others, random);
  others.resize(std::min(others.size(), kChoiceCount - 1));
  others.push_back(right);
  Shuffle(others, random);
  question.right_choice =
      static_cast<size_t>(std::find(others.begin(), others.end(), right) - others.begin());
  question.choices = std::move(others);
}

std::string JoinLabels(std::span<const LabelLevel> pairs, std::string_view separator) {
  std::string text;
  for (const LabelLevel& pair : pairs)
    text += (text.empty() ? std::string() : std::string(separator)) + pair.label;
  return text;
}

std::string Digits(std::span<const LabelLevel> pairs) {
  std::string text;
  for (const LabelLevel& pair : pairs) text += static_cast<char>('0' + pair.level);
  return text;
}

// The answer an inputs question expects for a state: the pressed button's label on a scheme
// where one button is pressed at a time, else the input pairs.
std::string InputAnswer(const Scheme& scheme, const std::vector<LabelLevel>& inputs) {
  if (scheme.def().mode == InputMode::kOneHot) {
    for (const LabelLevel& input : inputs) {
      if (input.level == 1) return input.label;
    }
  }
  return FormatLevels(inputs);
}

// Makes the questions of one variant over one scheme set.
class ExamMaker {
 public:
  ExamMaker(const ExamSettings& settings, std::string_view student)
      : settings_(settings), random_(ExamRandom(settings.seed, student)) {}
  ~ExamMaker() { FreeSchemes(set_); }
  ExamMaker(const ExamMaker&) = delete;
  ExamMaker& operator=(const ExamMaker&) = delete;

  ExamQuestion Make(int number) {
    ExamQuestion q;
    q.number = number;
    q.kind = settings_.kinds[static_cast<size_t>(number - 1) % settings_.kinds.size()];
    q.scheme = settings_.schemes[PickBelow(random_, settings_.schemes.size())];
    switch (q.kind) {
      case ExamKind::kOutputs:
        MakeOutputs(q);
        break;
      case ExamKind::kInputs:
        MakeInputs(q);
        break;
      case ExamKind::kRows:
        MakeRows(q);
        break;
      case ExamKind::kScheme:
        MakeScheme(q);
        break;
    }
    return q;
  }

 private:
  const TruthTable& Table(int n) {
    auto found = tables_.find(n);
    if (found == tables_.end()) found = tables_.emplace(n, ComputeTruthTable(n)).first;
    return found->second;
  }

  Scheme& Built(int n) {
    Scheme& scheme = set_.scheme(n);
    if (!scheme.built()) kSchemeTable[n - 1].build(scheme);
    return scheme;
  }

  TruthTableView View(int n) { return StudentView(Built(n), Table(n)); }

  // The state of row `row` of `view`, reached by presses from the initial state, its levels read
  // from the scheme after those presses.
  void PoseState(ExamQuestion& q, const TruthTableView& view, size_t row) {
    const TruthTable& table = Table(q.scheme);
    Scheme& scheme = Built(q.scheme);
    const PressProc press = kSchemeTable[q.scheme - 1].press;
    Cells target;
    for (const std::string& name : table.inputs) {
      const auto column = std::find_if(view.columns.begin(), view.columns.end(),
                                       [&](const ViewColumn& c) { return c.name == name; });
      target.push_back(view.rows[row].values[static_cast<size_t>(column - view.columns.begin())]);
    }
    q.presses = PressesTo(scheme, press, table.inputs, target);
    PressAsSelected(scheme);
    for (const std::string& name : q.presses) press(scheme, scheme.At(name));
    if (CellsOf(scheme, table.inputs) != target) {
      throw std::logic_error("the presses do not reach the row");
    }
    for (const std::string& name : q.presses) q.press_labels.push_back(scheme.At(name).label);
    for (const ViewColumn& column : view.columns) {
      const LabelLevel pair = {column.label, scheme.At(column.name).Tag};
      (column.role == Role::kOutput ? q.outputs : q.inputs).push_back(pair);
    }
  }

  void MakeOutputs(ExamQuestion& q) {
    const TruthTableView view = View(q.scheme);
    const std::vector<size_t> rows = SwitchedOnRows(view);
    PoseState(q, view, rows[PickBelow(random_, rows.size())]);
    q.answer = FormatLevels(q.outputs);
    q.typed_answer = Digits(q.outputs);
  }

  // A state whose outputs no other state gives, so that one answer is right.
  void MakeInputs(ExamQuestion& q) {
    const TruthTableView view = View(q.scheme);
    std::map<Cells, int> given;
    for (const ViewRow& row : view.rows) ++given[OutputsOf(view, row)];
    std::vector<size_t> unique;
    for (size_t r = 0; r < view.rows.size(); ++r) {
      if (given[OutputsOf(view, view.rows[r])] == 1) unique.push_back(r);
    }
    if (unique.empty()) throw std::logic_error("no outputs that only one state gives");
    PoseState(q, view, unique[PickBelow(random_, unique.size())]);
    const Scheme& scheme = set_.scheme(q.scheme);
    q.answer = InputAnswer(scheme, q.inputs);
    q.asks_button = scheme.def().mode == InputMode::kOneHot;
    std::vector<std::string> others;
    for (const ViewRow& row : view.rows) {
      std::vector<LabelLevel> inputs;
      for (size_t c = 0; c < view.columns.size(); ++c) {
        if (view.columns[c].role != Role::kOutput) {
          inputs.push_back({view.columns[c].label, row.values[c]});
        }
      }
      others.push_back(InputAnswer(scheme, inputs));
    }
    OfferChoices(q, q.answer, others, random_);
  }

  // Rows around a row the enables switch on, the blanks among the switched-on rows shown.
  void MakeRows(ExamQuestion& q) {
    const TruthTableView view = View(q.scheme);
    const std::vector<size_t> on = SwitchedOnRows(view);
    const size_t shown = std::min(kRowsShown, view.rows.size());
    const size_t first = std::min(on[PickBelow(random_, on.size())], view.rows.size() - shown);
    q.first_row = first + 1;
    for (const ViewColumn& column : view.columns) q.columns.push_back(column.label);
    std::vector<BlankCell> cells;
    for (size_t r = 0; r < shown; ++r) {
      const ViewRow& row = view.rows[first + r];
      q.rows.push_back(row.values);
      if (row.switched_off && on.size() < view.rows.size()) continue;
      for (size_t c = 0; c < view.columns.size(); ++c) {
        if (view.columns[c].role == Role::kOutput) cells.push_back({r, c});
      }
    }
    Shuffle(cells, random_);
    cells.resize(std::min(cells.size(), kBlankCount));
    std::sort(cells.begin(), cells.end(), [](const BlankCell& a, const BlankCell& b) {
      return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    });
    q.blanks = cells;
    for (const BlankCell& blank : q.blanks) {
      const int level = q.rows[blank.row][blank.column];
      q.answer += (q.answer.empty() ? "" : " ") + std::to_string(q.first_row + blank.row) + ":" +
                  q.columns[blank.column] + "=" + std::to_string(level);
      q.typed_answer += static_cast<char>('0' + level);
    }
  }

  void MakeScheme(ExamQuestion& q) {
    PressAsSelected(Built(q.scheme));
    q.answer = std::string(SchemeTitle(q.scheme, settings_.language));
    std::vector<std::string> others;
    for (int n = 1; n <= kSchemeCount; ++n) {
      others.emplace_back(SchemeTitle(n, settings_.language));
    }
    OfferChoices(q, q.answer, others, random_);
  }

  const ExamSettings& settings_;
  std::mt19937 random_;
  SchemeSet set_;
  std::map<int, TruthTable> tables_;
};

}  // namespace

std::string_view ExamKindName(ExamKind kind) {
  return kExamKindNames.at(static_cast<size_t>(kind));
}

std::optional<ExamKind> ParseExamKind(std::string_view name) {
  for (size_t k = 0; k < kExamKindNames.size(); ++k) {
    if (kExamKindNames[k] == name) return static_cast<ExamKind>(k);
  }
  return std::nullopt;
}

std::string FormatLevels(std::span<const LabelLevel> pairs) {
  std::string text;
  for (const LabelLevel& pair : pairs) {
    text += (text.empty() ? "" : " ") + pair.label + "=" + std::to_string(pair.level);
  }
  return text;
}

std::mt19937 ExamRandom(uint64_t seed, std::string_view student) {
  const uint64_t name = NameHash(student);
  std::seed_seq sequence = {static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32),
                            static_cast<uint32_t>(name), static_cast<uint32_t>(name >> 32)};
  return std::mt19937(sequence);
}

size_t PickBelow(std::mt19937& random, size_t count) {
  if (count == 0) throw std::invalid_argument("nothing to pick from");
  const uint64_t range = uint64_t{1} << 32;
  const uint64_t limit = range - range % count;  // below it, every remainder equally often
  uint64_t drawn = random();
  while (drawn >= limit) drawn = random();
  return static_cast<size_t>(drawn % count);
}

ExamVariant MakeExamVariant(const ExamSettings& settings, std::string_view student) {
  if (settings.schemes.empty() || settings.kinds.empty() || settings.count < 1 ||
      settings.count > kMaxExamQuestions) {
    throw std::invalid_argument("an exam needs schemes, kinds and 1 … 500 questions");
  }
  ExamVariant variant{std::string(student), {}};
  ExamMaker maker(settings, student);
  for (int number = 1; number <= settings.count; ++number) {
    variant.questions.push_back(maker.Make(number));
  }
  return variant;
}

std::string PressLabels(const ExamQuestion& question) {
  std::string text;
  for (const std::string& label : question.press_labels) {
    text += (text.empty() ? "" : " ") + label;
  }
  return text;
}

std::string ExamKeyCsv(std::span<const ExamVariant> variants) {
  std::string csv = "student,question,kind,scheme,buttons,answer\n";
  for (const ExamVariant& variant : variants) {
    for (const ExamQuestion& q : variant.questions) {
      std::string buttons;
      for (const std::string& name : q.presses) buttons += (buttons.empty() ? "" : " ") + name;
      csv += CsvUserField(variant.student, ',') + "," + std::to_string(q.number) + "," +
             std::string(ExamKindName(q.kind)) + "," + std::to_string(q.scheme) + "," +
             CsvField(buttons, ',') + "," + CsvField(q.answer, ',') + "\n";
    }
  }
  return csv;
}

std::string ExamPrompt(const ExamQuestion& q, Language language) {
  const bool en = language == Language::kEnglish;
  const std::string scheme = std::string(SchemeTitle(q.scheme, language)) + ". ";
  const std::string pressed =
      q.presses.empty()
          ? (en ? "The scheme is in its initial state. " : "Схема в начальном состоянии. ")
          : (en ? "From its initial state the buttons " + PressLabels(q) + " were pressed. "
                : "Из начального состояния нажаты кнопки " + PressLabels(q) + ". ");
  switch (q.kind) {
    case ExamKind::kOutputs:
      return scheme + pressed +
             (en ? "What levels do the outputs " + JoinLabels(q.outputs, ", ") +
                       " show? Write them as digits in this order."
                 : "Какие уровни на выходах " + JoinLabels(q.outputs, ", ") +
                       "? Запишите их цифрами подряд в этом порядке.");
    case ExamKind::kInputs: {
      const bool one_button = q.asks_button;
      const std::string given = FormatLevels(q.outputs);
      if (en) {
        return scheme + "The outputs show " + given + ". " +
               (one_button ? "Which button is pressed?"
                           : "Which levels are on the inputs " + JoinLabels(q.inputs, ", ") + "?");
      }
      return scheme + "На выходах " + given + ". " +
             (one_button ? "Какая кнопка нажата?"
                         : "Какие уровни на входах " + JoinLabels(q.inputs, ", ") + "?");
    }
    case ExamKind::kRows:
      return scheme + (en ? "Fill in the blank cells of the truth table."
                          : "Заполните пустые клетки таблицы истинности.");
    case ExamKind::kScheme:
      return en ? "Which of the sixteen schemes is in the picture?"
                : "Какая из шестнадцати схем на рисунке?";
  }
  return {};
}

}  // namespace kvir
