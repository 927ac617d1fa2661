#include "tools/png_file.h"

#include <stdexcept>

#include "io/error_texts.h"
#include "io/output_file.h"

namespace kvir {

void WritePngFile(const Picture& picture, const std::string& path) {
  const std::vector<uint8_t> bytes = EncodePng(picture);
  if (const FileStatus status = WriteOutputFile(path, bytes); !status.ok()) {
    throw std::runtime_error(FileStatusMessage(status));
  }
}

}  // namespace kvir
