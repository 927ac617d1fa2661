#include "render/resources.h"

#include <algorithm>

#include "render/embedded.h"

namespace kvir {

const Resource* FindResource(std::string_view name) {
  const std::span<const Resource> all = EmbeddedResources();
  const auto found = std::lower_bound(
      all.begin(), all.end(), name,
      [](const Resource& resource, std::string_view wanted) { return resource.name < wanted; });
  if (found == all.end() || found->name != name) return nullptr;
  return &*found;
}

std::span<const Resource> AllResources() {
  return EmbeddedResources();
}

}  // namespace kvir
