// kvir-scheme-pictures DIR: draws scheme01.png … scheme16.png into DIR from the scheme tables,
// and the title strips title01ru.png … title16en.png that `kvir-cli render --title` uses; for the
// schemes that the clear view draws anew, also scheme10_clear.png … and title10ru_clear.png …;
// and all of them at every other zoom level: scheme01_150.png, title10ru_clear_300.png ….

#include <QGuiApplication>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>

#include "circuit/schemes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/title_strip.h"

namespace {

// Scheme n's picture and title strips in `style`, named with the style's suffix.
void DrawScheme(int n, kvir::PictureStyle style, const std::string& dir) {
  kvir::Scheme scheme(*kvir::kSchemeTable[n - 1].def);
  const kvir::PanelPictures shown(scheme, style);
  const std::string number = kvir::IndicatorNumber(n);
  std::string suffix(kvir::StyleSuffix(style));
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  kvir::WritePngFile(kvir::art::DrawSchemePicture(shown),
                     dir + "/scheme" + number + suffix + ".png");
  for (const auto& [language, code] :
       {std::pair{kvir::Language::kRussian, "ru"}, std::pair{kvir::Language::kEnglish, "en"}}) {
    kvir::WritePngFile(kvir::art::DrawTitleStrip(shown, language).picture,
                       dir + "/title" + number + code + suffix + ".png");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  try {
    for (const int zoom : kvir::kZoomLevels) {
      for (int n = 1; n <= kvir::kSchemeCount; ++n) {
        DrawScheme(n, {.zoom = zoom}, argv[1]);
        if (kvir::HasClearSchemePicture(*kvir::kSchemeTable[n - 1].def)) {
          DrawScheme(n, {.clear = true, .zoom = zoom}, argv[1]);
        }
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
