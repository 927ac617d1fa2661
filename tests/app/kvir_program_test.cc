// The program kvir run as a user runs it, without a display or with hostile surroundings: no
// display, an unknown platform, a standard output that cannot be written, a settings file that
// is a FIFO or huge. Each ends at once with an exit code and at most one line of its own, never
// by a signal, never waiting.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct KvirRun {
  int status = -1;  ///< exit status, -1 when kvir did not exit normally
  int signal = 0;   ///< the signal that ended it
  bool timedOut = false;
  std::string out;
  std::string err;
  double seconds = 0;
};

/// Where kvir's standard output goes.
enum class Out { kCaptured, kPipeWithoutReader, kFullDevice, kClosed };

/// The environment of this process without the variables that choose a display or the settings,
/// and with `extra` ("NAME=value").
std::vector<std::string> Environment(const std::vector<std::string>& extra) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    const std::string name = variable.substr(0, variable.find('='));
    if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM" ||
        name == "XDG_CONFIG_HOME") {
      continue;
    }
    variables.push_back(variable);
  }
  variables.insert(variables.end(), extra.begin(), extra.end());
  return variables;
}

/// Runs kvir with `args` in `dir`, with SIGPIPE at its default action as in a shell; kills it
/// after 20 s.
KvirRun Kvir(const std::vector<std::string>& args, const std::vector<std::string>& environment,
             Out out_to = Out::kCaptured) {
  KvirRun run;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return run;
  int target = -1;
  if (out_to == Out::kPipeWithoutReader) {
    int ends[2];
    if (pipe(ends) != 0) return run;
    close(ends[0]);
    target = ends[1];
  } else if (out_to == Out::kFullDevice) {
    target = open("/dev/full", O_WRONLY | O_CLOEXEC);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out_to == Out::kCaptured) {
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  } else if (out_to == Out::kClosed) {
    posix_spawn_file_actions_addclose(&actions, 1);
  } else {
    posix_spawn_file_actions_adddup2(&actions, target, 1);
  }
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  for (int fd : {out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  std::vector<char*> argv = {const_cast<char*>(KVIR_PATH)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const std::string& variable : environment)
    envp.push_back(const_cast<char*>(variable.c_str()));
  envp.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, KVIR_PATH, &actions, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(out[1]);
  close(err[1]);
  if (target >= 0) close(target);
  if (spawned != 0) {
    close(out[0]);
    close(err[0]);
    return run;
  }
  std::array<pollfd, 2> fds = {{{out[0], POLLIN, 0}, {err[0], POLLIN, 0}}};
  std::array<std::string*, 2> sinks = {&run.out, &run.err};
  const auto deadline = start + std::chrono::seconds(20);
  for (int open = 2; open > 0;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      run.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    if (poll(fds.data(), fds.size(), static_cast<int>(left.count())) < 0) continue;
    for (size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      } else {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      }
    }
  }
  for (const pollfd& fd : fds) {
    if (fd.fd >= 0) close(fd.fd);
  }
  int raw = 0;
  while (waitpid(pid, &raw, 0) < 0 && errno == EINTR) {
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
  return run;
}

/// A folder of the test's own, removed at the end.
class Folder {
 public:
  Folder() {
    std::string pattern = ::testing::TempDir() + "kvir-program-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(KvirProgramTest, WithoutADisplayItSaysSoInOneLineAndEndsWithOne) {
  const std::string ru =
      "kvir: не удалось открыть окно: Qt не нашла дисплея, с которым может работать (см. "
      "переменную DISPLAY и параметр -platform)\n";
  const std::string en =
      "kvir: could not open the window: Qt found no display it can work with (see the DISPLAY "
      "variable and the -platform option)\n";
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> environment;
    std::string err;
  } kCases[] = {
      {"no DISPLAY", {}, {}, ru},
      {"an unknown platform", {"-platform", "bogus"}, {}, ru},
      {"an unknown platform in the environment", {}, {"QT_QPA_PLATFORM=bogus"}, ru},
      {"a display nobody serves", {}, {"DISPLAY=:97"}, ru},
      {"in English", {"--lang", "en"}, {}, en},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Folder settings;
    std::vector<std::string> extra = c.environment;
    extra.push_back("XDG_CONFIG_HOME=" + settings.path().string());
    const KvirRun run = Kvir(c.args, Environment(extra));
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
}

TEST(KvirProgramTest, HelpAndVersionEndWithOneWhenStandardOutputCannotBeWritten) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    Out out;
    const char* err;
  } kCases[] = {
      {"--version into a pipe nobody reads",
       {"--version"},
       Out::kPipeWithoutReader,
       "kvir: Не удалось записать стандартный вывод: канал закрыт читающей стороной\n"},
      {"--help into a pipe nobody reads",
       {"--help"},
       Out::kPipeWithoutReader,
       "kvir: Не удалось записать стандартный вывод: канал закрыт читающей стороной\n"},
      {"--version into a full device",
       {"--version"},
       Out::kFullDevice,
       "kvir: Не удалось записать стандартный вывод: нет места на устройстве\n"},
      {"--help closed",
       {"-h"},
       Out::kClosed,
       "kvir: Не удалось записать стандартный вывод: неверный дескриптор файла\n"},
      {"--version closed, in English",
       {"--lang", "en", "-v"},
       Out::kClosed,
       "kvir: Could not write the standard output: bad file descriptor\n"},
  };
  Folder settings;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const KvirRun run =
        Kvir(c.args, Environment({"XDG_CONFIG_HOME=" + settings.path().string()}), c.out);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.err);
  }
}

