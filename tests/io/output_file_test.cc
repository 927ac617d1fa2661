// The file writer called in-process: the texts for system errors, a write through /dev/full
// reported as a value rather than thrown, and each kind of target: FIFOs with and without a
// reader, the program's own descriptors, links, protected files, files with several links, long
// names and the file size limit. Cases that hang, die of a signal or need another user run in a
// child process.

#include "io/output_file.h"

#include "io/error_texts.h"
#include "io/write_signals.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace kvir {
namespace {

TEST(SystemErrorText, NamesTheCommonCausesInRussian) {
  struct Case {
    int error;
    const char* text;
  };
  const Case cases[] = {
      {ENOENT, "нет такого файла или каталога"},     {EACCES, "отказано в доступе"},
      {ENOSPC, "нет места на устройстве"},           {EISDIR, "это каталог"},
      {EROFS, "файловая система только для чтения"},
  };
  for (const Case& c : cases) EXPECT_EQ(SystemErrorText(c.error), c.text) << c.error;
}

// Whatever the number, the user never reads an English system text.
TEST(SystemErrorText, NeverFallsBackToLatinLetters) {
  for (int error = 0; error < 200; ++error) {
    const std::string text = SystemErrorText(error);
    EXPECT_FALSE(text.empty()) << error;
    for (char c : text) {
      ASSERT_FALSE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) << error << ": " << text;
    }
  }
}

// The program's English windows word the same causes in English, and fall back to no Cyrillic.
TEST(SystemErrorText, NamesTheCausesInEnglishForEnglishWindows) {
  EXPECT_EQ(SystemErrorText(ENOENT, Language::kEnglish), "no such file or directory");
  EXPECT_EQ(SystemErrorText(EISDIR, Language::kEnglish), "is a directory");
  for (int error = 0; error < 200; ++error) {
    const std::string text = SystemErrorText(error, Language::kEnglish);
    EXPECT_FALSE(text.empty()) << error;
    for (char c : text) ASSERT_GE(c, 0) << error << ": " << text;  // ASCII only
  }
}

