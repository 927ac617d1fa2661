#include <unistd.h>
#include <array>
#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "io/write_signals.h"

namespace {

// The standard output, written with write(2) so that a failure keeps its system error number.
// After the first failure everything further is dropped, and sync() keeps failing with errno set
// to that error, so that whoever flushes learns the reason.
class StandardOutput : public std::streambuf {
 public:
  StandardOutput() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
  ~StandardOutput() override { sync(); }
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
      const ssize_t count = ::write(STDOUT_FILENO, next, static_cast<size_t>(pptr() - next));
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) {
        error_ = count < 0 ? errno : EIO;
      } else {
        next += count;
      }
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (error_ == 0) return 0;
    errno = error_;
    return -1;
  }

 private:
  std::array<char, 64 * 1024> buffer_;
  int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  kvir::IgnoreWriteSignals();
  const std::vector<std::string> args(argv + 1, argv + argc);
  StandardOutput buffer;
  std::ostream out(&buffer);
  return kvir::RunCli(args, out, std::cerr);
}
