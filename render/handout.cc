#include "render/handout.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "circuit/names.h"
#include "render/loaders.h"
#include "render/panel_geometry.h"
#include "render/panel_image.h"

namespace kvir {

PictureRect CropRect(const PanelPictures& pictures) {
  const PictureControl& p = pictures.picture();
  return CropRect({static_cast<int16_t>(p.left), static_cast<int16_t>(p.top),
                   static_cast<int16_t>(p.width), static_cast<int16_t>(p.height)},
                  pictures.style().zoom);
}

PictureRect CropRect(const PictureRect& p, int zoom) {
  const int margin = Scaled(kCropMargin, zoom);
  const int left = std::max(0, p.left - margin);
  const int top = std::max(0, p.top - margin);
  const int right = std::min(PanelWidth(zoom), p.left + p.width + margin);
  const int bottom = std::min(PanelHeight(zoom), p.top + p.height + margin);
  return {static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(right - left),
          static_cast<int16_t>(bottom - top)};
}

Picture Crop(const Picture& picture, const PictureRect& rect) {
  if (rect.left < 0 || rect.top < 0 || rect.width < 0 || rect.height < 0 ||
      rect.left + rect.width > picture.width || rect.top + rect.height > picture.height) {
    throw std::out_of_range("crop rectangle outside the picture");
  }
  Picture out;
  out.width = rect.width;
  out.height = rect.height;
  out.channels = picture.channels;
  out.pixels.resize(static_cast<size_t>(out.stride()) * out.height);
  for (int y = 0; y < rect.height; ++y) {
    std::memcpy(out.pixels.data() + static_cast<size_t>(y) * out.stride(),
                picture.pixel(rect.left, rect.top + y), static_cast<size_t>(out.stride()));
  }
  return out;
}

Picture StackAbove(const Picture& top, const Picture& bottom) {
  if (top.width != bottom.width || top.channels != bottom.channels) {
    throw std::invalid_argument("stacked pictures differ in width or channels");
  }
  Picture out = top;
  out.height = top.height + bottom.height;
  out.pixels.insert(out.pixels.end(), bottom.pixels.begin(), bottom.pixels.end());
  return out;
}

std::string TitlePictureName(int n, Language language) {
  return "TITLE" + IndicatorNumber(n) + (language == Language::kEnglish ? "EN" : "RU") + "PNG";
}

Picture LoadTitlePicture(const PanelPictures& pictures, Language language) {
  Picture strip;
  const PictureShape shape = {CropRect(pictures).width, 0, 4, true};
  const std::string name = TitlePictureName(pictures.scheme().number(), language);
  LoadResourcePicture(name, shape, strip, pictures.style());
  if (strip.width != shape.width) {
    throw Error(ErrorCode::kTitleStripWidth,
                {name, std::to_string(strip.width), std::to_string(shape.width)});
  }
  return strip;
}

Picture CroppedPanel(const PanelPictures& pictures, const PanelOverlay* overlay) {
  return Crop(ComposePanel(pictures, overlay), CropRect(pictures));
}

Picture TitledPanel(const PanelPictures& pictures, Language language, const PanelOverlay* overlay) {
  return StackAbove(LoadTitlePicture(pictures, language), CroppedPanel(pictures, overlay));
}

std::string PictureFileName(const Scheme& scheme) {
  const int n = scheme.number();
  std::string name = std::string("kvir-") + (n < 10 ? "0" : "") + std::to_string(n);
  for (const uint16_t index : scheme.buttons) {
    const Indicator& button = scheme.indicators()[index];
    if (button.Tag == 0) continue;
    name.append("-").append(button.label.empty() ? button.name : button.label);
  }
  return name.append(".png");
}

}  // namespace kvir
