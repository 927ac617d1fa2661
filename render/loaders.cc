#include "render/loaders.h"

#include <charconv>

#include "render/resources.h"

namespace kvir {
namespace {

// Forms prefix + number + "PNG" in a stack buffer: a redraw allocates nothing for the name.
class ResourceName {
 public:
  ResourceName(std::string_view prefix, int32_t number, int min_digits) {
    char* p = buffer_;
    for (char c : prefix) *p++ = c;
    if (min_digits == 2 && number >= 0 && number < 10) *p++ = '0';
    p = std::to_chars(p, p + 12, number).ptr;
    for (char c : std::string_view("PNG")) *p++ = c;
    size_ = p - buffer_;
  }
  std::string_view view() const { return {buffer_, size_}; }

 private:
  char buffer_[32];
  size_t size_;
};

// The picture a redraw gives `image` as a button or as a lamp, for its cell in `style`.
ResourceName IndicatorPicture(const Indicator& image, bool button, PictureStyle style) {
  const bool framed = !button && style.clear && ShowsSelectedOutput(image);
  return ResourceName(button ? "BUTTON" : framed ? "ACTIVE" : "BIT", image.Tag, 1);
}

}  // namespace

std::string SchemePictureName(int32_t tag) {
  return std::string(ResourceName("SCHEME", tag, 2).view());
}
std::string ButtonPictureName(int32_t cell) {
  return std::string(ResourceName("BUTTON", cell, 1).view());
}
std::string BitPictureName(int32_t cell) {
  return std::string(ResourceName("BIT", cell, 1).view());
}
std::string ActivePictureName(int32_t cell) {
  return std::string(ResourceName("ACTIVE", cell, 1).view());
}

std::string_view LoadResourcePicture(std::string_view name, const PictureShape& shape, Picture& out,
                                     PictureStyle style) {
  const Resource* resource = FindStyledResource(name, style);
  if (resource == nullptr) {
    out = Picture();
    throw Error(ErrorCode::kPictureMissing, {std::string(name)});
  }
  DecodePng(resource->bytes, resource->name, shape, out);
  return resource->name;
}

void LoadSchemePicture(PictureControl& image, PictureStyle style) {
  const ResourceName name("SCHEME", image.Tag, 2);
  // The scheme pictures are fully opaque and kept for the whole run: their alpha is dropped.
  LoadResourcePicture(name.view(), {image.width, image.height, 4, true}, image.picture, style);
}

std::string_view LoadIndicatorPicture(const Indicator& image, Picture& out, PictureStyle style) {
  const int side = IndicatorSide(style.zoom);
  const PictureShape shape{side, side, image.is_button ? 4 : 3};
  return LoadResourcePicture(IndicatorPicture(image, image.is_button, style).view(), shape, out,
                             style);
}

const Resource* ShownResource(const Indicator& image, PictureStyle style) {
  return FindStyledResource(IndicatorPicture(image, image.is_button, style).view(), style);
}

}  // namespace kvir
