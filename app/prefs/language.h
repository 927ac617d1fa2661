#pragma once
// The language of the program's texts. Russian is the language the texts are written in and the
// default everywhere, whatever the system locale; English comes from the translation embedded in
// the executable.

#include <QString>
#include <optional>

#include "circuit/language.h"

namespace kvir {

/// The language a command line or a setting names: "ru" or "en"; nothing for any other text.
std::optional<Language> LanguageNamed(const QString& code);

/// "ru" or "en".
QString LanguageCode(Language language);

/// The language chosen by the last switch and kept in the user's settings; Russian when none is
/// kept or the kept one is unknown. Needs no QCoreApplication.
Language RememberedLanguage();

/// Keeps `language` in the user's settings for the next starts.
void RememberLanguage(Language language);

/// `source` (a text of `context` written in Russian) in `language`; the Russian text where no
/// English one exists. Needs no QCoreApplication: the command line uses it before one exists.
QString Translate(Language language, const char* context, const char* source);

/// The language the running program's tr() texts are in now.
Language CurrentLanguage();

/// Scheme n's title as the scheme list shows it, in the current language.
QString ListTitle(int n);

/// Makes tr() answer in `language` from now on, Qt's own texts (dialogs, standard buttons, key
/// names) and the default locale included. Every widget gets a QEvent::LanguageChange (posted to
/// the windows, so it arrives once the event loop runs) and retranslates itself in changeEvent.
/// Needs the QCoreApplication.
void SetLanguage(Language language);

/// What the language switch does: SetLanguage, and remembered for the next starts.
void SwitchLanguage(Language language);

}  // namespace kvir
