#include "io/file_name.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/error.h"
#include "io/output_file.h"

namespace kvir {
namespace {

bool Accepted(const std::string& suffix, FileSuffixes suffixes) {
  return std::find(suffixes.begin(), suffixes.end(), suffix) != suffixes.end();
}

// Whether `path` names something other than a regular file that is there already: a device, a
// FIFO, a folder, the standard output.
bool NamesAnythingButAFile(const std::string& path) {
  if (path == kStandardOutputName) return true;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

[[noreturn]] void Refuse(const std::string& name, const std::string& suffix,
                         FileSuffixes suffixes) {
  throw Error(ErrorCode::kFileSuffixRefused, {name, suffix, SuffixList(suffixes)});
}

}  // namespace

std::string FileSuffix(std::string_view path) {
  const size_t slash = path.rfind('/');
  const std::string_view name = path.substr(slash == std::string_view::npos ? 0 : slash + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  std::string suffix(name.substr(dot));
  for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return suffix;
}

std::string SuffixList(FileSuffixes suffixes) {
  std::string list;
  for (const std::string_view suffix : suffixes) {
    list.append(list.empty() ? "" : ", ").append(suffix);
  }
  return list;
}

std::string SaveFileName(const std::string& path, FileSuffixes suffixes) {
  const std::string suffix = FileSuffix(path);
  if (suffix.empty()) {
    if (NamesAnythingButAFile(path)) return path;
    return SaveFileName(path + std::string(suffixes.front()), suffixes);
  }
  if (!Accepted(suffix, suffixes)) Refuse(path, suffix, suffixes);
  const std::string target = WrittenFileName(path);
  const std::string target_suffix = FileSuffix(target);
  // A link to a file that is there already and has no suffix ("key.csv" leading to "id_rsa") is
  // refused too: that file is of no type a save writes. A link to a new name without one is not.
  std::error_code error;
  const bool unnamed_file =
      target != path && target_suffix.empty() && std::filesystem::is_regular_file(target, error);
  if ((!target_suffix.empty() && !Accepted(target_suffix, suffixes)) || unnamed_file) {
    Refuse(target, target_suffix, suffixes);
  }
  return path;
}

}  // namespace kvir