TEST(WriteOutputFile, ReportsAFullDeviceAsAValueAndLeavesTheDevice) {
  const std::vector<uint8_t> bytes(4096, 0x55);
  const FileStatus status = WriteOutputFile("/dev/full", bytes);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(FileStatusMessage(status),
            "Не удалось записать /dev/full: ошибка записи: нет места на устройстве");
  EXPECT_EQ(status.error(), ENOSPC);
  struct stat info;
  ASSERT_EQ(lstat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

namespace fs = std::filesystem;

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void MakeFile(const fs::path& path, const std::string& text, mode_t mode) {
  std::ofstream(path, std::ios::binary) << text;
  chmod(path.c_str(), mode);
}

std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

struct stat Info(const fs::path& path) {
  struct stat info = {};
  lstat(path.c_str(), &info);
  return info;
}

/// The user permission cases run as: this process's, or nobody's when this is root, since root
/// may write anything and so cannot show what a user may not.
struct TestUser {
  uid_t uid;
  gid_t gid;
  bool switched;  ///< the child becomes this user
};

TestUser UserForPermissions() {
  if (geteuid() == 0) return {65534, 65534, true};
  return {geteuid(), getegid(), false};
}

/// A new directory for one test, owned by `user`, removed with all it holds.
class Scratch {
 public:
  explicit Scratch(const TestUser* user = nullptr) : user_(user) {
    std::string name = ::testing::TempDir() + "kvir-io-XXXXXX";
    if (mkdtemp(name.data()) != nullptr) path_ = name;
    chmod(path_.c_str(), 0755);
    Own(path_);
  }
  ~Scratch() {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
      if (entry.is_directory(ignored)) chmod(entry.path().c_str(), 0755);
    }
    chmod(path_.c_str(), 0755);
    fs::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }

  /// Hands `path` to the test user, where this process may.
  void Own(const fs::path& path) const {
    if (user_ != nullptr && user_->switched) {
      EXPECT_EQ(lchown(path.c_str(), user_->uid, user_->gid), 0) << path;
    }
  }

 private:
  const TestUser* user_;
  fs::path path_;
};

/// Collects what went wrong in a child process, one line each.
class Faults {
 public:
  void Expect(bool held, const std::string& what) {
    if (!held) text_ += what + "\n";
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

/// Runs `body` in a child process, as `user` when given, and returns the faults it found: empty
/// when all held. A child that hangs is ended after `seconds`; one that dies says of what.
std::string InChild(const std::function<std::string()>& body, const TestUser* user = nullptr,
                    unsigned seconds = 10) {
  int report[2];
  if (pipe(report) != 0) return "no pipe";
  fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return "no fork";
  if (child == 0) {
    close(report[0]);
    alarm(seconds);
    std::string faults;
    if (user != nullptr && user->switched &&
        (setgroups(0, nullptr) != 0 || setresgid(user->gid, user->gid, user->gid) != 0 ||
         setresuid(user->uid, user->uid, user->uid) != 0)) {
      faults = "cannot become the test user";
    } else {
      faults = body();
    }
    if (!faults.empty()) (void)!write(report[1], faults.data(), faults.size());
    _exit(0);
  }
  close(report[1]);
  std::string faults;
  char buffer[4096];
  for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    faults.append(buffer, static_cast<size_t>(got));
  }
  close(report[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFSIGNALED(status)) faults += "killed by signal " + std::to_string(WTERMSIG(status)) + "\n";
  return faults;
}

// Opening a FIFO waits for a reader: without one the writer would wait forever.
TEST(WriteOutputFile, AFifoNobodyReadsFailsAtOnce) {
  Scratch dir;
  const std::string fifo = dir / "f.png";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(InChild(
                [&] {
                  Faults faults;
                  const FileStatus status = WriteOutputFile(fifo, Bytes("png"));
                  faults.Expect(status.step() == FileStep::kNoReader, "not kNoReader");
                  faults.Expect(status.error() == ENXIO, "not ENXIO");
                  faults.Expect(FileStatusMessage(status) ==
                                    "Не удалось записать " + fifo + ": канал никто не читает",
                                FileStatusMessage(status));
                  faults.Expect(FileStatusMessage(status, Language::kEnglish) ==
                                    "Could not write " + fifo + ": nothing reads the FIFO",
                                FileStatusMessage(status, Language::kEnglish));
                  return faults.text();
                },
                nullptr, 5),
            "");
  EXPECT_TRUE(S_ISFIFO(Info(fifo).st_mode));
}

// Opened without waiting, the FIFO is written as any pipe: each write waits for room.
TEST(WriteOutputFile, AFifoWithAReaderGetsEveryByte) {
  Scratch dir;
  const std::string fifo = dir / "f";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_EQ(fcntl(reader, F_SETFL, 0), 0);
  std::string bytes(256 * 1024, '\0');  // four times what a pipe holds
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  std::string received;
  std::thread drain([&] {
    // Until the writer opens it, the FIFO reads as at its end; so read until all has come.
    char buffer[8192];
    for (int idle = 0; received.size() < bytes.size() && idle < 10000;) {
      const ssize_t got = read(reader, buffer, sizeof buffer);
      if (got > 0) {
        received.append(buffer, static_cast<size_t>(got));
      } else {
        ++idle;
        usleep(1000);
      }
    }
  });
  const FileStatus status = WriteOutputFile(fifo, Bytes(bytes));
  drain.join();
  close(reader);
  EXPECT_TRUE(status.ok()) << FileStatusMessage(status);
  EXPECT_TRUE(received == bytes) << received.size();
}

// A name of the standard output, or of another open descriptor, writes through that descriptor
// as the shell opened it: a log opened for appending keeps its first line, and stays the same file.
TEST(WriteOutputFile, DescriptorNamesAndLinksToThemWriteThroughTheDescriptor) {
  Scratch dir;
  const fs::path log = dir / "app.log";
  const std::string up = "../../../../../../../../..";  // from the scratch directory to /
  const struct {
    const char* name;
    const char* link;  ///< when not empty, the name is a link to this
  } kCases[] = {
      {"/dev/stdout", ""},
      {"/dev/fd/1", ""},
      {"/proc/self/fd/1", ""},
      {"/dev/fd/7", ""},
      {"myout.png", "/proc/self/fd/1"},
      {"myout.png", "/dev/stdout"},
      {"myout.png", "/dev/fd/7"},
      {"relative.png", "../../../../../../../../../../dev/fd/7"},
      {"relative.png", "../../../../../../../../../../proc/self/fd/1"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.name) + " -> " + c.link);
    MakeFile(log, "first line\n", 0644);
    const ino_t inode = Info(log).st_ino;
    std::string name = c.name;
    if (*c.link != '\0') {
      name = dir / c.name;
      fs::create_symlink(c.link, name);
    }
    EXPECT_EQ(InChild([&] {
                const int fd = open(log.c_str(), O_WRONLY | O_APPEND);
                if (fd < 0 || dup2(fd, 1) != 1 || dup2(fd, 7) != 7) return std::string("no log");
                Faults faults;
                faults.Expect(WritesStandardOutput(name), "not seen as the standard output");
                const FileStatus status = WriteOutputFile(name, Bytes("PNG"));
                faults.Expect(status.ok(), FileStatusMessage(status));
                return faults.text();
              }),
              "");
    EXPECT_EQ(ReadFile(log), "first line\nPNG");
    EXPECT_EQ(Info(log).st_ino, inode) << "replaced";
    fs::remove(log);
    if (*c.link != '\0') fs::remove(name);
    EXPECT_TRUE(Entries(dir.path()).empty());
  }
}

// When the standard output is a pipe, its name leads to "pipe:[N]", which is no file to make.
TEST(WriteOutputFile, AStandardOutputPipeIsWrittenThrough) {
  Scratch dir;
  const fs::path link = dir / "myout.png";
  fs::create_symlink("/proc/self/fd/1", link);
  for (const std::string& name : {std::string("/dev/stdout"), link.string()}) {
    SCOPED_TRACE(name);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    EXPECT_EQ(InChild([&] {
                close(ends[0]);
                if (dup2(ends[1], 1) != 1) return std::string("no pipe");
                Faults faults;
                faults.Expect(WritesStandardOutput(name), "not seen as the standard output");
                const FileStatus status = WriteOutputFile(name, Bytes("PNG"));
                faults.Expect(status.ok(), FileStatusMessage(status));
                return faults.text();
              }),
              "");
    close(ends[1]);
    char buffer[16];
    const ssize_t got = read(ends[0], buffer, sizeof buffer);
    close(ends[0]);
    EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<size_t>(got) : 0), "PNG");
  }
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"myout.png"});
}

