// Where `kvir-cli render -o` writes: regular files replaced whole, links followed, devices and
// FIFOs written through, "-" for standard output, and the failures each one can meet.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

namespace fs = std::filesystem;
using clitest::CliRun;
using clitest::Invoke;
using clitest::ReadFile;

mode_t TypeOf(const fs::path& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

mode_t PermissionsOf(const fs::path& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A directory this process cannot create files in. Permissions do not stop root, so as root the
// sysfs root stands in: it refuses new files to everyone.
fs::path UnwritableDirectory(const fs::path& scratch) {
  const fs::path dir = scratch / "locked";
  fs::create_directory(dir);
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const int fd = open((dir / "probe").c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return dir;
  close(fd);
  fs::remove(dir / "probe");
  return "/sys";
}

class RenderOutputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One name per process: CTest runs each case of this suite in a process of its own, at once.
    const fs::path file = fs::path(::testing::TempDir()) /
                          ("kvir_render_reference_" + std::to_string(getpid()) + ".png");
    const CliRun run = Invoke({"render", "3", "IN02", "-o", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    reference_ = new std::string(ReadFile(file));
    fs::remove(file);
  }
  static void TearDownTestSuite() { delete reference_; }

  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "kvir-render-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    for (const auto& entry : fs::directory_iterator(dir_)) {
      if (entry.is_directory()) fs::permissions(entry, fs::perms::owner_all);
    }
    fs::remove_all(dir_);
  }

  static CliRun Render(const std::string& target) {
    return Invoke({"render", "3", "IN02", "-o", target});
  }

  static std::string* reference_;  // the PNG rendered to a plain new file
  fs::path dir_;
};

std::string* RenderOutputTest::reference_ = nullptr;

TEST_F(RenderOutputTest, EachKindOfTargetGetsThePicture) {
  struct Case {
    const char* what;
    std::function<std::string(const fs::path& dir)> prepare;  // returns the -o argument
    std::function<void(const fs::path& dir)> check;           // after the run
  };
  const std::string png = *reference_;
  const Case cases[] = {
      {"a symbolic link: its target is written, the link kept",
       [](const fs::path& dir) {
         std::ofstream(dir / "target.png") << "old";
         fs::create_symlink("target.png", dir / "link.png");
         return (dir / "link.png").string();
       },
       [&png](const fs::path& dir) {
         EXPECT_EQ(TypeOf(dir / "link.png"), S_IFLNK);
         EXPECT_EQ(ReadFile(dir / "target.png"), png);
         EXPECT_EQ(Entries(dir), (std::vector<std::string>{"link.png", "target.png"}));
       }},
      {"a dangling symbolic link: its target is created",
       [](const fs::path& dir) {
         fs::create_symlink("new.png", dir / "link.png");
         return (dir / "link.png").string();
       },
       [&png](const fs::path& dir) {
         EXPECT_EQ(TypeOf(dir / "link.png"), S_IFLNK);
         EXPECT_EQ(ReadFile(dir / "new.png"), png);
         EXPECT_EQ(PermissionsOf(dir / "new.png"), 0640u) << "0666 less the umask 027";
       }},
      {"a regular file: replaced whole, keeping its mode",
       [](const fs::path& dir) {
         std::ofstream(dir / "old.png") << "old contents";
         fs::permissions(dir / "old.png", fs::perms::owner_read | fs::perms::owner_write);
         return (dir / "old.png").string();
       },
       [&png](const fs::path& dir) {
         EXPECT_EQ(ReadFile(dir / "old.png"), png);
         EXPECT_EQ(PermissionsOf(dir / "old.png"), 0600u) << "its own, not the umask's";
         EXPECT_EQ(Entries(dir), std::vector<std::string>{"old.png"}) << "no temporary left";
       }},
  };
  const mode_t saved = umask(027);  // the tool inherits it
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    const std::string target = c.prepare(dir_);
    const CliRun run = Render(target);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, target + "\n");
    c.check(dir_);
  }
  umask(saved);
}

