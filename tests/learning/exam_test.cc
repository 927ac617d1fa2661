// Exam questions without a window: drawn the same from the same seed, one variant per student,
// every answer what the press engine gives, and the key as CSV.

#include "learning/exam.h"

#include <gtest/gtest.h>

#include <set>

#include "circuit/scheme_set.h"
#include "circuit/scheme_texts.h"
#include "learning/exam_formats.h"

namespace kvir {
namespace {

ExamSettings AllKinds(int count, uint64_t seed) {
  ExamSettings settings;
  for (int n = 1; n <= kSchemeCount; ++n) settings.schemes.push_back(n);
  settings.kinds = {ExamKind::kOutputs, ExamKind::kInputs, ExamKind::kRows, ExamKind::kScheme};
  settings.count = count;
  settings.seed = seed;
  return settings;
}

// What scheme n shows after `presses` from its initial state: every label with its level.
std::vector<LabelLevel> EngineLevels(int n, const std::vector<std::string>& presses, Role role) {
  SchemeSet set;
  HeadlessHost host;
  Scheme& scheme = set.scheme(n);
  kSchemeTable[n - 1].build(scheme);
  SelectScheme(set, host, static_cast<uint8_t>(n));
  for (const std::string& name : presses) kSchemeTable[n - 1].press(scheme, scheme.At(name));
  std::vector<LabelLevel> levels;
  for (const Indicator& ind : scheme.indicators()) {
    if (ind.role == role || (role == Role::kInput && ind.role == Role::kEnable)) {
      levels.push_back({ind.label, ind.Tag});
    }
  }
  FreeSchemes(set);
  return levels;
}

std::multiset<std::string> Pairs(std::span<const LabelLevel> levels) {
  std::multiset<std::string> pairs;
  for (const LabelLevel& l : levels) pairs.insert(l.label + "=" + std::to_string(l.level));
  return pairs;
}

// The numbers are pinned: a teacher's key made on one machine must fit the papers printed from
// the same seed on any other. mt19937 and seed_seq are defined to the bit by the C++ standard,
// and so is PickBelow on them; std::uniform_int_distribution, which differs between standard
// libraries, would break these.
TEST(ExamTest, PickBelowIsTheSameOnEveryMachine) {
  struct Case {
    uint64_t seed;
    const char* student;
    size_t below;
    std::vector<size_t> picks;
  };
  const Case cases[] = {
      {7, "", 16, {12, 14, 5, 3, 2, 4, 10, 3, 0, 6}},
      {7, "Иванов", 16, {8, 4, 15, 11, 14, 2, 14, 11, 15, 13}},
      {20260101, "Петрова А.", 5, {1, 0, 0, 0, 0, 0, 3, 3, 0, 2}},
      {0, "", 1000, {763, 756, 282, 933, 337, 585, 875, 688, 379, 770}},
  };
  for (const Case& c : cases) {
    std::mt19937 random = ExamRandom(c.seed, c.student);
    std::vector<size_t> picks;
    for (size_t i = 0; i < 10; ++i) picks.push_back(PickBelow(random, c.below));
    EXPECT_EQ(picks, c.picks) << c.seed << " \"" << c.student << "\"";
  }
}

TEST(ExamTest, SameSeedAndStudentGiveTheSameQuestions) {
  const ExamSettings settings = AllKinds(8, 7);
  const std::vector<ExamVariant> a = {MakeExamVariant(settings, "A"),
                                      MakeExamVariant(settings, "B")};
  const std::vector<ExamVariant> b = {MakeExamVariant(settings, "A"),
                                      MakeExamVariant(settings, "B")};
  EXPECT_EQ(ExamKeyCsv(a), ExamKeyCsv(b));
  EXPECT_NE(ExamKeyCsv(std::span(a).first(1)).substr(46),
            ExamKeyCsv(std::span(a).last(1)).substr(46));
}

// Every kind on every scheme: the state's levels are the engine's after the key's presses, and
// each answer is among what the question offers.
TEST(ExamTest, AnswersAreWhatThePressEngineShows) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    ExamSettings settings = AllKinds(4, static_cast<uint64_t>(n));
    settings.schemes = {n};
    for (const ExamQuestion& q : MakeExamVariant(settings, "").questions) {
      SCOPED_TRACE("scheme " + std::to_string(n) + ", " + std::string(ExamKindName(q.kind)));
      switch (q.kind) {
        case ExamKind::kOutputs:
        case ExamKind::kInputs:
          EXPECT_EQ(Pairs(q.outputs), Pairs(EngineLevels(n, q.presses, Role::kOutput)));
          EXPECT_EQ(Pairs(q.inputs), Pairs(EngineLevels(n, q.presses, Role::kInput)));
          if (q.kind == ExamKind::kOutputs) {
            EXPECT_EQ(q.answer, FormatLevels(q.outputs));
            ASSERT_EQ(q.typed_answer.size(), q.outputs.size());
          } else {
            ASSERT_LT(q.right_choice, q.choices.size());
            EXPECT_EQ(q.choices[q.right_choice], q.answer);
            EXPECT_EQ(std::set(q.choices.begin(), q.choices.end()).size(), q.choices.size());
          }
          break;
        case ExamKind::kRows:
          ASSERT_FALSE(q.blanks.empty());
          for (size_t b = 0; b < q.blanks.size(); ++b) {
            EXPECT_EQ(q.typed_answer[b], '0' + q.rows[q.blanks[b].row][q.blanks[b].column]);
          }
          break;
        case ExamKind::kScheme:
          EXPECT_TRUE(q.presses.empty());
          EXPECT_EQ(q.choices.size(), 4u);
          EXPECT_EQ(q.answer, SchemeTitle(n, Language::kRussian));
          break;
      }
    }
  }
}