/// What stands where a settings file would be.
enum class Settings { kFifo, kHugeFile, kDirectory, kLinkToADevice };

// A settings file that is not a regular file, or is huge, is not opened: the program starts with
// the defaults and says so once. --version shows it without a display.
TEST(KvirProgramTest, AnUnreadableSettingsFileIsNotOpened) {
  const struct {
    const char* name;
    const char* file;  // under XDG_CONFIG_HOME
    Settings settings;
    const char* language;
    std::string err;  // %: the file's path
  } kCases[] = {
      {"a FIFO", "kvir/kvir.conf", Settings::kFifo, "ru",
       "kvir: настройки не прочитаны: «%» — не обычный файл; программа начинает с настроек по "
       "умолчанию и не сохраняет их\n"},
      {"a FIFO for the organisation", "kvir.conf", Settings::kFifo, "ru",
       "kvir: настройки не прочитаны: «%» — не обычный файл; программа начинает с настроек по "
       "умолчанию и не сохраняет их\n"},
      {"200 MB", "kvir/kvir.conf", Settings::kHugeFile, "ru",
       "kvir: настройки не прочитаны: файл «%» больше 1 МиБ; программа начинает с настроек по "
       "умолчанию и не сохраняет их\n"},
      {"a folder", "kvir/kvir.conf", Settings::kDirectory, "ru",
       "kvir: настройки не прочитаны: «%» — не обычный файл; программа начинает с настроек по "
       "умолчанию и не сохраняет их\n"},
      {"a link to /dev/zero, in English", "kvir/kvir.conf", Settings::kLinkToADevice, "en",
       "kvir: settings not read: \"%\" is not a regular file; the program starts with the default "
       "settings and does not save them\n"},
      {"200 MB, in English", "kvir/kvir.conf", Settings::kHugeFile, "en",
       "kvir: settings not read: the file \"%\" is larger than 1 MiB; the program starts with the "
       "default settings and does not save them\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Folder config;
    const fs::path file = config.path() / c.file;
    fs::create_directories(file.parent_path());
    switch (c.settings) {
      case Settings::kFifo:
        ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
        break;
      case Settings::kHugeFile:
        std::ofstream{file};
        fs::resize_file(file, 200'000'000);  // sparse: costs no disk
        break;
      case Settings::kDirectory:
        fs::create_directory(file);
        break;
      case Settings::kLinkToADevice:
        fs::create_symlink("/dev/zero", file);
        break;
    }
    const KvirRun run = Kvir({"--lang", c.language, "--version"},
                             Environment({"XDG_CONFIG_HOME=" + config.path().string()}));
    EXPECT_FALSE(run.timedOut);
    EXPECT_LT(run.seconds, 10);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "kvir 1.0\n");
    std::string err = c.err;
    err.replace(err.find('%'), 1, file.string());
    EXPECT_EQ(run.err, err);
  }
}

}  // namespace
