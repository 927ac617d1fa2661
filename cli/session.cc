#include "cli/session.h"

#include "cli/args.h"

namespace kvir {

SchemeSession::SchemeSession(int n, const std::vector<std::string>& buttons, PictureStyle style)
    : n_(n) {
  Scheme& s = scheme();
  const std::vector<std::string> names = ResolveButtons(s, buttons);
  Restyle(s, style);
  kSchemeTable[n - 1].build(s);
  s.observer = &recorder_;
  recorder_.Start();
  SelectScheme(set_, host_, static_cast<uint8_t>(n));
  for (const std::string& name : names) Press(s.At(name));
}

SchemeSession::~SchemeSession() {
  scheme().observer = nullptr;
  FreeSchemes(set_);
}

void SchemeSession::Press(Indicator& button) {
  recorder_.Start();
  kSchemeTable[n_ - 1].press(scheme(), button);
}

}  // namespace kvir
