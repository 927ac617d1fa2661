#pragma once
// The learning modes, named apart from the session so that a command line can name one without
// the session's header.

#include <cstdint>

namespace kvir {

/// The learning mode a session is in: one at a time.
enum class SessionMode : uint8_t { kPlain, kStep, kQuiz };

}  // namespace kvir
