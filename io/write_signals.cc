#include "io/write_signals.h"

#include <csignal>

namespace kvir {

void IgnoreWriteSignals() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace kvir