TEST(WritesStandardOutput, IsTrueExactlyForTheFileTheStandardOutputIs) {
  Scratch dir;
  MakeFile(dir / "app.log", "", 0644);
  MakeFile(dir / "other.png", "", 0644);
  fs::create_symlink("/proc/self/fd/1", dir / "myout.png");
  fs::create_symlink("app.log", dir / "log.png");
  const struct {
    std::string path;
    bool open;    ///< with the standard output open on app.log, else closed
    bool writes;  ///< the answer
  } kCases[] = {
      {"-", true, true},
      {"/dev/stdout", true, true},
      {dir / "myout.png", true, true},
      {dir / "app.log", true, true},
      {dir / "log.png", true, true},
      {"/dev/stderr", true, false},
      {dir / "other.png", true, false},
      {dir / "missing.png", true, false},
      {"-", false, true},
      {"/dev/stdout", false, false},
      {dir / "app.log", false, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.path + (c.open ? " open" : " closed"));
    EXPECT_EQ(InChild([&] {
                const int fd = open((dir / "app.log").c_str(), O_WRONLY);
                if (fd < 0 || dup2(fd, 1) != 1) return std::string("no log");
                const int err = open((dir / "other.png").c_str(), O_WRONLY);
                if (err < 0 || dup2(err, 2) != 2) return std::string("no error file");
                if (!c.open) close(1);
                return WritesStandardOutput(c.path) == c.writes ? std::string() : "wrong answer";
              }),
              "");
  }
}

