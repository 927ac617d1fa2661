#pragma once
// Argument checks of kvir-cli: each failure is a one-line Russian message.

#include <stdexcept>
#include <string>
#include <vector>

#include "circuit/scheme.h"

namespace kvir {

/// Bad arguments; the message is what the user reads.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The scheme numbers as messages and the usage name them: "от 1 до 16".
std::string SchemeNumberRange();

/// A scheme number 1 … 16, leading zeros allowed; throws UsageError otherwise.
int ParseSchemeNumber(const std::string& text);

/// Throws UsageError unless `words`, a command and its arguments, go on after the command: the
/// word where the command wants its scheme number.
void RequireSchemeNumber(const std::vector<std::string>& words);

/// The names of the input buttons of `scheme` that `words` give, each by its name ("IN03") or by
/// its label exactly as the drawing prints it ("Y3", "Ē"; case counts). Throws UsageError for a
/// word that names no button, or a label that more than one button carries.
std::vector<std::string> ResolveButtons(const Scheme& scheme,
                                        const std::vector<std::string>& words);

/// The scheme's input buttons as "IN00, IN01, …".
std::string ButtonList(const Scheme& scheme);

}  // namespace kvir
