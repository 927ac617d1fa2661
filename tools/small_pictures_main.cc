// kvir-small-pictures DIR: draws the small pictures (DrawSmallPictures) at every zoom level into
// DIR.

#include <cstdio>
#include <string>

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
  } catch (const kvir::PictureError& error) {
    std::fprintf(stderr, "kvir-small-pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}
