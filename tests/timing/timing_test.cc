#include "timing/timing.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "io/error_texts.h"

namespace kvir {
namespace {

/// Milliseconds from 1970-01-01 00:00 of the local calendar to the given moment.
int64_t LocalMs(int year, unsigned month, unsigned day, int hour, int minute, int second,
                int millisecond) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  return duration_cast<milliseconds>(date.time_since_epoch()).count() +
         ((hour * 60 + minute) * 60 + second) * 1000LL + millisecond;
}

TEST(TimingFormatTest, Stamp_WritesTwoDigitFieldsAndThreeDigitMilliseconds) {
  const struct {
    int64_t moment;
    const char* expected;
  } kCases[] = {
      {LocalMs(2000, 1, 2, 3, 4, 5, 6), "00.01.02 03:04:05:006"},
      {LocalMs(2024, 12, 31, 0, 0, 0, 0), "24.12.31 00:00:00:000"},
      {LocalMs(1999, 12, 31, 23, 59, 59, 999), "99.12.31 23:59:59:999"},
      {LocalMs(2024, 2, 29, 12, 30, 0, 50), "24.02.29 12:30:00:050"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TimingStamp(TimingMomentAt(c.moment)), c.expected);
  }
}

TEST(TimingFormatTest, TotalAndRun_DropWholeDaysAndWholeMinutes) {
  const struct {
    int64_t elapsed_ms;
    const char* total;
    const char* run;
  } kCases[] = {
      {0, "00:00:00:000", "00:000"},
      {999, "00:00:00:999", "00:999"},
      {1000, "00:00:01:000", "01:000"},
      {59'999, "00:00:59:999", "59:999"},
      {61'500, "00:01:01:500", "01:500"},
      {(3 * 3600 + 4 * 60 + 5) * 1000LL + 6, "03:04:05:006", "05:006"},
      {86'400'000, "00:00:00:000", "00:000"},
      {86'400'000 + (1 * 3600 + 2 * 60 + 3) * 1000LL + 4, "01:02:03:004", "03:004"},
      {-5, "00:00:00:000", "00:000"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(TimingTotal(c.elapsed_ms), c.total) << c.elapsed_ms;
    EXPECT_EQ(TimingRun(c.elapsed_ms), c.run) << c.elapsed_ms;
  }
}

TEST(TimingFormatTest, FilePath_AddsTheSeparatorOnlyWhenMissing) {
  EXPECT_EQ(TimingFilePath("/opt/kvir"), "/opt/kvir/_timing.txt");
  EXPECT_EQ(TimingFilePath("/opt/kvir/"), "/opt/kvir/_timing.txt");
  EXPECT_EQ(TimingFilePath("/"), "/_timing.txt");
}

TEST(TimingClockTest, SystemClock_GivesCalendarFieldsAndForwardTicks) {
  SystemTimingClock clock;
  const TimingMoment first = clock.Now();
  const TimingMoment second = clock.Now();
  EXPECT_GE(ElapsedMs(first, second), 0);
  EXPECT_GE(first.year, 2020);
  EXPECT_TRUE(first.month >= 1 && first.month <= 12 && first.day >= 1 && first.day <= 31);
  EXPECT_TRUE(first.hour < 24 && first.minute < 60 && first.second <= 60);
  EXPECT_TRUE(first.millisecond >= 0 && first.millisecond < 1000);
}

/// A clock that stands still until a driver moves it; every reading and call goes into one log.
class ScriptedClock : public TimingClock {
 public:
  explicit ScriptedClock(int64_t start_ms) : now_ms_(start_ms) {}

  TimingMoment Now() override {
    log.push_back("now");
    return TimingMomentAt(now_ms_);
  }
  void Advance(int64_t ms) { now_ms_ += ms; }

  std::vector<std::string> log;

 private:
  int64_t now_ms_;
};

/// How long one call of each scheme's driver takes on the scripted clock.
constexpr std::array<int64_t, kTimingSchemeCount> kDriverMs = {111, 222, 333, 444,   555,
                                                               666, 777, 888, 61'500};

/// Drivers that log "Pnn" and move `clock` by their scheme's time.
std::array<TimingDriver, kTimingSchemeCount> LoggingDrivers(ScriptedClock& clock) {
  std::array<TimingDriver, kTimingSchemeCount> drivers;
  for (int i = 0; i < kTimingSchemeCount; ++i) {
    drivers[i] = [&clock, i] {
      clock.log.push_back("P0" + std::to_string(i + 1));
      clock.Advance(kDriverMs[i]);
    };
  }
  return drivers;
}

/// The block a run with LoggingDrivers appends, given its two stamps and total.
std::string ExpectedBlock(const std::string& begin, const std::string& total,
                          const std::string& end) {
  const char* kFields[] = {"00:111", "00:222", "00:333", "00:444", "00:555",
                           "00:666", "00:777", "00:888", "01:500"};
  std::string block = "TIMING.B === " + begin + "\r\n";
  for (int i = 0; i < kTimingSchemeCount; ++i) {
    block += "P0" + std::to_string(i + 1) + " : |";
    for (int r = 0; r < kTimingRepetitions; ++r) block += std::string(kFields[i]) + "|";
    block += "\r\n";
  }
  return block + "TTM : " + total + "\r\nTIMING.E === " + end + "\r\n";
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class TimingRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kvir_timing_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    path_ = TimingFilePath(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void WriteFile(const std::string& contents) {
    std::ofstream(path_, std::ios::binary) << contents;
  }

  std::string dir_;
  std::string path_;
  ScriptedClock clock_{LocalMs(2000, 1, 2, 23, 59, 58, 500)};
  std::array<TimingDriver, kTimingSchemeCount> drivers_ = LoggingDrivers(clock_);
};

constexpr const char* kEarlier = "earlier runs\r\n";

TEST_F(TimingRunTest, Run_AppendsTwoCompleteBlocksAfterEarlierContents) {
  WriteFile(kEarlier);
  ASSERT_TRUE(RunTiming(path_, drivers_, clock_).ok());
  ASSERT_TRUE(RunTiming(path_, drivers_, clock_).ok());
  EXPECT_EQ(ReadAll(path_),
            kEarlier +
                ExpectedBlock("00.01.02 23:59:58:500", "00:10:54:960", "00.01.03 00:10:53:460") +
                ExpectedBlock("00.01.03 00:10:53:460", "00:10:54:960", "00.01.03 00:21:48:420"));
}

TEST_F(TimingRunTest, Run_TimesEachDriverCallBetweenTwoClockReadings) {
  WriteFile("");
  ASSERT_TRUE(RunTiming(path_, drivers_, clock_).ok());
  std::vector<std::string> expected = {"now"};
  for (int i = 0; i < kTimingSchemeCount; ++i) {
    for (int r = 0; r < kTimingRepetitions; ++r) {
      expected.insert(expected.end(), {"now", "P0" + std::to_string(i + 1), "now"});
    }
  }
  expected.push_back("now");
  EXPECT_EQ(clock_.log, expected);
}

/// What stands at the timing file's path, or goes wrong, in a failing run.
enum class Fault {
  kMissingFile,
  kDirectory,
  kReadOnlyFile,
  kDriverThrows,
  kFifoWithoutReader,
  kLinkLoop
};

bool HasCyrillic(const std::string& text) {
  // Every Cyrillic letter is D0 xx or D1 xx in UTF-8; the quotes « » are C2 AB, C2 BB.
  return text.find('\xD0') != std::string::npos || text.find('\xD1') != std::string::npos ||
         text.find("«") != std::string::npos;
}

TEST_F(TimingRunTest, Failure_AppendsNothingAndNamesTheFileAndTheCauseInItsLanguage) {
  const Language ru = Language::kRussian;
  const Language en = Language::kEnglish;
  const struct {
    const char* name;
    Fault fault;
    Language language;
    std::string cause;
    bool drivers_run;
  } kCases[] = {
      {"missing file", Fault::kMissingFile, ru, "Файл «" + path_ + "» не найден.", false},
      {"directory in its place", Fault::kDirectory, ru, "это каталог", false},
      {"read-only file", Fault::kReadOnlyFile, ru, "отказано в доступе", false},
      {"driver throws", Fault::kDriverThrows, ru, "картинка повреждена", true},
      // A FIFO nothing reads fails at once instead of waiting for a reader for ever.
      {"FIFO without a reader", Fault::kFifoWithoutReader, ru, SystemErrorText(ENXIO, ru), false},
      {"a loop of links", Fault::kLinkLoop, ru, "слишком много символических ссылок", false},
      {"missing file, in English", Fault::kMissingFile, en, "was not found", false},
      {"directory in its place, in English", Fault::kDirectory, en, "is a directory", false},
      {"driver throws, in English", Fault::kDriverThrows, en, "The timing of scheme 03", true},
      {"FIFO without a reader, in English", Fault::kFifoWithoutReader, en,
       SystemErrorText(ENXIO, en), false},
      {"a loop of links, in English", Fault::kLinkLoop, en, "too many symbolic links", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    if (c.fault == Fault::kReadOnlyFile && geteuid() == 0) continue;  // root writes anyway
    std::filesystem::remove_all(path_);
    clock_.log.clear();
    auto drivers = drivers_;
    const bool file_stays = c.fault == Fault::kReadOnlyFile || c.fault == Fault::kDriverThrows;
    if (file_stays) WriteFile(kEarlier);
    if (c.fault == Fault::kDirectory) std::filesystem::create_directory(path_);
    if (c.fault == Fault::kReadOnlyFile) chmod(path_.c_str(), 0444);
    if (c.fault == Fault::kFifoWithoutReader) {
      ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    }
    if (c.fault == Fault::kLinkLoop) std::filesystem::create_symlink(path_, path_);
    if (c.fault == Fault::kDriverThrows) {
      drivers[2] = [] { throw std::runtime_error("картинка повреждена"); };
    }

    const TimingResult result = RunTiming(path_, drivers, clock_, c.language);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find(path_), std::string::npos) << result.error;
    EXPECT_NE(result.error.find(c.cause), std::string::npos) << result.error;
    if (c.language == en && c.fault != Fault::kDriverThrows) {
      EXPECT_FALSE(HasCyrillic(result.error)) << result.error;
    }
    EXPECT_EQ(!clock_.log.empty(), c.drivers_run);
    if (file_stays) {
      EXPECT_EQ(ReadAll(path_), kEarlier);
    } else {
      std::error_code loop;  // a loop of links has no status
      EXPECT_FALSE(std::filesystem::is_regular_file(path_, loop));
    }
  }
}

TEST_F(TimingRunTest, Failure_FullDeviceIsReportedAsAFailure) {
  const TimingResult result = RunTiming("/dev/full", drivers_, clock_);
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error.find("/dev/full"), std::string::npos) << result.error;
  EXPECT_NE(result.error.find("нет места"), std::string::npos) << result.error;
}

/// Limits the size of files this process may write, and ignores the signal that going over sends.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  void (*old_handler_)(int);
};

TEST_F(TimingRunTest, Failure_WriteFailingPartWayLeavesEarlierContentsOnly) {
  WriteFile(kEarlier);
  TimingResult result;
  {
    FileSizeLimit limit(std::string(kEarlier).size() + 100);
    result = RunTiming(path_, drivers_, clock_);
  }
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error.find(path_), std::string::npos) << result.error;
  EXPECT_NE(result.error.find("файл слишком велик"), std::string::npos) << result.error;
  EXPECT_EQ(ReadAll(path_), kEarlier);
}

}  // namespace
}  // namespace kvir
