#include "timing/timing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "io/error_texts.h"

namespace kvir {

namespace {

/// "«path»", the way every message names the file.
std::string Quoted(const std::string& path) {
  return "«" + path + "»";
}

/// The reason for the system error `err`, in the words the file writer uses too.
std::string Reason(int err) {
  return SystemErrorText(err, Language::kRussian);
}

}  // namespace

TimingFile::~TimingFile() {
  if (fd_ >= 0) ::close(fd_);
}

TimingResult TimingFile::Open() {
  do {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) {
    if (errno == ENOENT) return {"Файл " + Quoted(path_) + " не найден."};
    return {"Не удалось открыть файл " + Quoted(path_) + ": " + Reason(errno) + "."};
  }
  struct stat status {};
  if (::fstat(fd_, &status) != 0) {
    const int err = errno;
    ::close(fd_);
    fd_ = -1;
    return {"Не удалось узнать размер файла " + Quoted(path_) + ": " + Reason(err) + "."};
  }
  size_at_open_ = status.st_size;
  return {};
}

TimingResult TimingFile::Append(std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t count = ::write(fd_, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return FailAppend(count < 0 ? errno : EIO, written);
    written += static_cast<size_t>(count);
  }
  return {};
}

TimingResult TimingFile::FailAppend(int err, size_t written) {
  const std::string failure =
      "Не удалось записать в файл " + Quoted(path_) + ": " + Reason(err) + ".";
  if (written == 0) return {failure + " Файл не изменён."};
  int result;
  do {
    result = ::ftruncate(fd_, size_at_open_);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    return {failure + " Вернуть файлу прежний размер не удалось (" + Reason(errno) +
            "), в конце файла осталась неполная запись."};
  }
  return {failure + " Файл не изменён."};
}

TimingResult TimingFile::Close() {
  if (fd_ < 0) return {};
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) {
    return {"Не удалось закрыть файл " + Quoted(path_) + ": " + Reason(errno) + "."};
  }
  return {};
}

}  // namespace kvir
