// kvir-scheme-pictures DIR: draws scheme01.png … scheme16.png into DIR from the scheme tables,
// and the title strips title01ru.png … title16en.png that `kvir-cli render --title` uses; for the
// schemes that the clear view draws anew, also scheme10_clear.png … and title10ru_clear.png …;
// and all of them at every other zoom level: scheme01_150.png, title10ru_clear_300.png ….

#include <cctype>
#include <string>
#include <utility>

#include "circuit/schemes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/title_strip.h"
#include "tools/offscreen_tool.h"
#include "tools/png_file.h"

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
  return kvir::art::RunOffscreenTool(argc, argv, [](const std::string& dir) {
    for (const int zoom : kvir::kZoomLevels) {
      for (int n = 1; n <= kvir::kSchemeCount; ++n) {
        DrawScheme(n, {.zoom = zoom}, dir);
        if (kvir::HasClearSchemePicture(*kvir::kSchemeTable[n - 1].def)) {
          DrawScheme(n, {.clear = true, .zoom = zoom}, dir);
        }
      }
    }
  });
}
