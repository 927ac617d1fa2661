// kvir-small-pictures DIR: draws the small pictures (DrawSmallPictures) at every zoom level into
// DIR.

#include <cstdio>
#include <exception>
#include <string>

#include "io/error_texts.h"
#include "tools/png_file.h"
#include "tools/small_pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Использование: kvir-small-pictures КАТАЛОГ\n");
    return 2;
  }
  try {
    for (const int zoom : kvir::kZoomLevels) {
      for (const kvir::SmallPicture& small : kvir::DrawSmallPictures(zoom)) {
        kvir::WritePngFile(small.picture, std::string(argv[1]) + "/" + small.file_name);
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kvir-small-pictures: %s\n", kvir::ErrorMessage(error).c_str());
    return 1;
  }
  return 0;
}