TEST(ExamTest, KeyQuotesNamesAsCsvDoes) {
  ExamSettings settings = AllKinds(1, 1);
  settings.kinds = {ExamKind::kOutputs};
  settings.schemes = {1};
  const std::vector<ExamVariant> variants = {MakeExamVariant(settings, "O'Brien, \"Bob\"")};
  const std::string key = ExamKeyCsv(variants);
  EXPECT_TRUE(key.starts_with(
      "student,question,kind,scheme,buttons,answer\n\"O'Brien, \"\"Bob\"\"\",1,outputs,1,"))
      << key;
}

// A name a spreadsheet would run as a formula reaches the key as text; other names as they are.
TEST(ExamTest, KeyNeverHoldsANameASpreadsheetRuns) {
  ExamSettings settings = AllKinds(1, 1);
  settings.kinds = {ExamKind::kOutputs};
  settings.schemes = {1};
  const struct {
    std::string_view name, field;
  } kCases[] = {
      {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
      {"+1+1", "'+1+1"},
      {"-2+3", "'-2+3"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"Анна-Мария", "Анна-Мария"},
      {"O'Brien", "O'Brien"},
  };
  for (const auto& c : kCases) {
    const std::string key = ExamKeyCsv(std::vector{MakeExamVariant(settings, std::string(c.name))});
    EXPECT_TRUE(key.substr(key.find('\n') + 1).starts_with(std::string(c.field) + ",1,"))
        << c.name << ": " << key;
  }
}

TEST(ExamFormatsTest, EscapesAndEncodes) {
  const struct {
    std::string_view text, xml, gift;
  } kCases[] = {
      {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&apos;", "a<b>&\"c'"},
      {"X0=1 {~#:}\\", "X0=1 {~#:}\\", "X0\\=1 \\{\\~\\#\\:\\}\\\\"},
      {"שלום Ē", "שלום Ē", "שלום Ē"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(XmlEscaped(c.text), c.xml);
    EXPECT_EQ(GiftEscaped(c.text), c.gift);
  }
  const struct {
    std::string_view bytes, base64;
  } kBase64[] = {{"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}};
  for (const auto& c : kBase64) {
    EXPECT_EQ(Base64(std::span(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size())),
              c.base64);
  }
}

}  // namespace
}  // namespace kvir