// A type's suffix must be checked on the file written: out.png may lead to someone's notes.txt.
TEST(WrittenFileName, FollowsLinksToTheNameWritten) {
  Scratch dir;
  const std::string d = dir.path().string() + "/";
  MakeFile(dir / "notes.txt", "notes", 0644);
  fs::create_symlink("notes.txt", dir / "out.png");
  fs::create_symlink("out.png", dir / "chain.png");
  fs::create_symlink(dir / "new.txt", dir / "dangling.png");
  fs::create_symlink("/proc/self/fd/1", dir / "stdout.png");
  fs::create_symlink("loop2.png", dir / "loop1.png");
  fs::create_symlink("loop1.png", dir / "loop2.png");
  const struct {
    std::string path;
    std::string written;
  } kCases[] = {
      {d + "notes.txt", d + "notes.txt"}, {d + "out.png", d + "notes.txt"},
      {d + "chain.png", d + "notes.txt"}, {d + "dangling.png", d + "new.txt"},
      {d + "new.png", d + "new.png"},     {d + "stdout.png", "/proc/self/fd/1"},
      {"/dev/stdout", "/dev/stdout"},     {"-", "-"},
      {d + "loop1.png", d + "loop1.png"}, {"plain.png", "plain.png"},
  };
  for (const auto& c : kCases) EXPECT_EQ(WrittenFileName(c.path), c.written) << c.path;
}

// A replaced file keeps what its owner set: its mode, and its owner and group where this process
// may give them (root may).
TEST(WriteOutputFile, AReplacedFileKeepsItsModeOwnerAndGroup) {
  const bool root = geteuid() == 0;
  Scratch dir;
  const fs::path file = dir / "picture.png";
  for (const mode_t mode : {0600, 0640, 0604, 0755, 0444}) {
    SCOPED_TRACE(std::to_string(mode));
    MakeFile(file, "old", mode);
    if (root) {
      ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
    }
    const struct stat before = Info(file);
    const FileStatus status = WriteOutputFile(file, Bytes("new"));
    if (!root && (mode & S_IWUSR) == 0) {  // the user's own read-only file
      EXPECT_EQ(status.step(), FileStep::kNotWritable);
      EXPECT_EQ(ReadFile(file), "old");
    } else {
      EXPECT_TRUE(status.ok()) << FileStatusMessage(status);
      EXPECT_EQ(ReadFile(file), "new");
    }
    const struct stat after = Info(file);
    EXPECT_EQ(after.st_mode & 07777, mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"picture.png"}) << "a temporary left";
    fs::remove(file);
  }
}

// A new file in place of one of several hard links would split them.
TEST(WriteOutputFile, AFileWithSeveralLinksIsWrittenInPlace) {
  Scratch dir;
  MakeFile(dir / "a.png", "old contents", 0644);
  fs::create_hard_link(dir / "a.png", dir / "b.png");
  fs::create_symlink("a.png", dir / "link.png");
  const ino_t inode = Info(dir / "a.png").st_ino;
  for (const std::string name : {"a.png", "link.png"}) {
    const std::string bytes = "new by " + name;
    const FileStatus status = WriteOutputFile(dir / name, Bytes(bytes));
    EXPECT_TRUE(status.ok()) << FileStatusMessage(status);
    EXPECT_EQ(ReadFile(dir / "b.png"), bytes);
    EXPECT_EQ(Info(dir / "a.png").st_ino, inode);
    EXPECT_EQ(Info(dir / "a.png").st_nlink, 2u);
  }
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"a.png", "b.png", "link.png"}));
}

