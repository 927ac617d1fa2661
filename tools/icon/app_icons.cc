// kvir-app-icons DIR: draws the program's icon into DIR: kvir-16.png … kvir-256.png and kvir.svg.

#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/icon/app_icon.h"
#include "tools/offscreen_tool.h"
#include "tools/png_file.h"

int main(int argc, char** argv) {
  return kvir::art::RunOffscreenTool(argc, argv, [](const std::string& dir) {
    for (int size : kvir::art::kAppIconSizes) {
      kvir::WritePngFile(kvir::art::DrawAppIcon(size),
                         dir + "/kvir-" + std::to_string(size) + ".png");
    }
    std::ofstream svg(dir + "/kvir.svg", std::ios::binary);
    svg << kvir::art::AppIconSvg();
    if (!svg.flush()) throw std::runtime_error("cannot write " + dir + "/kvir.svg");
  });
}
