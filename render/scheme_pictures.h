#pragma once
// The sixteen scheme pictures decoded side by side: the bulk of start-up's own work. The program
// begins them on threads of their own before its windows exist and takes them when it builds the
// schemes.

#include <array>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

#include "circuit/schemes.h"
#include "render/picture_style.h"

namespace kvir {

/// Decodes every scheme's picture (n = 1 … 16) in one style, at the style's size. Each decode has
/// its own libpng state and writes only its own picture, so the pixels are those of decoding them
/// in turn; a failure is kept for its scheme, to be raised in scheme order.
class SchemePictureBatch {
 public:
  explicit SchemePictureBatch(PictureStyle style);
  /// Stops the threads after the pictures they are decoding and waits for them.
  ~SchemePictureBatch();
  SchemePictureBatch(const SchemePictureBatch&) = delete;
  SchemePictureBatch& operator=(const SchemePictureBatch&) = delete;

  /// Starts `threads` threads that decode pictures until none is left.
  void Start(unsigned threads);
  /// Decodes on the calling thread the pictures no thread has begun, then waits for the threads.
  void Finish();

  PictureStyle style() const { return style_; }
  PictureControl& picture(int n) { return pictures_.at(n - 1); }
  const std::exception_ptr& failure(int n) const { return failures_.at(n - 1); }

 private:
  void Decode();
  void JoinThreads();

  std::array<PictureControl, kSchemeCount> pictures_;
  PictureStyle style_;
  std::array<std::exception_ptr, kSchemeCount> failures_;
  std::atomic<int> next_{1};
  std::vector<std::thread> threads_;  // not jthread: the browser edition's C++ library has none
};

/// How many threads beside the calling one the batch is worth on this machine.
unsigned PictureHelperThreads();

}  // namespace kvir
