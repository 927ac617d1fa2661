#pragma once
// The languages of the program's texts. Russian is the default everywhere.
//
// Kept here, below every other folder, so that whatever words a message in either language (the
// scheme texts, the file writer's error texts, the windows) can name it without depending on more.

namespace kvir {

enum class Language { kRussian, kEnglish };

}  // namespace kvir
