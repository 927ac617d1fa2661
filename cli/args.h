#pragma once
// Argument checks of kvir-cli: each failure is an Error (core/error.h) that kvir-cli words in one
// line in the command line's language.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "circuit/scheme.h"
#include "circuit/scheme_number.h"
#include "core/language.h"

namespace kvir {

/// The scheme numbers as messages and the usage name them: "от 1 до 16", "from 1 to 16".
std::string SchemeNumberRange(Language language = Language::kRussian);

/// Throws Error unless `words`, a command and its arguments, go on after the command: the
/// word where the command wants its scheme number.
void RequireSchemeNumber(const std::vector<std::string>& words);

/// The names of the input buttons of `scheme` that `words` give, each by its name ("IN03") or by
/// its label exactly as the drawing prints it ("Y3", "Ē"; case counts). Throws Error for a
/// word that names no button, or a label that more than one button carries.
std::vector<std::string> ResolveButtons(const Scheme& scheme,
                                        const std::vector<std::string>& words);

/// The scheme's input buttons, each with the label the drawing prints beside it, if any:
/// "IN00 (Y0), IN01 (Y1), …".
std::string ButtonList(const Scheme& scheme);

}  // namespace kvir
