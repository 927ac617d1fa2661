// The truth table as a student reads it, checked over all sixteen schemes.

#include "learning/truth_table_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "circuit/names.h"
#include "circuit/scheme_set.h"
#include "circuit/schemes.h"

namespace kvir {
namespace {

struct Tables {
  TruthTable plain;
  TruthTableView view;
};

const Tables& TablesOf(int n) {
  static std::map<int, Tables> cache;
  if (!cache.contains(n)) {
    const Scheme scheme(*kSchemeTable[n - 1].def);
    TruthTable plain = ComputeTruthTable(n);
    TruthTableView view = StudentView(scheme, plain);
    cache.emplace(n, Tables{std::move(plain), std::move(view)});
  }
  return cache.at(n);
}

std::vector<size_t> ColumnsOf(const TruthTableView& view, Role role) {
  std::vector<size_t> columns;
  for (size_t c = 0; c < view.columns.size(); ++c) {
    if (view.columns[c].role == role) columns.push_back(c);
  }
  return columns;
}

// The number the columns spell, the first the most significant bit.
unsigned Code(const ViewRow& row, const std::vector<size_t>& columns) {
  unsigned code = 0;
  for (size_t c : columns) code = code * 2 + static_cast<unsigned>(row.values[c]);
  return code;
}

class StudentViewTest : public ::testing::TestWithParam<int> {
 protected:
  const TruthTable& plain() const { return TablesOf(GetParam()).plain; }
  const TruthTableView& view() const { return TablesOf(GetParam()).view; }
};

TEST_P(StudentViewTest, IsAPermutationOfThePlainTablesColumnsAndRows) {
  std::vector<std::string> plain_names = plain().inputs, view_names;
  plain_names.insert(plain_names.end(), plain().outputs.begin(), plain().outputs.end());
  for (const ViewColumn& c : view().columns) view_names.push_back(c.name);
  ASSERT_TRUE(std::is_permutation(view_names.begin(), view_names.end(), plain_names.begin(),
                                  plain_names.end()));
  // Each view row rearranged into the plain columns is one of the plain rows, used once.
  std::vector<std::vector<int>> rearranged;
  for (const ViewRow& row : view().rows) {
    std::vector<int> values(plain_names.size());
    for (size_t c = 0; c < view_names.size(); ++c) {
      const size_t at =
          std::find(plain_names.begin(), plain_names.end(), view_names[c]) - plain_names.begin();
      values[at] = row.values[c];
    }
    rearranged.push_back(values);
  }
  EXPECT_TRUE(std::is_permutation(rearranged.begin(), rearranged.end(), plain().rows.begin(),
                                  plain().rows.end()));
}

TEST_P(StudentViewTest, EnablesComeFirstThenDataThenOutputsInNumberOrder) {
  const auto& columns = view().columns;
  const auto rank = [](Role role) {
    return role == Role::kEnable ? 0 : role == Role::kInput ? 1 : 2;
  };
  for (size_t c = 1; c < columns.size(); ++c) {
    EXPECT_LE(rank(columns[c - 1].role), rank(columns[c].role)) << columns[c].name;
  }
  // The outputs that spell a number stand last, from their highest bit, as the drawing reads
  // them; the others before them in number order.
  const std::vector<std::string> by_weight =
      ExpandNames(kSchemeTable[GetParam() - 1].def->outputs_by_weight);
  std::vector<std::string> outputs, expected;
  for (size_t c : ColumnsOf(view(), Role::kOutput)) outputs.push_back(columns[c].name);
  for (const std::string& name : plain().outputs) {
    if (std::find(by_weight.begin(), by_weight.end(), name) == by_weight.end()) {
      expected.push_back(name);
    }
  }
  expected.insert(expected.end(), by_weight.begin(), by_weight.end());
  EXPECT_EQ(outputs, expected);
  EXPECT_EQ(by_weight.empty(), GetParam() > 5 && GetParam() != 10) << "only encoders spell codes";
  for (const ViewColumn& c : columns) {
    EXPECT_FALSE(c.label.empty()) << c.name;
    EXPECT_EQ(c.role == Role::kOutput, c.name.starts_with("OUT")) << c.name;
  }
}

TEST_P(StudentViewTest, RowsCountTheDataCodeThenTheEnables) {
  const std::vector<size_t> data = ColumnsOf(view(), Role::kInput);
  const std::vector<size_t> enables = ColumnsOf(view(), Role::kEnable);
  for (size_t r = 1; r < view().rows.size(); ++r) {
    const auto key = [&](const ViewRow& row) {
      return std::pair(Code(row, data), Code(row, enables));
    };
    EXPECT_LT(key(view().rows[r - 1]), key(view().rows[r])) << "row " << r;
  }
}

// Where a data code selects one output, the weights make its number the code: the encoders'
// output code is the number of the one data input at 1 (counted from the lowest weight); a
// complete decoder's one active output, among outputs in number order, is the data code.
TEST_P(StudentViewTest, TheDataColumnsRunFromTheHighestWeight) {
  const int n = GetParam();
  const std::vector<size_t> data = ColumnsOf(view(), Role::kInput);
  const std::vector<size_t> outs = ColumnsOf(view(), Role::kOutput);
  const bool encoder = n <= 5;
  const bool complete_decoder = (n >= 6 && n <= 9) || n == 12 || n == 13;
  if (!encoder && !complete_decoder) GTEST_SKIP() << "incomplete or dual decoder";
  for (const ViewRow& row : view().rows) {
    if (row.switched_off) continue;
    const unsigned code = Code(row, data);
    if (encoder) {
      EXPECT_EQ(1u << Code(row, outs), code);  // the outputs from their highest bit
      continue;
    }
    const int active = n <= 9 ? 1 : 0;  // the gate decoders' outputs are active high
    for (size_t i = 0; i < outs.size(); ++i) {
      EXPECT_EQ(row.values[outs[i]] == active, i == code) << "code " << code << " output " << i;
    }
  }
}

TEST_P(StudentViewTest, SwitchedOffRowsAreThoseWhoseEnablesHideTheData) {
  const int n = GetParam();
  const std::map<int, size_t> kOffRows = {{10, 9},  {11, 36},  {12, 8},   {13, 48},
                                          {14, 64}, {15, 256}, {16, 1024}};
  const size_t off = std::count_if(view().rows.begin(), view().rows.end(),
                                   [](const ViewRow& r) { return r.switched_off; });
  EXPECT_EQ(off, kOffRows.contains(n) ? kOffRows.at(n) : 0u);
}

// After selection the current row holds the buttons' cells, and its outputs are the lamps'.
TEST_P(StudentViewTest, TheCurrentRowIsTheSchemesStateAfterSelection) {
  const int n = GetParam();
  SchemeSet set;
  HeadlessHost host;
  Scheme& scheme = set.scheme(n);
  kSchemeTable[n - 1].build(scheme);
  SelectScheme(set, host, static_cast<uint8_t>(n));
  const int current = CurrentRow(view(), scheme);
  ASSERT_GE(current, 0);
  for (size_t c = 0; c < view().columns.size(); ++c) {
    EXPECT_EQ(view().rows[current].values[c], scheme.At(view().columns[c].name).Tag)
        << view().columns[c].name;
  }
  FreeSchemes(set);
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, StudentViewTest, ::testing::Range(1, kSchemeCount + 1));

TEST(StudentView, Scheme13HasItsStrobesFirstAndTheAddressFromWeight8Down) {
  const std::string header = FormatTable(TablesOf(13).view, ' ');
  EXPECT_TRUE(header.starts_with("кн.S1 кн.S2 кн.4 кн.3 кн.2 кн.1 вых.0 ")) << header;
}

// A header names one column, and says which: a button where its label is also a chip pin's
// (whose lamp may show the opposite level) or an output's, an output where its label is also an
// input's; where the labels alone are clear, they stand alone.
TEST(StudentView, HeadersAreUniqueAndSayWhatTheColumnHolds) {
  struct Case {
    int scheme;
    Language language;
    const char* first;  ///< the first headers, blank-separated
    const char* later;  ///< further headers, side by side
  };
  const Case cases[] = {
      {1, Language::kRussian, "Y7 Y6", "X2 X1 X0"},
      {3, Language::kRussian, "Y15", "X3 X2 X1 X0"},
      {6, Language::kRussian, "X2 X1 X0 Y0", "Y7"},
      {10, Language::kRussian, "кн.V кн.7", "кн.0 S D1 D2 D3"},
      {11, Language::kRussian, "кн.S1 кн.Ē кн.S2 кн.D кн.A кн.B E1", "D4"},
      {12, Language::kRussian, "V 4 2 1 E1", "D4"},
      {
          13,
          Language::kEnglish,
          "btn.S1 btn.S2 btn.4",
          "btn.1 out.0 out.1",
      },
      {14, Language::kRussian, "S 1 2", "6 E1"},
      {15, Language::kRussian, "кн.S кн.4 кн.3 кн.2 кн.1 кн.8", "кн.5 вых.0"},
      {16, Language::kRussian, "кн.S кн.1", "кн.10 вых.0"},
      {16, Language::kEnglish, "btn.S btn.1", "btn.10 out.0"},
  };
  for (const Case& c : cases) {
    const Scheme scheme(*kSchemeTable[c.scheme - 1].def);
    const TruthTableView view = StudentView(scheme, TablesOf(c.scheme).plain, c.language);
    std::string header = FormatTable(view, ' ');
    header.resize(header.find('\n'));
    EXPECT_TRUE(header.starts_with(std::string(c.first) + ' ')) << header;
    EXPECT_NE((' ' + header + ' ').find(' ' + std::string(c.later) + ' '), std::string::npos)
        << header;
  }
  for (int n = 1; n <= kSchemeCount; ++n) {
    std::set<std::string> headers;
    for (const ViewColumn& c : TablesOf(n).view.columns) {
      EXPECT_TRUE(headers.insert(c.header).second) << "scheme " << n << ": " << c.header;
      EXPECT_TRUE(c.header.ends_with(c.label)) << c.header;
      EXPECT_EQ(c.header.find(' '), std::string::npos) << c.header;
    }
  }
}

// While a question is open no row may give an output away: the rows beside the asked one would.
TEST(StudentView, ConcealedOutputsReadQuestionMarksInEveryRowAndTheInputsStay) {
  const TruthTableView& view = TablesOf(6).view;  // three inputs, then eight outputs
  const auto lines = [](const std::string& text) {
    std::vector<std::string> out;
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
      out.push_back(text.substr(at, end - at));
    }
    return out;
  };
  const std::vector<std::string> shown = lines(FormatTable(view, ','));
  const std::vector<std::string> concealed =
      lines(FormatTable(view, ',', TableOutputs::kConcealed));
  ASSERT_EQ(concealed.size(), 9u);
  EXPECT_EQ(concealed[0], shown[0]);
  for (size_t r = 1; r < concealed.size(); ++r) {
    EXPECT_EQ(concealed[r], shown[r].substr(0, 6) + "?,?,?,?,?,?,?,?") << "row " << r - 1;
  }
  EXPECT_EQ(SavedCsv(view, SavedCsvStyle(Language::kRussian), TableOutputs::kConcealed),
            "\xEF\xBB\xBF" + FormatTable(view, ';', TableOutputs::kConcealed));
}

TEST(StudentView, SavedCsvSuitsTheSpreadsheetOfTheLanguage) {
  const TruthTableView& view = TablesOf(6).view;
  const std::string russian = SavedCsv(view, SavedCsvStyle(Language::kRussian));
  EXPECT_EQ(russian, "\xEF\xBB\xBF" + FormatTable(view, ';'));
  EXPECT_TRUE(russian.starts_with("\xEF\xBB\xBFX2;X1;X0;Y0;")) << russian;
  EXPECT_EQ(SavedCsv(view, SavedCsvStyle(Language::kEnglish)), FormatTable(view, ','));
}

TEST(StudentView, DataInputsAreTheButtonsWithTheInputRole) {
  for (int n = 1; n <= kSchemeCount; ++n) {
    const Scheme scheme(*kSchemeTable[n - 1].def);
    std::vector<std::string> inputs;
    for (uint16_t b : scheme.buttons) {
      if (scheme.indicators()[b].role == Role::kInput)
        inputs.push_back(scheme.indicators()[b].name);
    }
    const std::vector<std::string> by_weight = DataInputsByWeight(scheme.def());
    EXPECT_TRUE(
        std::is_permutation(inputs.begin(), inputs.end(), by_weight.begin(), by_weight.end()))
        << "scheme " << n;
  }
}

TEST(StudentView, FieldsAreQuotedOnlyWhereTheSeparatorRequires) {
  TruthTableView view;
  view.columns = {
      {"A", "x,1", Role::kInput}, {"B", "say \"hi\"", Role::kInput}, {"C", "plain", Role::kOutput}};
  view.rows = {{{0, 1, 1}, false}};
  EXPECT_EQ(FormatTable(view, ','), "\"x,1\",\"say \"\"hi\"\"\",plain\n0,1,1\n");
  EXPECT_EQ(FormatTable(view, '\t'), "x,1\t\"say \"\"hi\"\"\"\tplain\n0\t1\t1\n");
}

}  // namespace
}  // namespace kvir
