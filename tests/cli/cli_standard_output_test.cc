// kvir-cli when its standard output cannot be written: a pipe whose reader has gone, a full
// device, a closed descriptor. The tool is not killed by SIGPIPE; it says why in one line and
// ends with 1, except where the output was only the name of a file it wrote.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

namespace fs = std::filesystem;
using clitest::CliRun;
using clitest::InvokeWritingTo;
using clitest::ReadFile;

/// What stands for the tool's standard output.
enum class Target { kPipeWithoutReader, kFullDevice, kClosed };

/// Runs the tool with `args`, its standard output on `target`.
CliRun RunInto(const std::vector<std::string>& args, Target target) {
  if (target == Target::kClosed) return InvokeWritingTo(args, clitest::kClosed);
  int fd = -1;
  if (target == Target::kPipeWithoutReader) {
    int ends[2];
    if (pipe(ends) != 0) return {};
    close(ends[0]);
    fd = ends[1];
  } else {
    fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
  }
  const CliRun run = InvokeWritingTo(args, fd);
  close(fd);
  return run;
}

TEST(CliStandardOutputTest, AFailedStandardOutputIsReportedInOneWording) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    Target target;
    const char* err;
  } kCases[] = {
      {"a long table into a pipe nobody reads",
       {"table", "16", "--csv"},
       Target::kPipeWithoutReader,
       "kvir-cli: Не удалось записать стандартный вывод: канал закрыт читающей стороной\n"},
      {"a short list into a pipe nobody reads",
       {"list"},
       Target::kPipeWithoutReader,
       "kvir-cli: Не удалось записать стандартный вывод: канал закрыт читающей стороной\n"},
      {"the picture itself into a pipe nobody reads",
       {"render", "1", "-o", "-"},
       Target::kPipeWithoutReader,
       "kvir-cli: Не удалось записать стандартный вывод: канал закрыт читающей стороной\n"},
      {"in English",
       {"--lang", "en", "table", "3"},
       Target::kPipeWithoutReader,
       "kvir-cli: Could not write the standard output: broken pipe\n"},
      {"a full device",
       {"about", "13"},
       Target::kFullDevice,
       "kvir-cli: Не удалось записать стандартный вывод: нет места на устройстве\n"},
      {"a closed descriptor",
       {"--version"},
       Target::kClosed,
       "kvir-cli: Не удалось записать стандартный вывод: неверный дескриптор файла\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const CliRun run = RunInto(c.args, c.target);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
  }
}

// The picture is the result; the name printed after it is a courtesy. A name that cannot be
// printed is said on standard error, and the run still succeeds.
TEST(CliStandardOutputTest, RenderToAFileSucceedsWhenOnlyItsNameCannotBePrinted) {
  clitest::TempFolder folder;
  const std::string expected = folder.path() + "expected.png";
  ASSERT_EQ(clitest::Invoke({"render", "1", "IN01", "-o", expected}).status, 0);
  const struct {
    const char* name;
    Target target;
    const char* language;
    const char* err;  // after the path
  } kCases[] = {
      {"closed", Target::kClosed, "ru",
       " записан, но его имя не выведено. Не удалось записать стандартный вывод: неверный "
       "дескриптор файла\n"},
      {"a pipe nobody reads", Target::kPipeWithoutReader, "ru",
       " записан, но его имя не выведено. Не удалось записать стандартный вывод: канал закрыт "
       "читающей стороной\n"},
      {"full, in English", Target::kFullDevice, "en",
       " was written, but its name was not printed. Could not write the standard output: no "
       "space left on device\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.path() + "cs.png";
    fs::remove(path);
    const CliRun run = RunInto({"--lang", c.language, "render", "1", "IN01", "-o", path}, c.target);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 0);
    const std::string file = std::string(c.language) == "ru" ? "файл " + path : path;
    EXPECT_EQ(run.err, "kvir-cli: " + file + c.err);
    EXPECT_EQ(ReadFile(path), ReadFile(expected));
  }
}

}  // namespace
}  // namespace kvir
