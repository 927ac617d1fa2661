#include "io/output_file.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kvir {
namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel allows in one path
constexpr int kTemporaryNameTries = 100;

FileStatus Failure(const std::string& path, FileStep step, int error) {
  return FileStatus::Failed(step, error, path);
}

/// Writes all of `bytes` to `fd`; 0 or the errno of the failure. A descriptor someone left
/// non-blocking is waited for rather than given up on.
int WriteAll(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd ready = {.fd = fd, .events = POLLOUT, .revents = 0};
      if (poll(&ready, 1, -1) < 0 && errno != EINTR) return errno;
      continue;
    }
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes = bytes.subspan(static_cast<size_t>(written));
  }
  return 0;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// A descriptor number written in decimal, or -1.
int DescriptorNumber(std::string_view text) {
  int fd = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), fd);
  return error == std::errc() && end == text.data() + text.size() && fd >= 0 ? fd : -1;
}

/// Whether `directory`, links followed, is this process's /proc/PID/fd or the one of its threads,
/// /proc/PID/task/TID/fd.
bool IsOwnDescriptorDirectory(const std::string& directory) {
  const std::unique_ptr<char, decltype(&free)> real(
      realpath(directory.empty() ? "." : directory.c_str(), nullptr), &free);
  if (!real) return false;
  std::string_view rest(real.get());
  const std::string own = "/proc/" + std::to_string(getpid()) + "/";
  if (!rest.starts_with(own)) return false;
  rest.remove_prefix(own.size());
  if (rest == "fd") return true;
  if (!rest.starts_with("task/") || !rest.ends_with("/fd")) return false;
  rest = rest.substr(5, rest.size() - 5 - 3);
  return DescriptorNumber(rest) >= 0;
}

/// The descriptor of this process that `path` names, or -1: /dev/stdin, /dev/stdout, /dev/stderr,
/// /dev/fd/N, /proc/self/fd/N, and N in any directory that is this process's descriptors.
int NamedDescriptor(const std::string& path) {
  if (path == "/dev/stdin") return STDIN_FILENO;
  if (path == "/dev/stdout") return STDOUT_FILENO;
  if (path == "/dev/stderr") return STDERR_FILENO;
  for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
    if (path.starts_with(prefix)) {
      return DescriptorNumber(std::string_view(path).substr(prefix.size()));
    }
  }
  const int fd = DescriptorNumber(NameOf(path));
  return fd >= 0 && IsOwnDescriptorDirectory(DirectoryOf(path)) ? fd : -1;
}

/// What a path names once its symbolic links are followed.
struct Target {
  enum class Kind {
    kMissing,     ///< nothing yet: a new file
    kDescriptor,  ///< an open descriptor of this process, `fd`
    kRegular,     ///< a regular file, `info`
    kDirectory,
    kOther,  ///< a device, a FIFO or a socket, `info`
  };
  Kind kind = Kind::kMissing;
  std::string path;  ///< where the links led
  int fd = -1;
  struct stat info = {};
};

/// Follows symbolic links from `path` until it names a descriptor, something else or nothing yet.
FileStatus Resolve(const std::string& path, Target& target) {
  target.path = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    // Resolving /proc/self/fd/1 would lead to the file behind it and replace it, and a pipe's
    // "pipe:[123]" leads nowhere: the descriptor itself is what the user means.
    if (const int fd = NamedDescriptor(target.path); fd >= 0) {
      target.kind = Target::Kind::kDescriptor;
      target.fd = fd;
      return FileStatus::Ok();
    }
    struct stat& info = target.info;
    if (lstat(target.path.c_str(), &info) != 0) {
      return errno == ENOENT ? FileStatus::Ok() : Failure(path, FileStep::kPath, errno);
    }
    if (!S_ISLNK(info.st_mode)) {
      target.kind = S_ISREG(info.st_mode)   ? Target::Kind::kRegular
                    : S_ISDIR(info.st_mode) ? Target::Kind::kDirectory
                                            : Target::Kind::kOther;
      return FileStatus::Ok();
    }
    std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
    const ssize_t length = readlink(target.path.c_str(), link.data(), link.size());
    if (length < 0) return Failure(path, FileStep::kReadLink, errno);
    link.resize(static_cast<size_t>(length));
    target.path = link.starts_with('/') ? link : DirectoryOf(target.path) + link;
  }
  return Failure(path, FileStep::kPath, ELOOP);
}

