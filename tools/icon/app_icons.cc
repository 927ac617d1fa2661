// kvir-app-icons DIR: draws the program's icon into DIR: kvir-16.png … kvir-256.png and kvir.svg.

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "tools/icon/app_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const std::string dir = argv[1];
  try {
    for (int size : kvir::art::kAppIconSizes) {
      kvir::WritePngFile(kvir::art::DrawAppIcon(size),
                         dir + "/kvir-" + std::to_string(size) + ".png");
    }
    std::ofstream svg(dir + "/kvir.svg", std::ios::binary);
    svg << kvir::art::AppIconSvg();
    if (!svg.flush()) throw std::runtime_error("cannot write " + dir + "/kvir.svg");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
