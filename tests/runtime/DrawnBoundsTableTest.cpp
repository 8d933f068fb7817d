// The bounds a drawing-service call reports: the exact box for shapes that fill their inclusive
// corners, cut to the clip and the surface, nothing when nothing could be drawn.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "gx/PixelChanges.h"
#include "gx/RasterBackend.h"
#include "gx/Recorder.h"

namespace {

constexpr int32_t kRed = 0xFF0000;
constexpr int32_t kNone = static_cast<int32_t>(0x80000000u);

struct Case {
  const char* what;
  std::function<void(gx::Backend&)> draw;
  std::optional<gx::PixelBox> bounds;
};

std::string text(const std::optional<gx::PixelBox>& b) {
  if (!b) return "nothing";
  return std::to_string(b->x1) + "," + std::to_string(b->y1) + "," + std::to_string(b->x2) + "," +
         std::to_string(b->y2);
}

TEST(DrawnBoundsTableTest, EachCallReportsTheBoxItCanTouch) {
  const Case cases[] = {
      {"filled box", [](gx::Backend& b) { b.fillRectangle(10, 5, 20, 15, 1, kRed, 1, 0, 0, 0, 0); },
       gx::PixelBox{10, 5, 20, 15}},
      {"corners in either order",
       [](gx::Backend& b) { b.fillRectangle(20, 15, 10, 5, 1, kRed, 1, 0, 0, 0, 0); },
       gx::PixelBox{10, 5, 20, 15}},
      {"cut to the clip",
       [](gx::Backend& b) {
         b.setClipArea(0, 0, 12, 8, 0);
         b.fillRectangle(10, 5, 20, 15, 1, kRed, 1, 0, 0, 0, 0);
       },
       gx::PixelBox{10, 5, 12, 8}},
      {"cut to the surface",
       [](gx::Backend& b) { b.fillRectangle(-5, -5, 100, 3, 1, kRed, 1, 0, 0, 0, 0); },
       gx::PixelBox{0, 0, 63, 3}},
      {"clipped away",
       [](gx::Backend& b) {
         b.setClipArea(30, 30, 40, 40, 0);
         b.fillRectangle(10, 5, 20, 15, 1, kRed, 1, 0, 0, 0, 0);
       },
       std::nullopt},
      {"no colour", [](gx::Backend& b) { b.fillRectangle(10, 5, 20, 15, 1, kNone, 1, 0, 0, 0, 0); },
       std::nullopt},
      {"thin horizontal line", [](gx::Backend& b) { b.drawLine(10, 5, 20, 5, 1, 1, kRed, 0, 0); },
       gx::PixelBox{10, 5, 20, 5}},
      {"outline three wide",
       [](gx::Backend& b) { b.drawRectangle(10, 10, 30, 20, 3, 1, kRed, 0, 0, 0, 0); },
       gx::PixelBox{10, 10, 30, 20}},
      {"on a layer that does not exist",
       [](gx::Backend& b) {
         const POINTRECT box{10, 10, 20, 20};
         b.pie(7, box, POINTLINE{20, 15, 15, 10}, PLANECOL{kRed, 0, kRed}, PLANEATTRIB{1, 1, 1, 1},
               box, true);
       },
       std::nullopt},
  };
  for (const Case& c : cases) {
    gx::RasterBackend raster(64, 48, 2, 0xFFFFFF);
    gx::Recorder recorder(&raster);
    c.draw(recorder);
    const gx::Json& line = recorder.calls().back();
    ASSERT_TRUE(line.contains("bounds")) << c.what;
    std::optional<gx::PixelBox> got;
    if (!line["bounds"].is_null())
      got = gx::PixelBox{line["bounds"]["x1"], line["bounds"]["y1"], line["bounds"]["x2"],
                         line["bounds"]["y2"]};
    EXPECT_EQ(text(got), text(c.bounds)) << c.what;
  }
}

TEST(DrawnBoundsTableTest, OnlyDrawingLinesGetBoundsAndEveryLineItsCall) {
  gx::RasterBackend raster(64, 48, 1, 0xFFFFFF);
  gx::Recorder recorder(&raster);
  recorder.setCall(std::nullopt);
  recorder.setClipArea(0, 0, 9, 9, 0);
  recorder.setCall(3);
  recorder.fillRectangle(1, 1, 2, 2, 1, kRed, 1, 0, 0, 0, 0);
  recorder.removeClipArea(0);
  const auto& lines = recorder.calls();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines[0]["call"].is_null());
  EXPECT_FALSE(lines[0].contains("bounds"));
  EXPECT_EQ(lines[1]["call"], 3);
  EXPECT_EQ(lines[1]["bounds"], (gx::Json{{"x1", 1}, {"y1", 1}, {"x2", 2}, {"y2", 2}}));
  EXPECT_EQ(lines[2]["call"], 3);
  // The compact form stays the call itself.
  EXPECT_EQ(gx::Recorder::describe(lines[1]), "osGXfillRectangle(1,1,2,2,1,16711680,1,0,0,0,0)");
}

TEST(DrawnBoundsTableTest, PixelChangesFindTheChangedPixelsOnAnyLayer) {
  gx::RasterBackend raster(16, 16, 2, 0xFFFFFF);
  gx::PixelChanges changes(raster);
  EXPECT_FALSE(changes.sinceLastLook().box);
  raster.setClipArea(0, 0, 15, 15, 1);  // draws on layer 1 from now on
  raster.drawLine(3, 4, 5, 4, 1, 1, kRed, 0, 0);
  const auto changed = changes.sinceLastLook();
  ASSERT_TRUE(changed.box);
  EXPECT_EQ(text(changed.box), "3,4,5,4");
  EXPECT_TRUE(changed.changed(4, 4));
  EXPECT_FALSE(changed.changed(4, 5));
  EXPECT_FALSE(changes.sinceLastLook().box);  // the last look moved on

  // Looking within an area sees and takes in only that area.
  raster.drawLine(3, 8, 9, 8, 1, 1, kRed, 0, 0);
  EXPECT_EQ(text(changes.sinceLastLook(gx::PixelBox{5, 0, 15, 15}).box), "5,8,9,8");
  EXPECT_FALSE(changes.sinceLastLook(gx::PixelBox{0, 0, -1, -1}).box);
  EXPECT_EQ(text(changes.sinceLastLook().box), "3,8,4,8");
}

}  // namespace
