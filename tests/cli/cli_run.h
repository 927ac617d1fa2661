#pragma once
// Runs the built kvir-cli as a user does, without a shell: its arguments exactly as given, its
// standard output and error captured through pipes, its exit status.

#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace kvir::clitest {

struct CliRun {
  int status = -1;  ///< exit status, -1 when the tool did not exit normally
  std::string out;
  std::string err;

  std::vector<std::string> lines() const {
    std::vector<std::string> result;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
  }
};

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

inline void Spawn(const std::vector<std::string>& args, CliRun& run) {
  int out[2], err[2];
  ASSERT_EQ(pipe(out), 0) << std::strerror(errno);
  ASSERT_EQ(pipe(err), 0) << std::strerror(errno);
  posix_spawn_file_actions_t actions;
  ASSERT_EQ(posix_spawn_file_actions_init(&actions), 0);
  for (const auto& [from, to] : {std::pair{out[1], 1}, std::pair{err[1], 2}}) {
    ASSERT_EQ(posix_spawn_file_actions_adddup2(&actions, from, to), 0);
  }
  for (int fd : {out[0], out[1], err[0], err[1]}) {
    ASSERT_EQ(posix_spawn_file_actions_addclose(&actions, fd), 0);
  }
  std::vector<char*> argv = {const_cast<char*>(KVIR_CLI_PATH)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, KVIR_CLI_PATH, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
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
}

}  // namespace detail

/// Runs kvir-cli with exactly these arguments.
inline CliRun Invoke(const std::vector<std::string>& args) {
  CliRun run;
  detail::Spawn(args, run);
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
