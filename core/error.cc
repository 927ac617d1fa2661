#include "core/error.h"

#include <utility>

namespace kvir {

Error::Error(ErrorCode code, std::vector<std::string> args)
    : code_(code), args_(std::move(args)), what_("error " + std::to_string(int(code_))) {
  for (size_t i = 0; i < args_.size(); ++i) what_ += (i == 0 ? ": " : "; ") + args_[i];
}

Error Error::In(const std::string& context) const {
  Error error = *this;
  error.context_ = context_.empty() ? context : context + ": " + context_;
  error.what_ = context + ": " + what_;
  return error;
}

}  // namespace kvir
