#pragma once
// A few lines of JSON for the page: what the binding hands over is small and flat.

#include <string>
#include <string_view>

namespace kvir {

/// `text` as a JSON string, quotes included; UTF-8 passes through.
std::string JsonString(std::string_view text);

}  // namespace kvir
