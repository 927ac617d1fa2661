// kvir-scheme-pictures DIR: draws scheme01.png … scheme16.png into DIR from the scheme tables.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "schemes/schemes.h"
#include "tools/artwork/canvas.h"

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
      const std::string file = "/scheme" + kvir::IndicatorNumber(n) + ".png";
      kvir::WritePngFile(kvir::art::DrawSchemePicture(scheme), argv[1] + file);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
