#include "io/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kvir {

// Opened without waiting and read only where it is a regular file: a FIFO or a device named as a
// file to read would otherwise hold the program until something writes to it.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info = {};
  std::optional<std::string> bytes;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    bytes.emplace();
    char buffer[4096];
    while (bytes->size() <= limit) {
      const ssize_t read_now = read(fd, buffer, sizeof buffer);
      if (read_now < 0 && errno == EINTR) continue;
      if (read_now < 0) {
        bytes.reset();
        break;
      }
      if (read_now == 0) break;
      bytes->append(buffer, static_cast<size_t>(read_now));
    }
  }
  close(fd);
  return bytes;
}

}  // namespace kvir
