#pragma once
// Where decoded pictures keep their pixels.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>

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

/// A picture's bytes: a vector of bytes whose pixel memory comes from AllocatePixelMemory and
/// whose growth leaves new bytes unset (pixels are always written in full right after they are
/// sized). Copying, growing and freeing move whole blocks, never byte by byte, so that pictures
/// cost the same few calls in a build without optimisation as with it.
class PixelBytes {
 public:
  using value_type = uint8_t;
  using size_type = size_t;
  using iterator = uint8_t*;
  using const_iterator = const uint8_t*;

  PixelBytes() noexcept = default;
  /// `size` bytes, unset.
  explicit PixelBytes(size_t size) { resize(size); }
  PixelBytes(size_t size, uint8_t value) { assign(size, value); }
  PixelBytes(std::initializer_list<uint8_t> bytes) { assign(bytes.begin(), bytes.end()); }
  template <std::input_iterator It>
  PixelBytes(It first, It last) {
    assign(first, last);
  }
  PixelBytes(const PixelBytes& other) { assign(other.begin(), other.end()); }
  PixelBytes(PixelBytes&& other) noexcept { swap(other); }
  PixelBytes& operator=(const PixelBytes& other);
  PixelBytes& operator=(PixelBytes&& other) noexcept;
  ~PixelBytes() { Release(); }

  size_t size() const noexcept { return size_; }
  size_t capacity() const noexcept { return capacity_; }
  bool empty() const noexcept { return size_ == 0; }
  uint8_t* data() noexcept { return bytes_; }
  const uint8_t* data() const noexcept { return bytes_; }
  uint8_t& operator[](size_t i) noexcept { return bytes_[i]; }
  uint8_t operator[](size_t i) const noexcept { return bytes_[i]; }
  iterator begin() noexcept { return bytes_; }
  iterator end() noexcept { return bytes_ + size_; }
  const_iterator begin() const noexcept { return bytes_; }
  const_iterator end() const noexcept { return bytes_ + size_; }

  /// Bytes past the old size are unset; a larger size than the capacity moves the bytes once.
  void resize(size_t size);
  void resize(size_t size, uint8_t value);
  void reserve(size_t capacity);
  void shrink_to_fit();
  void clear() noexcept { size_ = 0; }
  void assign(size_t size, uint8_t value);
  template <std::input_iterator It>
  void assign(It first, It last) {
    clear();
    insert(end(), first, last);
  }
  void push_back(uint8_t byte);
  void pop_back() noexcept { --size_; }
  /// Inserts at the end only (`at` must be end()): pictures are only ever appended to.
  template <std::input_iterator It>
  void insert(const_iterator at, It first, It last);
  void swap(PixelBytes& other) noexcept;

  friend bool operator==(const PixelBytes& a, const PixelBytes& b) noexcept;

 private:
  void Reallocate(size_t capacity);
  void Release() noexcept;

  uint8_t* bytes_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

template <std::input_iterator It>
void PixelBytes::insert([[maybe_unused]] const_iterator at, It first, It last) {
  if constexpr (std::contiguous_iterator<It>) {
    const size_t count = static_cast<size_t>(last - first);
    if (count == 0) return;
    const size_t old_size = size_;
    if (old_size + count > capacity_) Reallocate(std::max(old_size + count, capacity_ * 2));
    std::memcpy(bytes_ + old_size, std::to_address(first), count);
    size_ = old_size + count;
  } else {
    for (; first != last; ++first) push_back(static_cast<uint8_t>(*first));
  }
}

}  // namespace kvir