// As cp would: a file the user may not write is not replaced, though its directory would allow it.
TEST(WriteOutputFile, RefusesAFileTheUserMayNotWrite) {
  const TestUser user = UserForPermissions();
  if (user.uid == 0) GTEST_SKIP() << "root may write any file";
  Scratch dir(&user);
  struct Case {
    const char* name;
    bool users;  ///< the user's own file, else root's
  };
  std::vector<Case> cases = {{"mine-read-only.png", true}};
  if (user.switched) cases.push_back({"roots.png", false});  // only root can make it
  for (const Case& c : cases) {
    MakeFile(dir / c.name, "old", c.users ? 0444 : 0644);
    if (c.users) dir.Own(dir / c.name);
  }
  EXPECT_EQ(InChild(
                [&] {
                  Faults faults;
                  for (const Case& c : cases) {
                    const std::string path = dir / c.name;
                    const FileStatus status = WriteOutputFile(path, Bytes("new"));
                    faults.Expect(FileStatusMessage(status) ==
                                      "Не удалось записать " + path +
                                          ": файл защищён от записи: отказано в доступе",
                                  FileStatusMessage(status));
                    faults.Expect(FileStatusMessage(status, Language::kEnglish) ==
                                      "Could not write " + path +
                                          ": the file may not be written: permission denied",
                                  FileStatusMessage(status, Language::kEnglish));
                  }
                  return faults.text();
                },
                &user),
            "");
  for (const Case& c : cases) {
    EXPECT_EQ(ReadFile(dir / c.name), "old") << c.name;
    EXPECT_EQ(Info(dir / c.name).st_mode & 07777, c.users ? 0444u : 0644u) << c.name;
  }
  EXPECT_EQ(Entries(dir.path()).size(), cases.size()) << "a temporary left";
}

// What the user may write but not replace, the writer writes where it is: a file in a directory
// the user may not add to, and another user's file whose owner a new file could not keep.
TEST(WriteOutputFile, WritesInPlaceAWritableFileItCannotReplace) {
  const TestUser user = UserForPermissions();
  if (user.uid == 0) GTEST_SKIP() << "root may replace any file";
  Scratch dir(&user);
  const fs::path locked = dir / "locked";
  fs::create_directory(locked);
  dir.Own(locked);
  MakeFile(locked / "mine.png", "old contents", 0644);
  dir.Own(locked / "mine.png");
  chmod(locked.c_str(), 0555);
  std::vector<fs::path> files = {locked / "mine.png"};
  if (user.switched) {  // root's file, writable by all, in the user's directory
    MakeFile(dir / "roots.png", "old contents", 0666);
    files.push_back(dir / "roots.png");
  }
  std::vector<struct stat> before;
  for (const fs::path& file : files) before.push_back(Info(file));
  EXPECT_EQ(InChild(
                [&] {
                  Faults faults;
                  for (const fs::path& file : files) {
                    const FileStatus status = WriteOutputFile(file, Bytes("new"));
                    faults.Expect(status.ok(), FileStatusMessage(status));
                  }
                  // Nothing to write in place: a new file needs the directory.
                  const std::string fresh = locked / "new.png";
                  const FileStatus status = WriteOutputFile(fresh, Bytes("new"));
                  faults.Expect(
                      status.step() == FileStep::kCreateTemporary && status.error() == EACCES,
                      FileStatusMessage(status));
                  return faults.text();
                },
                &user),
            "");
  for (size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(files[i]);
    EXPECT_EQ(ReadFile(files[i]), "new");
    const struct stat after = Info(files[i]);
    EXPECT_EQ(after.st_ino, before[i].st_ino);
    EXPECT_EQ(after.st_uid, before[i].st_uid);
    EXPECT_EQ(after.st_mode, before[i].st_mode);
  }
  EXPECT_EQ(Entries(locked), std::vector<std::string>{"mine.png"});
}

