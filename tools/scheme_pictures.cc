// kvir-scheme-pictures DIR: draws scheme01.png … scheme16.png into DIR from the scheme tables,
// and the title strips title01ru.png … title16en.png that `kvir-cli render --title` uses.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>

#include "schemes/schemes.h"
#include "tools/artwork/canvas.h"
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
      const std::string number = kvir::IndicatorNumber(n);
      kvir::WritePngFile(kvir::art::DrawSchemePicture(scheme),
                         argv[1] + ("/scheme" + number + ".png"));
      for (const auto& [language, code] :
           {std::pair{kvir::Language::kRussian, "ru"}, std::pair{kvir::Language::kEnglish, "en"}}) {
        kvir::WritePngFile(kvir::art::DrawTitleStrip(scheme, language).picture,
                           argv[1] + ("/title" + number + code + ".png"));
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
