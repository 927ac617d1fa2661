// The program's current language for the accessible texts, which take their words from the
// scheme texts: two types of one name cannot meet in one file.

#include "app/accessibility.h"
#include "app/language.h"

namespace kvir {

bool SpeaksEnglish() {
  return CurrentLanguage() == Language::kEnglish;
}

}  // namespace kvir
