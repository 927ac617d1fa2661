#pragma once
// Whether a text the program words holds Russian.

#include <string>

namespace kvir::testing {

/// Whether `text` (UTF-8) holds a Cyrillic letter: each starts with the byte 0xD0 or 0xD1.
inline bool HasCyrillic(const std::string& text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0xD0 || byte == 0xD1) return true;
  }
  return false;
}

}  // namespace kvir::testing
