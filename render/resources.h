#pragma once
// The pictures compiled into the executables, looked up by resource name ("SCHEME07PNG").

#include <cstdint>
#include <span>
#include <string_view>

namespace kvir {

struct Resource {
  std::string_view name;
  std::span<const uint8_t> bytes;
};

/// The embedded resource of that name, or nullptr when there is none.
const Resource* FindResource(std::string_view name);

/// Every embedded resource, sorted by name.
std::span<const Resource> AllResources();

}  // namespace kvir
