#include "io/input_file.h"

#include <cstdio>
#include <memory>

namespace kvir {
namespace {

struct FileCloser {
  void operator()(FILE* file) const { fclose(file); }
};

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit) {
  const std::unique_ptr<FILE, FileCloser> file(fopen(path.c_str(), "rb"));
  std::string bytes;
  char buffer[4096];
  size_t read = 0;
  while (file && bytes.size() <= limit &&
         (read = fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    bytes.append(buffer, read);
  }
  if (!file || ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace kvir
