// What the "О схеме" texts say of each scheme's levels and of its truth table's order, checked
// against the table the student sees: a text and a table that disagree fail here.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/scheme_texts.h"
#include "circuit/schemes.h"
#include "learning/truth_table_view.h"

namespace kvir {
namespace {

TruthTableView ViewOf(int n) {
  const Scheme scheme(*kSchemeTable[n - 1].def);
  return StudentView(scheme, ComputeTruthTable(n));
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

size_t ColumnOf(const TruthTableView& view, const std::string& label, bool output) {
  for (size_t c = 0; c < view.columns.size(); ++c) {
    if (view.columns[c].label == label && (view.columns[c].role == Role::kOutput) == output) {
      return c;
    }
  }
  ADD_FAILURE() << "no column " << label;
  return 0;
}

// The row in which exactly the buttons labelled `pressed` are at 1.
const ViewRow* RowPressing(const TruthTableView& view, const std::vector<std::string>& pressed) {
  for (const ViewRow& row : view.rows) {
    bool same = true;
    for (size_t c = 0; c < FirstOutputColumn(view); ++c) {
      const bool down =
          std::find(pressed.begin(), pressed.end(), view.columns[c].label) != pressed.end();
      same = same && row.values[c] == int{down};
    }
    if (same) return &row;
  }
  return nullptr;
}

void ExpectSays(int n, const char* ru, const char* en) {
  EXPECT_NE(AboutScheme(n, Language::kRussian).find(ru), std::string_view::npos)
      << "scheme " << n << " no longer says «" << ru << "»";
  EXPECT_NE(AboutScheme(n, Language::kEnglish).find(en), std::string_view::npos)
      << "scheme " << n << " no longer says \"" << en << "\"";
}

// "What to see": the buttons pressed and the levels of the outputs named.
struct LevelCase {
  int scheme;
  const char* ru;
  const char* en;
  const char* pressed;  ///< labels, blank-separated
  const char* outputs;  ///< labels, blank-separated
  const char* levels;   ///< one per output
};

constexpr LevelCase kLevels[] = {
    {1, "Y5 даёт 1 0 1", "Y5 gives 1 0 1", "Y5", "X2 X1 X0", "1 0 1"},
    {2, "Y5 даёт 1 0 1", "Y5 gives 1 0 1", "Y5", "X2 X1 X0", "1 0 1"},
    {3, "Y10 даёт 1 0 1 0", "Y10 gives 1 0 1 0", "Y10", "X3 X2 X1 X0", "1 0 1 0"},
    {4, "Y10 даёт на выходах 1 0 1 0", "Y10 gives 1 0 1 0 on the outputs", "Y10", "X3 X2 X1 X0",
     "1 0 1 0"},
    {5, "Y10 даёт 1 0 1 0", "Y10 gives 1 0 1 0", "Y10", "X3 X2 X1 X0", "1 0 1 0"},
    {6, "X2 X1 X0 = 1 0 1 зажигает Y5", "X2 X1 X0 = 1 0 1 lights Y5", "X2 X0", "Y5 Y4", "1 0"},
    {7, "X2 X1 X0 = 1 0 1 зажигает Y5", "X2 X1 X0 = 1 0 1 lights Y5", "X2 X0", "Y5 Y4", "1 0"},
    {8, "верхней кнопки X3 из начального состояния зажигает Y8", "the top button X3 lights Y8",
     "X3", "Y8 Y0", "1 0"},
    {9, "верхней кнопки X3 из начального состояния зажигает Y8", "the top button X3 lights Y8",
     "X3", "Y8 Y0", "1 0"},
    {10, "при нажатой V кнопка 5 даёт S D1 D2 D3 = 0 0 1 0", "button 5 gives S D1 D2 D3 = 0 0 1 0",
     "V 5", "S D1 D2 D3", "0 0 1 0"},
    {11, "(A = 1, B = 0 — E3 и D3)", "(A = 1, B = 0: E3 and D3)", "S1 Ē S2 D A", "E3 D3 E1 D1",
     "0 0 1 1"},
    {12, "код 1 0 1 (число 5) даёт 0 на D2", "the code 1 0 1 (number 5) gives 0 on D2", "V 4 1",
     "D2 E1", "0 1"},
    {13, "одна нажатая кнопка 4 даёт 0 на выходе 8", "button 4 alone gives 0 on output 8",
     "S1 S2 4", "8 0", "0 1"},
    {13, "кнопки 1 и 3 — на выходе 5", "buttons 1 and 3 on output 5", "S1 S2 1 3", "5 0", "0 1"},
    {14, "нажаты S, 1 и 2: D2 включена, в 0 стоит выход E1", "S, 1 and 2 are pressed", "S 1 2",
     "E1 E2", "0 1"},
    {15, "нажаты 1, 3 и S: в 0 стоит выход 0", "1, 3 and S are pressed: output 0 shows 0", "S 1 3",
     "0 1", "0 1"},
    {16, "нажаты S, 1, 3 и 5: в 0 стоит выход 0", "S, 1, 3 and 5 are pressed: output 0 shows 0",
     "S 1 3 5", "0 1", "0 1"},
};

TEST(AboutAndTable, WhatTheTextSaysALevelIsTheTableHas) {
  for (const LevelCase& c : kLevels) {
    SCOPED_TRACE(testing::Message() << "scheme " << c.scheme << ": " << c.ru);
    ExpectSays(c.scheme, c.ru, c.en);
    const TruthTableView view = ViewOf(c.scheme);
    const ViewRow* row = RowPressing(view, Words(c.pressed));
    ASSERT_NE(row, nullptr);
    const std::vector<std::string> outputs = Words(c.outputs), levels = Words(c.levels);
    ASSERT_EQ(outputs.size(), levels.size());
    for (size_t i = 0; i < outputs.size(); ++i) {
      EXPECT_EQ(std::to_string(row->values[ColumnOf(view, outputs[i], true)]), levels[i])
          << outputs[i];
    }
  }
}

// What the truth-table paragraph says of the rows' order.
enum class Order {
  kEnablesFastest,    ///< every code of the data inputs has its rows, one per set of enables
  kDataCodeCounts,    ///< row r holds the data code r
  kOutputCodeCounts,  ///< row r holds the output code r
};

struct OrderCase {
  int scheme;
  const char* ru;
  const char* en;
  Order order;
};

constexpr OrderCase kOrders[] = {
    {1, "код на выходах растёт от 000 до 111", "the output code counts from 000 to 111",
     Order::kOutputCodeCounts},
    {3, "код на выходах растёт от 0000 до 1111", "the output code counts from 0000 to 1111",
     Order::kOutputCodeCounts},
    {6, "код X2 X1 X0 от 000 до 111", "the code X2 X1 X0 from 000 to 111", Order::kDataCodeCounts},
    {8, "код X3 X2 X1 X0 от 0000 до 1111", "the code X3 X2 X1 X0 from 0000 to 1111",
     Order::kDataCodeCounts},
    {10, "каждая при V = 0 и V = 1", "each with V = 0 and V = 1", Order::kEnablesFastest},
    {11, "при каждом адресе шестнадцать наборов разрешений",
     "every address has sixteen sets of enables", Order::kEnablesFastest},
    {12, "при каждом коде две строки", "two rows for every code", Order::kEnablesFastest},
    {13, "При каждом адресе четыре набора стробов", "Every address has four sets of strobes",
     Order::kEnablesFastest},
};

// The number the output columns spell, or the input columns of `role`; the first the highest
// bit.
unsigned Code(const TruthTableView& view, const ViewRow& row, Role role, bool outputs) {
  unsigned code = 0;
  for (size_t c = 0; c < view.columns.size(); ++c) {
    const bool output = view.columns[c].role == Role::kOutput;
    if (output == outputs && (outputs || view.columns[c].role == role)) {
      code = code * 2 + static_cast<unsigned>(row.values[c]);
    }
  }
  return code;
}

TEST(AboutAndTable, WhatTheTextSaysOfTheOrderTheRowsKeep) {
  for (const OrderCase& c : kOrders) {
    SCOPED_TRACE(testing::Message() << "scheme " << c.scheme << ": " << c.ru);
    ExpectSays(c.scheme, c.ru, c.en);
    const TruthTableView view = ViewOf(c.scheme);
    for (size_t r = 0; r < view.rows.size(); ++r) {
      const ViewRow& row = view.rows[r];
      switch (c.order) {
        case Order::kOutputCodeCounts:
          EXPECT_EQ(Code(view, row, Role::kOutput, true), r);
          break;
        case Order::kDataCodeCounts:
          EXPECT_EQ(Code(view, row, Role::kInput, false), r);
          break;
        case Order::kEnablesFastest: {
          // The enables run through every set before the data code moves on.
          const auto enables =
              std::count_if(view.columns.begin(), view.columns.end(),
                            [](const ViewColumn& column) { return column.role == Role::kEnable; });
          const unsigned sets = 1u << enables;
          if (r % sets != 0) {
            EXPECT_EQ(Code(view, row, Role::kInput, false),
                      Code(view, view.rows[r - 1], Role::kInput, false));
          }
          if (r > 0 && r % sets == 0) {
            EXPECT_NE(Code(view, row, Role::kInput, false),
                      Code(view, view.rows[r - 1], Role::kInput, false));
          }
          break;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kvir
