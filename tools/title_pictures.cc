// kvir-title-pictures DIR: draws the title strips title01ru.png … title16en.png into DIR.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>

#include "schemes/schemes.h"
#include "tools/artwork/title_strip.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  try {
    for (int n = 1; n <= kvir::kSchemeCount; ++n) {
      const kvir::Scheme scheme(*kvir::kSchemeTable[n - 1].def);
      for (const auto& [language, code] :
           {std::pair{kvir::Language::kRussian, "ru"}, std::pair{kvir::Language::kEnglish, "en"}}) {
        char file[32];
        std::snprintf(file, sizeof file, "/title%02d%s.png", n, code);
        kvir::WritePngFile(kvir::art::DrawTitleStrip(scheme, language).picture,
                           std::string(argv[1]) + file);
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
