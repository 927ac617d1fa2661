#include "tools/offscreen_tool.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "io/error_texts.h"

namespace kvir::art {

int RunOffscreenTool(int argc, char** argv, const std::function<void(const std::string&)>& draw) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  try {
    draw(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", ErrorMessage(e).c_str());
    return 1;
  }
  return 0;
}

}  // namespace kvir::art
