#pragma once
// The one rule for the name of a file the program saves (a picture, a table, a report, questions,
// worksheets), whether the name comes from a command line or a window's dialog.

#include <span>
#include <string>
#include <string_view>

namespace kvir {

/// The suffixes a type of file may carry, lower case with their dot; the first is added where a
/// name has none.
using FileSuffixes = std::span<const std::string_view>;

inline constexpr std::string_view kPngSuffixes[] = {".png"};
inline constexpr std::string_view kCsvSuffixes[] = {".csv"};
inline constexpr std::string_view kPdfSuffixes[] = {".pdf"};

/// The suffix of the last name in `path`, lower case: ".png" for "a/B.PNG", "." for "b.";
/// empty where there is none ("notes", "a.d/notes", and ".profile", whose dot starts no suffix).
std::string FileSuffix(std::string_view path);

/// ".gift, .txt": the suffixes as a message lists them.
std::string SuffixList(FileSuffixes suffixes);

/// The name a save under `path` of a file of type `suffixes` writes:
/// - `path` with the first suffix added, where its name has no suffix and it names no device, FIFO
///   or folder that is there already ("-", /dev/stdout, a pipe: written as given);
/// - `path` itself where its suffix is one of `suffixes` (in any case), and so is the suffix of the
///   name its symbolic links lead to, if that has one ("out.png" may be a link to "notes.txt").
/// Throws Error(kFileSuffixRefused) naming the name refused, its suffix and `suffixes` otherwise.
std::string SaveFileName(const std::string& path, FileSuffixes suffixes);

}  // namespace kvir
