#include "render/pixel_allocator.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>

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

PixelBytes& PixelBytes::operator=(const PixelBytes& other) {
  if (this != &other) assign(other.begin(), other.end());
  return *this;
}

PixelBytes& PixelBytes::operator=(PixelBytes&& other) noexcept {
  if (this != &other) {
    Release();
    swap(other);
  }
  return *this;
}

void PixelBytes::resize(size_t size) {
  if (size > capacity_) Reallocate(size);
  size_ = size;
}

void PixelBytes::resize(size_t size, uint8_t value) {
  const size_t old_size = size_;
  resize(size);
  if (size > old_size) std::memset(bytes_ + old_size, value, size - old_size);
}

void PixelBytes::reserve(size_t capacity) {
  if (capacity > capacity_) Reallocate(capacity);
}

void PixelBytes::shrink_to_fit() {
  if (size_ == capacity_) return;
  if (size_ == 0) {
    Release();
    return;
  }
  Reallocate(size_);
}

void PixelBytes::assign(size_t size, uint8_t value) {
  clear();
  resize(size, value);
}

void PixelBytes::push_back(uint8_t byte) {
  if (size_ == capacity_) Reallocate(std::max<size_t>(capacity_ * 2, 64));
  bytes_[size_++] = byte;
}

void PixelBytes::swap(PixelBytes& other) noexcept {
  std::swap(bytes_, other.bytes_);
  std::swap(size_, other.size_);
  std::swap(capacity_, other.capacity_);
}

bool operator==(const PixelBytes& a, const PixelBytes& b) noexcept {
  return a.size_ == b.size_ && (a.size_ == 0 || std::memcmp(a.bytes_, b.bytes_, a.size_) == 0);
}

void PixelBytes::Reallocate(size_t capacity) {
  auto* bytes = static_cast<uint8_t*>(AllocatePixelMemory(capacity));
  const size_t kept = std::min(size_, capacity);
  if (kept > 0) std::memcpy(bytes, bytes_, kept);
  Release();
  bytes_ = bytes;
  size_ = kept;
  capacity_ = capacity;
}

void PixelBytes::Release() noexcept {
  if (bytes_ != nullptr) FreePixelMemory(bytes_, capacity_);
  bytes_ = nullptr;
  size_ = 0;
  capacity_ = 0;
}

}  // namespace kvir
