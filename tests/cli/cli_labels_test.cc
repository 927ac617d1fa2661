// kvir-cli and the labels of the drawing: the legend, buttons given by label, --labels, --csv.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

using clitest::CliRun;
using clitest::Invoke;
using clitest::Split;

TEST(CliLabels, NamesListsEveryIndicatorWithLabelAndRole) {
  const CliRun run = Invoke("names 16");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = run.lines();
  ASSERT_EQ(lines.size(), 79u);
  EXPECT_EQ(lines[0], "IN00\tS\tразрешение");
  EXPECT_TRUE(std::find(lines.begin(), lines.end(), "IN10\t10\tвход") != lines.end());
  EXPECT_TRUE(std::find(lines.begin(), lines.end(), "DC01IN01\tĒ\tвывод микросхемы\tD2\tĒ") !=
              lines.end());
  EXPECT_TRUE(std::find(lines.begin(), lines.end(), "OUT15\t15\tвыход\tD3\t15") != lines.end());
  for (const std::string& line : lines) {
    const auto fields = Split(line, '\t');
    EXPECT_TRUE(fields.size() == 3 || fields.size() == 5) << line;
    EXPECT_FALSE(fields.at(1).empty()) << line;
  }
  EXPECT_EQ(Invoke("--lang en names 1").lines().front(), "BUS00\t0\tbus line");
}

TEST(CliLabels, AButtonMayBeGivenByItsLabel) {
  struct Case {
    const char* by_label;
    const char* by_name;
  };
  const Case cases[] = {
      {"state 1 Y3", "state 1 IN03"},
      {"trace 10 5 V", "trace 10 IN05 IN08"},
      {"state 11 Ē A", "state 11 IN01 IN02"},
      {"state 13 4 S1", "state 13 IN03 IN04"},
  };
  for (const Case& c : cases) {
    const CliRun label = Invoke(c.by_label), name = Invoke(c.by_name);
    EXPECT_EQ(label.status, 0) << label.err;
    EXPECT_EQ(label.out, name.out) << c.by_label;
  }
  for (const char* wrong : {"state 1 y3", "state 1 X3", "state 11 E"}) {
    const CliRun run = Invoke(wrong);
    EXPECT_EQ(run.status, 2) << wrong;
    EXPECT_NE(run.err.find("не кнопка входа схемы"), std::string::npos) << run.err;
  }
}

TEST(CliLabels, LabelsReplaceNamesAndNothingElse) {
  for (const char* command : {"state 8 X3", "trace 14 5"}) {
    const auto plain = Invoke(command).lines();
    const auto labelled = Invoke(std::string(command) + " --labels").lines();
    ASSERT_EQ(plain.size(), labelled.size());
    size_t changed = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
      auto a = Split(plain[i], ' '), b = Split(labelled[i], ' ');
      ASSERT_EQ(a.size(), b.size());
      const size_t name_field = a[0] == "draw" ? 1 : a[0] == "exec" ? a.size() : 0;
      if (name_field < a.size()) {
        changed += a[name_field] != b[name_field];
        a.erase(a.begin() + name_field);
        b.erase(b.begin() + name_field);
      }
      EXPECT_EQ(a, b) << plain[i];
    }
    EXPECT_GT(changed, plain.size() / 2) << command;
  }
  EXPECT_EQ(Invoke("state 8 --labels").lines().front(), "X0 0 BUTTON0PNG");
}

TEST(CliLabels, TheLabelledTableAndItsCsvAgree) {
  const CliRun labels = Invoke("table 13 --labels"), csv = Invoke("table 13 --csv");
  ASSERT_EQ(labels.status, 0) << labels.err;
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_TRUE(labels.lines().front().starts_with("кн.S1 кн.S2 кн.4 кн.3 кн.2 кн.1 вых.0 вых.1 "))
      << labels.out;
  std::string spaced = csv.out;
  std::replace(spaced.begin(), spaced.end(), ',', ' ');
  EXPECT_EQ(spaced, labels.out);
  EXPECT_EQ(csv.lines().size(), 65u);
  EXPECT_EQ(Invoke("table 13 --labels --csv").out, csv.out);
}

// An encoder's code reads as a number, from its highest bit; no header names two columns.
TEST(CliLabels, CodesReadFromTheHighestBitAndHeadersAreUnique) {
  EXPECT_TRUE(Invoke("table 1 --labels").lines().front().ends_with(" X2 X1 X0"));
  EXPECT_TRUE(Invoke("table 3 --labels").lines().front().ends_with(" X3 X2 X1 X0"));
  EXPECT_TRUE(Invoke("table 10 --labels").lines().front().ends_with(" кн.0 S D1 D2 D3"));
  for (const char* command :
       {"table 13 --csv", "table 15 --csv", "table 16 --csv", "--lang en table 16 --csv"}) {
    const CliRun run = Invoke(command);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> header = Split(run.lines().front(), ',');
    std::sort(header.begin(), header.end());
    EXPECT_EQ(std::adjacent_find(header.begin(), header.end()), header.end()) << command;
  }
  EXPECT_TRUE(Invoke("--lang en table 16 --csv").out.starts_with("btn.S,btn.1,"));
}

TEST(CliLabels, TheCsvTakesASeparator) {
  const std::string csv = Invoke("table 11 --csv").out;
  std::string semicolons = csv, tabs = csv;
  std::replace(semicolons.begin(), semicolons.end(), ',', ';');
  std::replace(tabs.begin(), tabs.end(), ',', '\t');
  EXPECT_EQ(Invoke({"table", "11", "--csv", "--separator", ";"}).out, semicolons);
  EXPECT_EQ(Invoke({"table", "11", "--separator", "tab", "--csv"}).out, tabs);
  EXPECT_EQ(Invoke({"table", "11", "--csv", "--separator", ","}).out, csv);
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case refused[] = {
      {{"table", "11", "--separator", ";"},
       "table: параметр --separator идёт только вместе с --csv"},
      {{"table", "11", "--csv", "--separator"}, "--separator: не указан разделитель"},
      {{"table", "11", "--csv", "--separator", "ab"},
       "--separator: разделитель «ab» не поддерживается"},
      {{"table", "11", "--csv", "--separator", "1"}, "разделитель «1» не поддерживается"},
      {{"table", "11", "--csv", "--separator", "\""}, "не поддерживается"},
      {{"state", "11", "--separator", ";"},
       "state: параметр --separator не подходит к этой команде"},
  };
  for (const Case& c : refused) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kvir
