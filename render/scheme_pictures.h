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

namespace kvir {

/// Decodes scheme n's picture (n = 1 … 16) in a style of its own, at the place its control gives.
/// Each decode has its own libpng state and writes only its own picture, so the pixels are those
/// of decoding them in turn; a failure is kept for its scheme, to be raised in scheme order.
class SchemePictureBatch {
 public:
  SchemePictureBatch(const std::array<PictureControl, kSchemeCount>& places,
                     const std::array<PictureStyle, kSchemeCount>& styles);
  /// Stops the threads after the pictures they are decoding and waits for them.
  ~SchemePictureBatch();
  SchemePictureBatch(const SchemePictureBatch&) = delete;
  SchemePictureBatch& operator=(const SchemePictureBatch&) = delete;

  /// Starts `threads` threads that decode pictures until none is left.
  void Start(unsigned threads);
  /// Decodes on the calling thread the pictures no thread has begun, then waits for the threads.
  void Finish();

  /// Whether scheme n's picture is decoded at the place and in the style the scheme now has.
  bool Suits(int n, const Scheme& scheme) const;
  PictureControl& picture(int n) { return pictures_.at(n - 1); }
  const std::exception_ptr& failure(int n) const { return failures_.at(n - 1); }

 private:
  void Decode();

  std::array<PictureControl, kSchemeCount> pictures_;
  std::array<PictureStyle, kSchemeCount> styles_;
  std::array<std::exception_ptr, kSchemeCount> failures_;
  std::atomic<int> next_{1};
  std::vector<std::jthread> threads_;
};

/// How many threads beside the calling one the batch is worth on this machine.
unsigned PictureHelperThreads();

}  // namespace kvir
