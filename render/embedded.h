#pragma once
// The table of pictures the build generates from resources/*.png (cmake/embed_resources.cmake).

#include <span>

#include "render/resources.h"

namespace kvir {

/// Every embedded resource, sorted by name; defined by the generated file.
std::span<const Resource> EmbeddedResources();

}  // namespace kvir
