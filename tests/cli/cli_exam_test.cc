// `kvir-cli exam` as a teacher runs it: bad arguments refused in one line, the same file from the
// same seed, and a key whose answers are what `kvir-cli state` prints for the same presses.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

using clitest::CliRun;
using clitest::Invoke;
using clitest::ReadFile;
using clitest::Split;
using clitest::TempFolder;
using clitest::WriteFile;

TEST(CliExamTest, BadArgumentsGetOneLineAndStatus2) {
  TempFolder dir;
  const std::string out = dir.path() + "bank.xml";
  const std::string names = dir.path() + "names.txt";
  const struct {
    std::vector<std::string> args;
    std::string message;
  } kCases[] = {
      {{"--schemes", "0"}, "номер схемы «0» недопустим: ожидается число от 1 до 16"},
      {{"--schemes", "5-3"}, "exam: --schemes: «5-3»: первая схема больше последней"},
      {{"--kinds", "outputs,colours"}, "exam: --kinds: вид вопроса «colours» не поддерживается"},
      {{"--count", "0"},
       "exam: --count: число вопросов «0» недопустимо: ожидается число от 1 до 500"},
      {{"--count", "1000000"}, "exam: --count: число вопросов «1000000» недопустимо"},
      {{"--seed", "-1"}, "exam: --seed: «-1» недопустимо"},
      {{"--students", dir.path() + "absent.txt"}, "exam: --students: не удалось прочитать файл"},
      {{"--students", dir.path()}, "exam: --students: не удалось прочитать файл"},
      {{"--students", names}, "exam: --students: строка 2: имя «Иванов» уже встречалось"},
      {{"--colour", "red"}, "exam: лишний аргумент «--colour»"},
      {{"--count"}, "exam: --count: не указано значение"},
  };
  WriteFile(names, "Иванов\nИванов\n");
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"exam", "--format", "moodle", "-o", out};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << c.message;
  }
  const struct {
    std::vector<std::string> args;
    std::string message;
  } kFiles[] = {
      {{"exam", "-o", out}, "exam: не указан формат"},
      {{"exam", "--format", "pdf", "-o", out},
       "exam: файл «" + out + "»: тип «.xml» не поддерживается; поддерживаемые типы: .pdf"},
      {{"exam", "--format", "moodle", "-o", "-"}, "не в стандартный вывод"},
      {{"exam", "--format", "word", "-o", out}, "формат «word» не поддерживается"},
  };
  for (const auto& c : kFiles) {
    const CliRun run = Invoke(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(CliExamTest, RefusalsUnderLangEnAreWordedInEnglish) {
  TempFolder dir;
  const std::string out = dir.path() + "bank.xml";
  const struct {
    std::vector<std::string> args;
    std::string message;
  } kCases[] = {
      {{"--schemes", "5-3"}, "exam: --schemes: \"5-3\": the first scheme is above the last\n"},
      {{"--count", "0"},
       "exam: --count: \"0\" questions is not allowed: expected a number from 1 to 500\n"},
      {{"--count"}, "exam: --count: no value given\n"},
      {{"--format", "word"},
       "exam: --format: format \"word\" is not supported: expected moodle, gift, pdf\n"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"--lang", "en", "exam", "--format", "moodle", "-o", out};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kvir-cli: " + c.message);
  }
}

TEST(CliExamTest, HelpPrintsTheCommandsUsage) {
  for (const char* help : {"--help", "-h"}) {
    const CliRun run = Invoke({"exam", "--format", "pdf", help});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(
        run.out.starts_with("Использование: kvir-cli [--lang ru|en] exam ПАРАМЕТРЫ -o "
                            "ФАЙЛ\n"))
        << run.out;
    EXPECT_NE(run.out.find("  --format moodle|gift|pdf"), std::string::npos) << run.out;
  }
}

// The file-name rule of every save: the format's suffix goes on a name without one.
TEST(CliExamTest, ANameWithoutSuffixGetsTheFormats) {
  TempFolder dir;
  const CliRun run =
      Invoke({"exam", "--count", "2", "--format", "gift", "-o", dir.path() + "bank"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, dir.path() + "bank.gift\n" + dir.path() + "bank-key.csv\n");
  EXPECT_FALSE(ReadFile(dir.path() + "bank.gift").empty());
}

TEST(CliExamTest, StudentsFileRefusesWhatIsNotAListOfNames) {
  TempFolder dir;
  const std::string names = dir.path() + "names.txt";
  const struct {
    std::string bytes, message;
  } kCases[] = {
      {"", "в файле нет ни одного имени"},
      {"\n  \n", "в файле нет ни одного имени"},
      {"Петров\n\xff\xfe\n", "строка 2: текст не в кодировке UTF-8"},
      {"Пет\x01ров\n", "строка 1: управляющий символ в имени"},
  };
  for (const auto& c : kCases) {
    WriteFile(names, c.bytes);
    const CliRun run =
        Invoke({"exam", "--students", names, "--format", "gift", "-o", dir.path() + "bank.gift"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

// The levels `kvir-cli state N PRESSES --labels` prints for scheme n's outputs, as "LABEL=LEVEL".
std::multiset<std::string> StateOutputs(const std::string& scheme, const std::string& presses) {
  const std::vector<std::string> header = Split(Invoke("table " + scheme).lines().at(0), ' ');
  std::set<std::string> outputs;
  for (const std::string& name : header) {
    if (name.starts_with("IN")) continue;
    outputs.insert(name);
  }
  const std::string command = "state " + scheme + " " + presses;
  const std::vector<std::string> names = Invoke(command).lines();
  const std::vector<std::string> labels = Invoke(command + " --labels").lines();
  EXPECT_EQ(names.size(), labels.size());
  std::multiset<std::string> pairs;
  for (size_t i = 0; i < names.size() && i < labels.size(); ++i) {
    const std::vector<std::string> named = Split(names[i], ' ');
    const std::vector<std::string> labelled = Split(labels[i], ' ');
    if (outputs.contains(named.at(0))) pairs.insert(labelled.at(0) + "=" + labelled.at(1));
  }
  return pairs;
}

TEST(CliExamTest, SameSeedSameBytesAndTheKeyIsTheEnginesState) {
  TempFolder dir;
  const std::vector<std::string> args = {"exam",
                                         "--count",
                                         "8",
                                         "--seed",
                                         "7",
                                         "--kinds",
                                         "outputs,inputs",
                                         "--format",
                                         "moodle",
                                         "-o",
                                         dir.path() + "bank.xml"};
  const CliRun first = Invoke(args);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, dir.path() + "bank.xml\n" + dir.path() + "bank-key.csv\n");
  const std::string bank = ReadFile(dir.path() + "bank.xml");
  const std::string key = ReadFile(dir.path() + "bank-key.csv");
  ASSERT_EQ(Invoke(args).status, 0);
  EXPECT_EQ(ReadFile(dir.path() + "bank.xml"), bank);
  EXPECT_EQ(ReadFile(dir.path() + "bank-key.csv"), key);

  const std::vector<std::string> rows = Split(key, '\n');
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[0], "student,question,kind,scheme,buttons,answer");
  int checked = 0;
  for (size_t r = 1; r < rows.size(); ++r) {
    const std::vector<std::string> fields = Split(rows[r], ',');
    ASSERT_EQ(fields.size(), 6u) << rows[r];
    if (fields[2] != "outputs") continue;
    const std::vector<std::string> answer = Split(fields[5], ' ');
    EXPECT_EQ(std::multiset<std::string>(answer.begin(), answer.end()),
              StateOutputs(fields[3], fields[4]))
        << rows[r];
    ++checked;
  }
  EXPECT_EQ(checked, 4);
}

// A file of questions and its key are written as a pair: where either cannot be written, what
// was there before stays (a key made for it is taken back), and nothing of the new set remains.
TEST(CliExamTest, AFailedWriteLeavesNoFileWithoutItsKey) {
  const struct {
    std::string blocked;            // made a folder, so that writing it fails
    std::string old_bank, old_key;  // what was there before; empty: nothing
  } kCases[] = {
      {"bank.gift", "", ""},
      {"bank.gift", "", "old key"},
      {"bank-key.csv", "old bank", ""},
  };
  for (const auto& c : kCases) {
    TempFolder dir;
    const std::string bank = dir.path() + "bank.gift", key = dir.path() + "bank-key.csv";
    std::filesystem::create_directory(dir.path() + c.blocked);
    if (!c.old_bank.empty()) WriteFile(bank, c.old_bank);
    if (!c.old_key.empty()) WriteFile(key, c.old_key);
    const CliRun run = Invoke({"exam", "--count", "2", "--format", "gift", "-o", bank});
    EXPECT_EQ(run.status, 1) << c.blocked;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    for (const auto& [path, old] : {std::pair(bank, c.old_bank), std::pair(key, c.old_key)}) {
      if (std::filesystem::is_directory(path)) continue;
      if (old.empty()) {
        EXPECT_FALSE(std::filesystem::exists(path)) << c.blocked << ": " << path;
      } else {
        EXPECT_EQ(ReadFile(path), old) << c.blocked << ": " << path;
      }
    }
  }
}

// Worksheets are a function of the seed and the names too: no date or clock in the file.
TEST(CliExamTest, SameSeedSameWorksheets) {
  TempFolder dir;
  const std::vector<std::string> args = {"exam",
                                         "--count",
                                         "2",
                                         "--kinds",
                                         "scheme",
                                         "--seed",
                                         "3",
                                         "--format",
                                         "pdf",
                                         "-o",
                                         dir.path() + "sheets.pdf"};
  ASSERT_EQ(Invoke(args).status, 0);
  const std::string first = ReadFile(dir.path() + "sheets.pdf");
  ASSERT_EQ(Invoke(args).status, 0);
  EXPECT_EQ(ReadFile(dir.path() + "sheets.pdf"), first);
}

}  // namespace
}  // namespace kvir
