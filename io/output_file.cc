#include "io/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace kvir {
namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel allows in one path
constexpr int kTemporaryNameTries = 100;

FileStatus Failure(const std::string& path, FileStep step, int error) {
  return FileStatus::Failed(step, error, path);
}

/// Writes all of `bytes` to `fd`; 0 or the errno of the failure.
int WriteAll(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes = bytes.subspan(static_cast<size_t>(written));
  }
  return 0;
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

/// Follows symbolic links from `path` until it names something else or nothing yet.
FileStatus ResolveLinks(const std::string& path, std::string& resolved) {
  resolved = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info;
    if (lstat(resolved.c_str(), &info) != 0) {
      return errno == ENOENT ? FileStatus::Ok() : Failure(path, FileStep::kPath, errno);
    }
    if (!S_ISLNK(info.st_mode)) return FileStatus::Ok();
    std::string target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 4096), '\0');
    const ssize_t length = readlink(resolved.c_str(), target.data(), target.size());
    if (length < 0) return Failure(path, FileStep::kReadLink, errno);
    target.resize(static_cast<size_t>(length));
    resolved = target.starts_with('/') ? target : DirectoryOf(resolved) + target;
  }
  return Failure(path, FileStep::kPath, ELOOP);
}

FileStatus WriteInPlace(const std::string& target, std::span<const uint8_t> bytes,
                        const std::string& path) {
  const int fd = open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Failure(path, FileStep::kOpen, errno);
  const int error = WriteAll(fd, bytes);
  const int closed = close(fd) == 0 ? 0 : errno;
  if (error != 0) return Failure(path, FileStep::kWrite, error);
  if (closed != 0) return Failure(path, FileStep::kClose, closed);
  return FileStatus::Ok();
}

/// A new temporary file beside a target, removed again unless it has been renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
      path_ = target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
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

  /// Closes the file and renames it over `target`.
  FileStatus Commit(const std::string& target, const std::string& path) {
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return Failure(path, FileStep::kClose, errno);
    if (std::rename(path_.c_str(), target.c_str()) != 0) {
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

FileStatus ReplaceAtomically(const std::string& target, std::span<const uint8_t> bytes,
                             const std::string& path) {
  TemporaryFile file(target);
  if (file.error() != 0) return Failure(path, FileStep::kCreateTemporary, file.error());
  FileStatus status = file.Write(bytes, path);
  return status.ok() ? file.Commit(target, path) : status;
}

}  // namespace

FileStatus WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes) {
  if (path == kStandardOutputName) {
    const int error = WriteAll(STDOUT_FILENO, bytes);
    return error == 0 ? FileStatus::Ok() : Failure(path, FileStep::kWrite, error);
  }
  std::string target;
  if (FileStatus status = ResolveLinks(path, target); !status.ok()) return status;
  struct stat info;
  if (stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    if (S_ISDIR(info.st_mode)) return Failure(path, FileStep::kPath, EISDIR);
    return WriteInPlace(target, bytes, path);
  }
  return ReplaceAtomically(target, bytes, path);
}

}  // namespace kvir
