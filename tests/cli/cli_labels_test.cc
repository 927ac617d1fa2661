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

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
  return fields;
}

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
    const auto fields = Fields(line, '\t');
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
      auto a = Fields(plain[i], ' '), b = Fields(labelled[i], ' ');
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
  EXPECT_TRUE(labels.lines().front().starts_with("S1 S2 4 3 2 1 0 1 2 ")) << labels.out;
  std::string spaced = csv.out;
  std::replace(spaced.begin(), spaced.end(), ',', ' ');
  EXPECT_EQ(spaced, labels.out);
  EXPECT_EQ(csv.lines().size(), 65u);
  EXPECT_EQ(Invoke("table 13 --labels --csv").out, csv.out);
}

}  // namespace
}  // namespace kvir
