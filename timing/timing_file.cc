#include "timing/timing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "io/error_texts.h"

namespace kvir {

std::string TimingFile::Words(std::string russian, std::string english) const {
  return language_ == Language::kEnglish ? std::move(english) : std::move(russian);
}

std::string TimingFile::Reason(int err) const {
  return SystemErrorText(err, language_);
}

TimingFile::~TimingFile() {
  if (fd_ >= 0) ::close(fd_);
}

TimingResult TimingFile::Open() {
  // Without O_NONBLOCK opening a FIFO waits for a reader, possibly forever; with it the open
  // fails with ENXIO. The writes that follow may wait as usual.
  do {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) return FailOpen(errno);
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) return FailOpen(errno);
  struct stat status {};
  if (::fstat(fd_, &status) != 0) {
    const int err = errno;
    ::close(fd_);
    fd_ = -1;
    return {Words("Не удалось узнать размер файла «" + path_ + "»: ",
                  "Could not learn the size of the file \"" + path_ + "\": ") +
            Reason(err) + "."};
  }
  size_at_open_ = status.st_size;
  return {};
}

TimingResult TimingFile::FailOpen(int err) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (err == ENOENT) {
    return {Words("Файл «" + path_ + "» не найден.", "The file \"" + path_ + "\" was not found.")};
  }
  return {Words("Не удалось открыть файл «" + path_ + "»: ",
                "Could not open the file \"" + path_ + "\": ") +
          Reason(err) + "."};
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
  const std::string failure = Words("Не удалось записать в файл «" + path_ + "»: ",
                                    "Could not write to the file \"" + path_ + "\": ") +
                              Reason(err) + ".";
  const std::string unchanged = Words(" Файл не изменён.", " The file is unchanged.");
  if (written == 0) return {failure + unchanged};
  int result;
  do {
    result = ::ftruncate(fd_, size_at_open_);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const std::string reason = Reason(errno);  // before any other call
    return {failure + Words(" Вернуть файлу прежний размер не удалось (" + reason +
                                "), в конце файла осталась неполная запись.",
                            " Its former size could not be restored (" + reason +
                                "): an incomplete record is left at its end.")};
  }
  return {failure + unchanged};
}

TimingResult TimingFile::Close() {
  if (fd_ < 0) return {};
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) {
    const int err = errno;
    return {Words("Не удалось закрыть файл «" + path_ + "»: ",
                  "Could not close the file \"" + path_ + "\": ") +
            Reason(err) + "."};
  }
  return {};
}

}  // namespace kvir