TEST_F(RenderOutputTest, AFifoIsWrittenThroughAndKept) {
  const fs::path fifo = dir_ / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = ReadFile(fifo); });  // opening blocks until the tool writes
  const CliRun run = Render(fifo.string());
  reader.join();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(received, *reference_);
  EXPECT_EQ(TypeOf(fifo), S_IFIFO);
}

TEST_F(RenderOutputTest, DashWritesThePngToStandardOutput) {
  const CliRun run = Render("-");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, *reference_);
}

TEST_F(RenderOutputTest, FailuresExitOneWithARussianCauseAndChangeNothing) {
  struct Case {
    std::string target;
    const char* cause;
  };
  const fs::path locked = UnwritableDirectory(dir_);
  fs::create_directory(dir_ / "taken.png");
  const Case cases[] = {
      {"/dev/full", "ошибка записи: нет места на устройстве"},
      {(locked / "out.png").string(), "не создаётся временный файл: отказано в доступе"},
      {(dir_ / "missing" / "out.png").string(),
       "не создаётся временный файл: нет такого файла или каталога"},
      {(dir_ / "taken.png").string(), "это каталог"},
  };
  for (const Case& c : cases) {
    const CliRun run = Render(c.target);
    EXPECT_EQ(run.status, 1) << c.target;
    EXPECT_TRUE(run.out.empty()) << c.target;
    EXPECT_EQ(run.err, "kvir-cli: Не удалось записать " + c.target + ": " + c.cause + "\n");
  }
  EXPECT_EQ(TypeOf("/dev/full"), S_IFCHR) << "the device node is left in place";
  EXPECT_FALSE(fs::exists(locked / "out.png"));
  EXPECT_EQ(Entries(dir_), (std::vector<std::string>{"locked", "taken.png"}));
}

// --lang en words the same failures in English; the path stays as given.
TEST_F(RenderOutputTest, FailuresUnderLangEnAreWordedInEnglish) {
  fs::create_directory(dir_ / "taken.png");
  const struct {
    std::string target;
    const char* cause;
  } cases[] = {
      {"/dev/full", "write error: no space left on device"},
      {(dir_ / "missing" / "out.png").string(),
       "cannot create a temporary file: no such file or directory"},
      {(dir_ / "taken.png").string(), "is a directory"},
  };
  for (const auto& c : cases) {
    const CliRun run = Invoke({"--lang", "en", "render", "3", "IN02", "-o", c.target});
    EXPECT_EQ(run.status, 1) << c.target;
    EXPECT_EQ(run.err, "kvir-cli: Could not write " + c.target + ": " + c.cause + "\n");
  }
  EXPECT_EQ(Entries(dir_), (std::vector<std::string>{"taken.png"}));
}

TEST_F(RenderOutputTest, TheExtensionDecidesTheTypeAndOthersAreRefused) {
  struct Case {
    const char* name;
    const char* written;  // nullptr: refused
  };
  const Case cases[] = {{"out.png", "out.png"}, {"OUT.PNG", "OUT.PNG"},   {"out", "out.png"},
                        {"out.jpg", nullptr},   {"out.PnG.bmp", nullptr}, {"out.", nullptr},
                        {".png.gif", nullptr}};
  for (const Case& c : cases) {
    const fs::path target = dir_ / c.name;
    const CliRun run = Render(target.string());
    EXPECT_EQ(run.status, c.written ? 0 : 2) << c.name << ": " << run.err;
    if (c.written) {
      EXPECT_EQ(run.out, (dir_ / c.written).string() + "\n") << "the name written is printed";
      EXPECT_EQ(ReadFile(dir_ / c.written), *reference_) << c.name;
      fs::remove(dir_ / c.written);
    } else {
      EXPECT_NE(run.err.find("поддерживаемые типы: .png"), std::string::npos) << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
  }
  EXPECT_TRUE(Entries(dir_).empty()) << "nothing written for a refused type";
}

}  // namespace
}  // namespace kvir
