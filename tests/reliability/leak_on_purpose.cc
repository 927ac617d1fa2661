// kvir-leak-on-purpose ours|library: leaks one block, for the tests of leak_check.sh.
//   ours     a block allocated by this program's own code;
//   library  a block allocated inside a shared library (libpng's read structure, never destroyed).

#include <png.h>

#include <cstdlib>
#include <cstring>

namespace {

void* volatile lost;  // overwritten below, so nothing points at the block any more

[[gnu::noinline]] void Leak(bool ours) {
  lost = ours ? std::malloc(48)
              : static_cast<void*>(
                    png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr));
  lost = nullptr;
}

// Overwrites the stack the allocation ran on, where a copy of its address may linger.
[[gnu::noinline]] void ScribbleStack() {
  volatile char scratch[16384];
  for (char& c : const_cast<char(&)[16384]>(scratch)) c = 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  const bool ours = std::strcmp(argv[1], "ours") == 0;
  if (!ours && std::strcmp(argv[1], "library") != 0) return 2;
  Leak(ours);
  ScribbleStack();
  return 0;
}
