#pragma once
// Argument checks of kvir-cli: each failure is a one-line Russian message.

#include <stdexcept>
#include <string>
#include <vector>

#include "schemes/scheme.h"

namespace kvir {

/// Bad arguments; the message is what the user reads.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A scheme number 1 … 16, leading zeros allowed; throws UsageError otherwise.
int ParseSchemeNumber(const std::string& text);

/// Throws UsageError unless every name is an input button of `scheme`.
void CheckButtons(Scheme& scheme, const std::vector<std::string>& names);

/// The scheme's input buttons as "IN00, IN01, …".
std::string ButtonList(const Scheme& scheme);

}  // namespace kvir
