// ExamWorksheetPdf for the window: the worksheets' drawing, and cairo and pango with it, are
// loaded from the module kvir-worksheet.so the first time worksheets are written, not at start.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "core/error.h"
#include "render/exam_pdf.h"
#include "render/exam_pictures.h"
#include "render/worksheet_pdf.h"

namespace kvir {
namespace {

constexpr char kModuleFile[] = "kvir-worksheet.so";

// The folder of the running program, with a trailing '/'; empty where it cannot be read.
std::string ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<size_t>(length) >= path.size()) return {};
  path.resize(static_cast<size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

// Where the module may be: KVIR_WORKSHEET_MODULE where set (the tests' programs, which are built
// apart from it); else beside the program (the build folder), then where it is installed.
std::vector<std::string> ModulePlaces() {
  if (const char* named = std::getenv("KVIR_WORKSHEET_MODULE"); named != nullptr && *named) {
    return {named};
  }
  const std::string folder = ProgramFolder();
  if (folder.empty()) return {kModuleFile};
  return {folder + kModuleFile, folder + KVIR_WORKSHEET_FROM_BINDIR + "/" + kModuleFile};
}

// The module's table, loaded once; throws Error(kWorksheetFailed) with the loader's words where
// no place holds a module that loads.
const WorksheetModule& Module() {
  static std::mutex mutex;
  static const WorksheetModule* loaded = nullptr;
  const std::lock_guard lock(mutex);
  if (loaded != nullptr) return *loaded;
  std::string failures;
  for (const std::string& place : ModulePlaces()) {
    void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      failures += (failures.empty() ? "" : "; ") + std::string(dlerror());
      continue;
    }
    const auto entry = reinterpret_cast<WorksheetEntry>(dlsym(handle, kWorksheetEntry));
    if (entry == nullptr || entry() == nullptr) {
      failures += (failures.empty() ? "" : "; ") + place + ": " + kWorksheetEntry + "?";
      dlclose(handle);
      continue;
    }
    loaded = entry();  // the module stays loaded for the rest of the run
    return *loaded;
  }
  throw Error(ErrorCode::kWorksheetFailed, {failures});
}

}  // namespace

std::vector<uint8_t> ExamWorksheetPdf(std::span<const ExamVariant> variants, Language language) {
  std::string failure;
  std::vector<uint8_t> pdf = Module().pdf(variants, language, WorksheetQuestionImage, failure);
  if (!failure.empty()) throw Error(ErrorCode::kWorksheetFailed, {failure});
  return pdf;
}

}  // namespace kvir
