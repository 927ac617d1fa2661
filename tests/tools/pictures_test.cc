// The committed scheme pictures: their format, their placeholders, and that they are exactly what
// the generator draws from the current scheme tables.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "circuit/schemes.h"
#include "render/loaders.h"
#include "render/resources.h"
#include "tests/tools/ink_compare.h"
#include "tools/artwork/canvas.h"
#include "tools/placeholder.h"

namespace kvir {
namespace {

Picture Committed(const PanelPictures& s) {
  Picture p;
  LoadResourcePicture(SchemePictureName(s.scheme().number()),
                      {s.picture().width, s.picture().height, 4}, p, s.style());
  return p;
}

// The block of `p` at (x, y) that a placeholder covers at `zoom`, RGBA.
std::vector<uint8_t> Block(const Picture& p, int x, int y, int zoom) {
  const int side = Scaled(kPlaceholderSide, zoom);
  std::vector<uint8_t> block;
  for (int dy = 0; dy < side; ++dy) {
    const uint8_t* row = p.pixel(x, y + dy);
    block.insert(block.end(), row, row + side * 4);
  }
  return block;
}

std::vector<uint8_t> Expected(bool button, int zoom) {
  const int side = Scaled(kPlaceholderSide, zoom);
  Picture p = BlankPicture(side, side);
  DrawPlaceholder(p, 0, 0, button, zoom);
  return Block(p, 0, 0, zoom);
}

/// Each scheme in the plain style, and in the clear view where it has a picture of its own.
struct PictureCase {
  int scheme;
  PictureStyle style;
};

std::vector<PictureCase> AllPictures() {
  std::vector<PictureCase> cases;
  for (const int zoom : kZoomLevels) {
    for (int n = 1; n <= kSchemeCount; ++n) {
      cases.push_back({n, {.zoom = zoom}});
      if (HasClearSchemePicture(*kSchemeTable[n - 1].def)) {
        cases.push_back({n, {.clear = true, .zoom = zoom}});
      }
    }
  }
  return cases;
}

class SchemePictureTest : public ::testing::TestWithParam<PictureCase> {
 protected:
  SchemePictureTest()
      : scheme(*kSchemeTable[GetParam().scheme - 1].def), s(scheme, GetParam().style) {}
  Scheme scheme;
  PanelPictures s;  ///< the scheme in the style of the case
};

TEST_P(SchemePictureTest, IsOpaqueRgbaOfItsSizeWithEverySquareInPlace) {
  const Picture p = Committed(s);
  ASSERT_EQ(p.channels, 4);
  for (size_t i = 3; i < p.pixels.size(); i += 4) ASSERT_EQ(p.pixels[i], 0xFF) << "pixel " << i / 4;
  const int zoom = s.style().zoom;
  const std::vector<uint8_t> k = Expected(true, zoom), l = Expected(false, zoom);
  ASSERT_NE(k, l);
  for (const Indicator& ind : scheme.indicators()) {
    EXPECT_EQ(Block(p, PictureX(s, ind), PictureY(s, ind), zoom), ind.is_button ? k : l)
        << ind.name;
  }
}

/// Pixels outside every text area that differ, and the text areas whose ink disagrees.
struct Differences {
  size_t pixels = 0;
  std::vector<QRect> areas;
};

Differences Compare(const Picture& a, const Picture& b, const std::vector<QRect>& text_areas) {
  Differences found;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (std::memcmp(a.pixel(x, y), b.pixel(x, y), 4) == 0) continue;
      const bool in_text =
          std::ranges::any_of(text_areas, [&](const QRect& r) { return r.contains(x, y); });
      found.pixels += !in_text;
    }
  }
  for (const QRect& area : text_areas) {
    if (!InkAgrees(a, b, area)) found.areas.push_back(area);
  }
  return found;
}

/// Scheme n drawn by the generator, and where it put text.
struct Drawn {
  Picture picture;
  std::vector<QRect> text_areas;
};

Drawn Draw(const PanelPictures& s) {
  art::Canvas canvas(s);
  art::DrawCircuit(canvas);
  Drawn drawn;
  drawn.text_areas = canvas.text_areas();
  drawn.picture = canvas.Finish();
  return drawn;
}

TEST_P(SchemePictureTest, IsWhatTheGeneratorDrawsFromTheTables) {
  const Drawn drawn = Draw(s);
  const Picture committed = Committed(s);
  ASSERT_EQ(drawn.picture.width, committed.width);
  ASSERT_EQ(drawn.picture.height, committed.height);
  ASSERT_FALSE(drawn.text_areas.empty());
  const Differences found = Compare(drawn.picture, committed, drawn.text_areas);
  EXPECT_EQ(found.pixels, 0u) << "regenerate resources/ with kvir-scheme-pictures";
  for (const QRect& r : found.areas) {
    ADD_FAILURE() << "text at " << r.x() << "," << r.y() << " " << r.width() << "×" << r.height()
                  << " differs; regenerate resources/ with kvir-scheme-pictures";
  }
}

// The tolerance lets a rasteriser's shift through and nothing else.
TEST(TextComparison, AcceptsAShiftedRasterAndRejectsChangedDrawing) {
  Scheme scheme(*kSchemeTable[0].def);
  const Drawn drawn = Draw(PanelPictures(scheme));
  const QRect label = drawn.text_areas.front();
  struct Case {
    const char* what;
    std::function<void(Picture&)> change;
    bool accepted;
  };
  const auto fill = [](Picture& p, const QRect& r, uint8_t value) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x)
        std::memset(p.pixels.data() + y * p.stride() + x * 4, value, 3);
    }
  };
  const Case cases[] = {
      {"unchanged", [](Picture&) {}, true},
      {"the label one pixel to the right",
       [&](Picture& p) {
         const Picture before = p;
         for (int y = label.top() + 1; y < label.bottom(); ++y) {
           for (int x = label.right() - 1; x > label.left(); --x) {
             std::memcpy(p.pixels.data() + y * p.stride() + x * 4, before.pixel(x - 1, y), 4);
           }
         }
       },
       true},
      {"the label erased", [&](Picture& p) { fill(p, label, 0xFF); }, false},
      {"a wire across the label",
       [&](Picture& p) { fill(p, QRect(label.left(), label.center().y(), label.width(), 1), 0); },
       false},
      {"a pixel outside any text", [&](Picture& p) { fill(p, QRect(0, 0, 1, 1), 0x80); }, false},
  };
  for (const Case& c : cases) {
    Picture changed = drawn.picture;
    c.change(changed);
    const Differences found = Compare(changed, drawn.picture, drawn.text_areas);
    EXPECT_EQ(found.pixels == 0 && found.areas.empty(), c.accepted) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, SchemePictureTest, ::testing::ValuesIn(AllPictures()),
                         [](const auto& info) {
                           return "Scheme" + std::to_string(info.param.scheme) +
                                  (info.param.style.clear ? "Clear" : "") + "At" +
                                  std::to_string(info.param.style.zoom);
                         });

}  // namespace
}  // namespace kvir

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
