#pragma once
// Runs the built kvir-cli as a user does, without a shell: its arguments exactly as given, its
// standard output and error captured through pipes, its exit status.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace kvir::clitest {

/// The parts of `text` between the separators (a separator at the end ends the last part).
inline std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

/// The bytes of the file at `path`; empty where it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct CliRun {
  int status = -1;  ///< exit status, -1 when the tool did not exit normally
  int signal = 0;   ///< the signal that ended the tool, 0 when it exited
  std::string out;
  std::string err;

  std::vector<std::string> lines() const { return Split(out, '\n'); }
};

/// Where Spawn puts the tool's standard output besides a descriptor of the caller's.
inline constexpr int kCaptured = -1;  ///< a pipe read into CliRun::out
inline constexpr int kClosed = -2;    ///< nowhere: the descriptor is closed

namespace detail {

// Reads both pipes to their ends; reading only one could stall a tool that fills the other.
inline void Drain(int out_fd, int err_fd, CliRun& run) {
  std::array<pollfd, 2> fds = {{{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}}};
  std::array<std::string*, 2> sinks = {&run.out, &run.err};
  std::array<char, 4096> buffer;
  for (int open = 2; open > 0;) {
    if (poll(fds.data(), fds.size(), -1) < 0) {
      ASSERT_EQ(errno, EINTR) << "poll: " << std::strerror(errno);
      continue;
    }
    for (size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = read(fds[i].fd, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      ASSERT_GE(n, 0) << "read: " << std::strerror(errno);
      if (n == 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      } else {
        sinks[i]->append(buffer.data(), static_cast<size_t>(n));
      }
    }
  }
}

/// Runs kvir-cli with standard error captured and standard output captured too, or (when
/// `out_fd` is not kCaptured) given `out_fd`, or closed (kClosed). SIGPIPE is the default action
/// in the tool whatever this process does with it, as in a shell.
inline void Spawn(const std::vector<std::string>& args, CliRun& run, int out_fd) {
  int out[2], err[2];
  ASSERT_EQ(pipe(out), 0) << std::strerror(errno);
  ASSERT_EQ(pipe(err), 0) << std::strerror(errno);
  posix_spawn_file_actions_t actions;
  ASSERT_EQ(posix_spawn_file_actions_init(&actions), 0);
  if (out_fd == kCaptured) {
    ASSERT_EQ(posix_spawn_file_actions_adddup2(&actions, out[1], 1), 0);
  } else if (out_fd == kClosed) {
    ASSERT_EQ(posix_spawn_file_actions_addclose(&actions, 1), 0);
  } else {
    ASSERT_EQ(posix_spawn_file_actions_adddup2(&actions, out_fd, 1), 0);
  }
  ASSERT_EQ(posix_spawn_file_actions_adddup2(&actions, err[1], 2), 0);
  for (int fd : {out[0], out[1], err[0], err[1]}) {
    ASSERT_EQ(posix_spawn_file_actions_addclose(&actions, fd), 0);
  }
  posix_spawnattr_t attributes;
  ASSERT_EQ(posix_spawnattr_init(&attributes), 0);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  ASSERT_EQ(posix_spawnattr_setsigdefault(&attributes, &defaults), 0);
  ASSERT_EQ(posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF), 0);
  std::vector<char*> argv = {const_cast<char*>(KVIR_CLI_PATH)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, KVIR_CLI_PATH, &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(out[1]);
  close(err[1]);
  if (spawned != 0) {
    close(out[0]);
    close(err[0]);
    FAIL() << "posix_spawn " << KVIR_CLI_PATH << ": " << std::strerror(spawned);
  }
  Drain(out[0], err[0], run);
  int raw = 0;
  while (waitpid(pid, &raw, 0) < 0) ASSERT_EQ(errno, EINTR) << std::strerror(errno);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
}

}  // namespace detail

/// Runs kvir-cli with exactly these arguments.
inline CliRun Invoke(const std::vector<std::string>& args) {
  CliRun run;
  detail::Spawn(args, run, kCaptured);
  return run;
}

/// Runs kvir-cli with exactly these arguments and its standard output on `out_fd` (a descriptor,
/// or kClosed); CliRun::out stays empty.
inline CliRun InvokeWritingTo(const std::vector<std::string>& args, int out_fd) {
  CliRun run;
  detail::Spawn(args, run, out_fd);
  return run;
}

/// Runs kvir-cli with the blank-separated words of `words` as its arguments.
inline CliRun Invoke(const std::string& words) {
  std::vector<std::string> args;
  std::istringstream in(words);
  for (std::string word; in >> word;) args.push_back(word);
  return Invoke(args);
}

/// A folder of the test's own under the test temporary folder, removed with everything in it when
/// this object goes: tests that run at once never write the same file.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = ::testing::TempDir() + "kvir-cli-test-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern + "/";
    EXPECT_FALSE(path_.empty()) << "mkdtemp: " << std::strerror(errno);
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  /// The folder's path, ending in '/'.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace kvir::clitest
