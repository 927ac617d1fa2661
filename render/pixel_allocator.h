#pragma once
// Where decoded pictures keep their pixels.

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace kvir {

/// Memory for `bytes` of pixels; large blocks come mapped in whole, the pages not left to be
/// faulted in one by one as first written: that costs about as much as decoding a large picture.
void* AllocatePixelMemory(size_t bytes);
/// Gives back a block of AllocatePixelMemory of the same size.
void FreePixelMemory(void* memory, size_t bytes) noexcept;

/// Hands the heap's free pages back to the system, where the C library keeps them otherwise
/// (glibc keeps freed small blocks mapped): after the pictures of a larger zoom are freed, the
/// process shrinks to what it holds. Costs about a millisecond; call it after such a change only.
void GiveBackFreedMemory() noexcept;

/// The allocator of pictures' pixels. Pixels are always written in full right after they are
/// sized, so sizing leaves them unset rather than clearing them first.
template <class T>
struct PixelAllocator {
  using value_type = T;

  PixelAllocator() = default;
  template <class U>
  explicit PixelAllocator(const PixelAllocator<U>& /*other*/) {}

  T* allocate(size_t n) { return static_cast<T*>(AllocatePixelMemory(n * sizeof(T))); }
  void deallocate(T* memory, size_t n) noexcept { FreePixelMemory(memory, n * sizeof(T)); }

  template <class U>
  void construct(U* at) noexcept {
    ::new (static_cast<void*>(at)) U;
  }
  template <class U, class... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }

  friend bool operator==(const PixelAllocator&, const PixelAllocator&) { return true; }
};

using PixelBytes = std::vector<uint8_t, PixelAllocator<uint8_t>>;

}  // namespace kvir
