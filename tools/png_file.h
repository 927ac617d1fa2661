#pragma once
// Saving a drawn picture as a PNG file: what the generators write into resources/ and dist/.

#include <string>

#include "render/picture.h"

namespace kvir {

/// Writes `picture` to `path` as PNG through WriteOutputFile (io/output_file.h): a regular file is
/// replaced atomically, a device or FIFO written in place. Throws Error where the picture cannot
/// be encoded, std::runtime_error naming the path and the cause where the file cannot be written.
void WritePngFile(const Picture& picture, const std::string& path);

}  // namespace kvir