// The temporary's name is short, so any name the directory can hold can be written.
TEST(WriteOutputFile, NamesUpToTheLongestAFileMayHaveAreWritten) {
  Scratch dir;
  for (const size_t length : {246u, 250u, 255u}) {
    const std::string name = std::string(length - 4, 'n') + ".png";
    for (const bool exists : {false, true}) {
      SCOPED_TRACE(std::to_string(length) + (exists ? " replaced" : " new"));
      if (exists) MakeFile(dir / name, "old", 0644);
      const FileStatus status = WriteOutputFile(dir / name, Bytes("new"));
      EXPECT_TRUE(status.ok()) << FileStatusMessage(status);
      EXPECT_EQ(ReadFile(dir / name), "new");
      EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{name});
      fs::remove(dir / name);
    }
  }
}

// Past `ulimit -f`, with SIGXFSZ ignored, the write is refused and reported, and the temporary
// goes; the old file stays whole.
TEST(WriteOutputFile, AWritePastTheFileSizeLimitIsReportedAndLeavesNoTemporary) {
  Scratch dir;
  MakeFile(dir / "old.png", "old", 0644);
  EXPECT_EQ(InChild([&] {
              IgnoreWriteSignals();
              const rlimit limit = {.rlim_cur = 4096, .rlim_max = 4096};
              if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
              const std::string bytes(64 * 1024, 'x');
              Faults faults;
              for (const char* name : {"new.png", "old.png"}) {
                const std::string path = dir / name;
                const FileStatus status = WriteOutputFile(path, Bytes(bytes));
                faults.Expect(
                    FileStatusMessage(status) ==
                        "Не удалось записать " + path + ": ошибка записи: файл слишком велик",
                    FileStatusMessage(status));
              }
              return faults.text();
            }),
            "");
  EXPECT_EQ(ReadFile(dir / "old.png"), "old");
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"old.png"});
}

// A file of several links cannot be replaced by a new one: where the new content does not fit,
// the old content stays whole in every link, whatever its size against the limit.
TEST(WriteOutputFile, AFileWithSeveralLinksIsWholeOrUnchangedWhenItDoesNotFit) {
  for (const size_t old_size : {size_t{3}, size_t{4096}, size_t{6000}}) {
    Scratch dir;
    const std::string old_bytes(old_size, 'o');
    MakeFile(dir / "a.gift", old_bytes, 0644);
    fs::create_hard_link(dir / "a.gift", dir / "b.gift");
    EXPECT_EQ(InChild([&] {
                IgnoreWriteSignals();
                const rlimit limit = {.rlim_cur = 8192, .rlim_max = 8192};
                if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
                const FileStatus status =
                    WriteOutputFile(dir / "a.gift", Bytes(std::string(64 * 1024, 'n')));
                return status.ok() ? std::string("written beyond the limit") : std::string();
              }),
              "")
        << old_size;
    const std::string kept = ReadFile(dir / "b.gift");
    EXPECT_TRUE(kept == old_bytes) << old_size << " bytes became " << kept.size();
    EXPECT_TRUE(WriteOutputFile(dir / "a.gift", Bytes(std::string("new"))).ok());
    EXPECT_EQ(ReadFile(dir / "b.gift"), "new") << "a shorter content leaves no tail of the old";
  }
}

// Ignored, the two signals a write can die of become errors: here a pipe whose reader is gone.
TEST(IgnoreWriteSignals, IgnoresSigpipeAndSigxfszSoAClosedPipeIsReported) {
  EXPECT_EQ(
      InChild([] {
        IgnoreWriteSignals();
        Faults faults;
        for (const int signal : {SIGPIPE, SIGXFSZ}) {
          struct sigaction action = {};
          sigaction(signal, nullptr, &action);
          faults.Expect(action.sa_handler == SIG_IGN, "not ignored: " + std::to_string(signal));
        }
        int ends[2];
        if (pipe(ends) != 0) return std::string("no pipe");
        close(ends[0]);
        const std::string path = "/dev/fd/" + std::to_string(ends[1]);
        const FileStatus status = WriteOutputFile(path, Bytes("PNG"));
        faults.Expect(
            FileStatusMessage(status) ==
                "Не удалось записать " + path + ": ошибка записи: канал закрыт читающей стороной",
            FileStatusMessage(status));
        return faults.text();
      }),
      "");
}

}  // namespace
}  // namespace kvir
