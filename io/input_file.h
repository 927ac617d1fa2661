#pragma once
// Reading a small file the user named (a list of students) or the program is about to replace.

#include <cstddef>
#include <optional>
#include <string>

namespace kvir {

/// The bytes of the regular file at `path`, read until more than `limit` are there (so that a
/// larger file shows as such); nothing where it cannot be opened or read, or is no regular file (a
/// FIFO, a device, a folder), which is never waited on.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit);

}  // namespace kvir
