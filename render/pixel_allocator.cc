#include "render/pixel_allocator.h"

#include <sys/mman.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace kvir {
namespace {

// A scheme picture at 100 % is 200 KB to 1.6 MB; an indicator's is a few KB.
constexpr size_t kMappedFrom = size_t{192} << 10;

// The sanitizers watch only the heap: under them every block comes from it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMapLargeBlocks = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
constexpr bool kMapLargeBlocks = false;
#else
constexpr bool kMapLargeBlocks = true;
#endif
#else
constexpr bool kMapLargeBlocks = true;
#endif

bool Mapped(size_t bytes) {
#ifdef MAP_POPULATE
  return kMapLargeBlocks && bytes >= kMappedFrom;
#else
  return false;
#endif
}

}  // namespace

void* AllocatePixelMemory(size_t bytes) {
#ifdef MAP_POPULATE
  if (Mapped(bytes)) {
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    return memory;
  }
#endif
  return ::operator new(bytes);
}

void GiveBackFreedMemory() noexcept {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

void FreePixelMemory(void* memory, size_t bytes) noexcept {
  if (Mapped(bytes)) {
    munmap(memory, bytes);
    return;
  }
  ::operator delete(memory);
}

}  // namespace kvir