FileStatus WriteToDescriptor(int fd, std::span<const uint8_t> bytes, const std::string& path) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return Failure(path, FileStep::kOpen, EBADF);
  const int error = WriteAll(fd, bytes);
  return error == 0 ? FileStatus::Ok() : Failure(path, FileStep::kWrite, error);
}

/// A device or FIFO, written where it is. Opening a FIFO waits for a reader, so it is opened
/// without waiting and, once open, made to wait on each write again.
FileStatus WriteDeviceInPlace(const Target& target, std::span<const uint8_t> bytes,
                              const std::string& path) {
  const int fd = open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    const bool unread = errno == ENXIO && S_ISFIFO(target.info.st_mode);
    return Failure(path, unread ? FileStep::kNoReader : FileStep::kOpen, errno);
  }
  const int flags = fcntl(fd, F_GETFL);
  int error = flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ? errno : 0;
  const FileStep step = error != 0 ? FileStep::kOpen : FileStep::kWrite;
  if (error == 0) error = WriteAll(fd, bytes);
  const int closed = close(fd) == 0 ? 0 : errno;
  if (error != 0) return Failure(path, step, error);
  if (closed != 0) return Failure(path, FileStep::kClose, closed);
  return FileStatus::Ok();
}

/// A regular file truncated and written where it is: its links, owner and mode stay, but a
/// failure leaves it cut short.
FileStatus WriteFileInPlace(const std::string& target, std::span<const uint8_t> bytes,
                            const std::string& path) {
  const int fd = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Failure(path, FileStep::kOpen, errno);
  // Every block the new content needs is reserved before its first byte is written: a full disk
  // or a size limit then leaves the old content whole rather than cut. Where the file system
  // cannot reserve, the write goes ahead as before.
  if (!bytes.empty()) {
    const int reserved = posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
      close(fd);
      return Failure(path, FileStep::kWrite, reserved);
    }
  }
  FileStatus status = FileStatus::Ok();
  if (const int error = WriteAll(fd, bytes); error != 0) {
    status = Failure(path, FileStep::kWrite, error);
  } else if (ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
    status = Failure(path, FileStep::kWrite, errno);
  } else if (fsync(fd) != 0) {
    status = Failure(path, FileStep::kSync, errno);
  }
  if (close(fd) != 0 && status.ok()) status = Failure(path, FileStep::kClose, errno);
  return status;
}

/// Six letters or digits that differ from call to call and from process to process.
std::string RandomLetters() {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static std::atomic<uint64_t> counter{0};
  timespec now = {};
  clock_gettime(CLOCK_REALTIME, &now);
  // splitmix64 of the process, the call and the time
  uint64_t x = (static_cast<uint64_t>(getpid()) << 32) ^ counter.fetch_add(1) ^
               static_cast<uint64_t>(now.tv_nsec) ^ (static_cast<uint64_t>(now.tv_sec) << 20);
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  x ^= x >> 31;
  std::string letters(6, ' ');
  for (char& c : letters) {
    c = kLetters[x % (sizeof(kLetters) - 1)];
    x /= sizeof(kLetters) - 1;
  }
  return letters;
}

