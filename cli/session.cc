#include "cli/session.h"

#include "cli/args.h"

namespace kvir {

SchemeSession::SchemeSession(int n, const std::vector<std::string>& buttons, PictureStyle style)
    : n_(n), pictures_(set_.scheme(n), style), recorder_(set_.scheme(n)) {
  Scheme& s = scheme();
  const std::vector<std::string> names = ResolveButtons(s, buttons);
  kSchemeTable[n - 1].build(s);
  recorder_.Start();
  SelectScheme(set_, host_, static_cast<uint8_t>(n));
  for (const std::string& name : names) Press(s.At(name));
}

SchemeSession::~SchemeSession() {
  FreeSchemes(set_);
}

void SchemeSession::Press(Indicator& button) {
  recorder_.Start();
  kSchemeTable[n_ - 1].press(scheme(), button);
}

}  // namespace kvir
