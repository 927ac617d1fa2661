#pragma once
// Exam questions for a teacher: made from the scheme model and its truth tables, the same from
// the same seed on every machine, one variant per student.

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"

namespace kvir {

/// What a question asks.
enum class ExamKind : uint8_t {
  kOutputs,  ///< some inputs pressed, the outputs hidden: their levels
  kInputs,   ///< the outputs given: which button or input code gives them
  kRows,     ///< a part of the truth table with some output cells blank
  kScheme,   ///< a picture without its title: which of the sixteen
};
inline constexpr std::array<std::string_view, 4> kExamKindNames = {"outputs", "inputs", "rows",
                                                                   "scheme"};

std::string_view ExamKindName(ExamKind kind);
/// The kind a command line names ("rows"), or nothing.
std::optional<ExamKind> ParseExamKind(std::string_view name);

/// Questions per variant a set may hold.
inline constexpr int kMaxExamQuestions = 500;

/// What a set of questions is drawn from.
struct ExamSettings {
  std::vector<int> schemes;     ///< 1 … 16, at least one
  std::vector<ExamKind> kinds;  ///< at least one; the questions take them in turn
  int count = 10;               ///< 1 … kMaxExamQuestions per variant
  uint64_t seed = 1;
  Language language = Language::kRussian;
};

/// An indicator's label and a level.
struct LabelLevel {
  std::string label;
  int level = 0;
};

/// "X0=1 X1=0": the pairs separated by spaces.
std::string FormatLevels(std::span<const LabelLevel> pairs);

/// A cell of a rows question left blank for the student.
struct BlankCell {
  size_t row = 0;     ///< in ExamQuestion::rows
  size_t column = 0;  ///< in ExamQuestion::columns
};

struct ExamQuestion {
  int number = 0;  ///< from 1 within its variant
  ExamKind kind = ExamKind::kOutputs;
  int scheme = 0;
  /// The presses from the scheme's initial state (as selected) that reach the question's state,
  /// by button name, in order; what the pictures show.
  std::vector<std::string> presses;
  std::vector<std::string> press_labels;  ///< the same buttons by the labels the drawing prints
  std::vector<LabelLevel> inputs;   ///< the state's enable and data inputs, in the table's order
  std::vector<LabelLevel> outputs;  ///< the state's outputs, in the table's order
  /// kInputs: whether the answer is one button (a scheme that sets one input at a time) rather
  /// than the levels of every input.
  bool asks_button = false;
  /// kInputs, kScheme: the answers offered, the right one among them.
  std::vector<std::string> choices;
  size_t right_choice = 0;
  /// kRows: the table's column labels, the rows shown (the table's rows from `first_row`, counted
  /// from 1), and the cells left blank in reading order.
  std::vector<std::string> columns;
  std::vector<std::vector<int>> rows;
  size_t first_row = 1;
  std::vector<BlankCell> blanks;
  /// The answer in plain words, as the key gives it: the output pairs ("X0=1 X1=0"); the button's
  /// label or the input pairs; "ROW:LABEL=LEVEL" for each blank; the scheme's title.
  std::string answer;
  /// What a student types where the answer is typed: the output levels as digits in the order
  /// asked ("10"); the blanks' levels as digits in reading order.
  std::string typed_answer;
};

/// One student's questions; `student` empty for a set without names.
struct ExamVariant {
  std::string student;
  std::vector<ExamQuestion> questions;
};

/// The random numbers of one variant: std::mt19937 seeded through std::seed_seq from the seed and
/// the student's name, both of whose outputs the C++ standard defines, so every machine draws the
/// same.
std::mt19937 ExamRandom(uint64_t seed, std::string_view student);

/// A number below `count` (> 0) from `random`, each equally likely, the same on every machine
/// (std::uniform_int_distribution is not).
size_t PickBelow(std::mt19937& random, size_t count);

/// The questions of one variant.
ExamVariant MakeExamVariant(const ExamSettings& settings, std::string_view student);

/// The key of `variants` as CSV (UTF-8, RFC 4180 quoting, "\n" line ends): a header
/// "student,question,kind,scheme,buttons,answer", then one row per question.
std::string ExamKeyCsv(std::span<const ExamVariant> variants);

/// The question's words in `language`, without its picture or table.
std::string ExamPrompt(const ExamQuestion& question, Language language);

/// "Y3 Y5": the labels of the question's presses, separated by spaces.
std::string PressLabels(const ExamQuestion& question);

}  // namespace kvir