/// A new temporary file in a directory, removed again unless it has been renamed into place.
/// Its name is short, so that any name the directory can hold can be replaced through it.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& directory) {
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
      path_ = directory + ".kvir-" + RandomLetters();
      // O_EXCL: never reuse a name someone else has made; 0666 lets the umask decide the mode.
      fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      error_ = fd_ < 0 ? errno : 0;
      if (error_ != EEXIST) break;
    }
    remove_ = fd_ >= 0;
  }
  ~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (remove_) unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  /// 0 once created, else the errno of the failure.
  int error() const { return error_; }

  FileStatus Write(std::span<const uint8_t> bytes, const std::string& path) {
    if (const int error = WriteAll(fd_, bytes); error != 0) {
      return Failure(path, FileStep::kWrite, error);
    }
    if (fsync(fd_) != 0) return Failure(path, FileStep::kSync, errno);
    return FileStatus::Ok();
  }

  /// Gives the file the owner, group and mode of `old`; false when the system does not let it.
  bool TakeOwnerAndMode(const struct stat& old) {
    struct stat info;
    if (fstat(fd_, &info) != 0) return false;
    // The owner first: changing it clears the set-user-ID and set-group-ID bits.
    if ((info.st_uid != old.st_uid || info.st_gid != old.st_gid) &&
        fchown(fd_, old.st_uid, old.st_gid) != 0) {
      return false;
    }
    return fchmod(fd_, old.st_mode & 07777) == 0;
  }

  /// Closes the file and renames it over `target`; the errno of a failed rename in `rename_error`.
  FileStatus Commit(const std::string& target, const std::string& path, int& rename_error) {
    const int fd = fd_;
    fd_ = -1;
    rename_error = 0;
    if (close(fd) != 0) return Failure(path, FileStep::kClose, errno);
    if (std::rename(path_.c_str(), target.c_str()) != 0) {
      rename_error = errno;
      return Failure(path, FileStep::kRename, errno);
    }
    remove_ = false;
    return FileStatus::Ok();
  }

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
  bool remove_ = false;  ///< until renamed into place
};

/// Whether the system refused to make or rename a file there, where writing the old file in
/// place may do: a directory the user may not change, a sticky one, a file mounted on its own.
bool RefusedToReplace(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == EBUSY || error == EXDEV;
}

/// Replaces a regular file, or makes a new one, through a temporary file. An existing file
/// (`old` not null) that cannot be replaced with its owner and mode is written in place instead.
FileStatus Replace(const std::string& target, const struct stat* old,
                   std::span<const uint8_t> bytes, const std::string& path) {
  {
    TemporaryFile file(DirectoryOf(target));
    if (file.error() != 0) {
      if (old == nullptr || !RefusedToReplace(file.error())) {
        return Failure(path, FileStep::kCreateTemporary, file.error());
      }
    } else {
      if (FileStatus status = file.Write(bytes, path); !status.ok()) return status;
      if (old == nullptr || file.TakeOwnerAndMode(*old)) {
        int rename_error = 0;
        FileStatus status = file.Commit(target, path, rename_error);
        if (status.ok() || old == nullptr || !RefusedToReplace(rename_error)) return status;
      }
    }
  }  // the temporary is gone before the file is written in place
  return WriteFileInPlace(target, bytes, path);
}

}  // namespace

FileStatus WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes) {
  if (path == kStandardOutputName) {
    const int error = WriteAll(STDOUT_FILENO, bytes);
    return error == 0 ? FileStatus::Ok() : Failure(path, FileStep::kWrite, error);
  }
  Target target;
  if (FileStatus status = Resolve(path, target); !status.ok()) return status;
  switch (target.kind) {
    case Target::Kind::kMissing:
      return Replace(target.path, nullptr, bytes, path);
    case Target::Kind::kDescriptor:
      return WriteToDescriptor(target.fd, bytes, path);
    case Target::Kind::kDirectory:
      return Failure(path, FileStep::kPath, EISDIR);
    case Target::Kind::kOther:
      return WriteDeviceInPlace(target, bytes, path);
    case Target::Kind::kRegular:
      break;
  }
  // As cp would: the user's own say on the file comes before anything else.
  if (faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
    return Failure(path, FileStep::kNotWritable, errno);
  }
  // A new file in place of one of several links would split them.
  if (target.info.st_nlink > 1) return WriteFileInPlace(target.path, bytes, path);
  return Replace(target.path, &target.info, bytes, path);
}

std::string WrittenFileName(const std::string& path) {
  if (path == kStandardOutputName) return path;
  Target target;
  return Resolve(path, target).ok() ? target.path : path;
}

bool WritesStandardOutput(const std::string& path) {
  if (path == kStandardOutputName) return true;
  struct stat out;
  if (fstat(STDOUT_FILENO, &out) != 0) return false;
  Target target;
  if (!Resolve(path, target).ok()) return false;
  struct stat written;
  const int found = target.kind == Target::Kind::kDescriptor ? fstat(target.fd, &written)
                                                             : stat(target.path.c_str(), &written);
  return found == 0 && written.st_dev == out.st_dev && written.st_ino == out.st_ino;
}

}  // namespace kvir
