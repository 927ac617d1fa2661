#include "app/windows/shownscheme.h"

#include "circuit/scheme_set.h"

namespace kvir {

ShownScheme::ShownScheme(SchemeSet& schemes, QObject* parent)
    : QObject(parent), schemes_(schemes) {}

void ShownScheme::setNumber(int n) {
  if (n == number_) return;
  number_ = n;
  emit numberChanged(n);
}

void ShownScheme::restart() {
  if (number_ != 0) {
    reached_.Restart(schemes_.scheme(number_));
  } else {
    reached_ = ReachedStates();
  }
  emit selected();
}

void ShownScheme::record() {
  if (number_ == 0) return;
  reached_.Record(schemes_.scheme(number_));
  emit pressed();
}

}  // namespace kvir
