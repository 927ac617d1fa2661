#include "app/windows/shownscheme.h"

namespace kvir {

ShownScheme::ShownScheme(SchemeSet& schemes, const Session& session, QObject* parent)
    : QObject(parent), schemes_(schemes), session_(session) {}

void ShownScheme::setNumber(int n) {
  if (n == number_) return;
  number_ = n;
  emit numberChanged(n);
}

void ShownScheme::record() {
  if (number_ != 0) emit pressed();
}

}  // namespace kvir
