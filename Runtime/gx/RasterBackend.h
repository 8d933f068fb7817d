// The drawing service drawn for real: one Cairo ARGB surface per layer, the clip area per layer,
// inclusive pixel corners drawn pixel-exact. What each line style, fill pattern, line end, text
// mode and option means is documented in docs/drawing-service.md.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gx/Backend.h"

typedef struct _cairo cairo_t;

namespace gx {

namespace raster {
struct TextJob;
}
namespace path {
struct Segment;
}

class RasterBackend : public Backend {
 public:
  // `layers` surfaces of width x height; layer 0 starts filled with `background` (0x00RRGGBB),
  // the others transparent. Drawing on a layer outside 0..layers-1 draws nothing.
  RasterBackend(int width, int height, int layers, uint32_t background);
  ~RasterBackend() override;
  RasterBackend(const RasterBackend&) = delete;
  RasterBackend& operator=(const RasterBackend&) = delete;

  int width() const;
  int height() const;
  int layers() const;
  // The layer that calls without a layer parameter draw on; the service follows the last layer
  // named by a call that has one (clip, text, pie, image), as the panel's service does.
  int currentLayer() const;

  // 0xAARRGGBB of one pixel of a layer, or of all layers composited in order (layer -1).
  uint32_t pixel(int x, int y, int layer = -1) const;
  // Writes all layers composited in order as a PNG; false with a message on failure.
  bool writePng(const std::string& path, std::string* error = nullptr) const;
  // The folder relative image paths are resolved against (zelmo-panel: the screen file's);
  // empty, the default, leaves them to the working directory.
  void setImageFolder(const std::string& folder);
  // Every picture file loadImage was asked for, resolved as above, in the order first asked,
  // whether or not it could be read (a live preview watches them).
  const std::vector<std::string>& imageFiles() const;
  // Premultiplied 0xAARRGGBB pixels row by row, of one layer or of all layers composited (-1).
  void copyPixels(std::vector<uint32_t>& out, int layer = -1) const;
  // The same for an inclusive area, which must lie on the surface.
  void copyPixels(std::vector<uint32_t>& out, int layer, const PixelBox& area) const;
  // The PNG bytes of an inclusive area of all layers composited, cut to the surface (empty when
  // nothing of it is left).
  std::string compositePng(const PixelBox& area) const;
  // True while a fill-level clip sequence is open (osGXsetClipFillAnimation(1) seen last).
  bool clipFillAnimation() const;
  // One message for each distinct path text that did not parse (and so drew nothing), in the
  // order first met.
  const std::vector<std::string>& pathErrors() const;
  // How many fonts were loaded in the default family because the one asked is not installed.
  size_t fontSubstitutions() const;

  void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t lineWidth,
                uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd) override;
  void drawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                     int32_t lineStyle, int32_t color, int32_t backColor, uint8_t rounded,
                     int32_t radiusX, int32_t radiusY) override;
  void fillRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                     int32_t fillColor, uint8_t fillPattern, int32_t backColor, uint8_t rounded,
                     int32_t radiusX, int32_t radiusY) override;
  void drawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color,
                   uint16_t lineStyle, uint16_t lineWidth, int32_t backColor) override;
  void fillEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t fillColor,
                   uint16_t fillPattern, int32_t backColor) override;
  void drawPolygon(int32_t count, const APOINT* points, uint16_t lineWidth, int32_t color,
                   int32_t backColor, uint16_t lineStyle) override;
  void fillPolygon(int32_t count, const APOINT* points, int32_t fillColor, int32_t backColor,
                   uint8_t fillPattern, bool fillFlag) override;
  void drawPolyline(int32_t count, const APOINT* points, uint16_t lineWidth, uint16_t lineStyle,
                    int32_t color, int32_t backColor, uint8_t lineEnd) override;
  void drawBezierLine(int32_t count, const APOINT* points, int32_t lineWidth, int32_t lineStyle,
                      int32_t color, int32_t backColor, uint8_t lineEnd) override;
  void fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                    int32_t fillColor, int32_t backColor, uint8_t fillPattern) override;
  void drawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                    int32_t color, int32_t backColor, uint16_t lineStyle,
                    uint16_t lineWidth) override;
  void drawArc(const POINTRECT& ellipse, const POINTLINE& ends, int32_t color, int32_t backColor,
               uint8_t lineStyle, int32_t lineWidth, const POINTRECT& bounds,
               bool arcFlag) override;
  void pie(int32_t layer, const POINTRECT& ellipse, const POINTLINE& ends, const PLANECOL& colors,
           const PLANEATTRIB& attributes, const POINTRECT& bounds, bool arcFlag) override;
  void getLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth, POINTRECT* rect) override;

  void fillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                const UniChar* chars, int32_t count, int32_t fillColor) override;
  void drawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                const UniChar* chars, int32_t count, int32_t color, uint16_t lineWidth) override;

  bool getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) override;
  void setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) override;
  void removeClipArea(int32_t layer) override;
  void setClipFillAnimation(uint8_t on) override;

  uint32_t loadFont(const UniChar* name, uint8_t option2, uint8_t option3,
                    uint8_t option1) override;
  void unloadFont(uint32_t font) override;
  void getTextMetrics(uint32_t font, const UniChar* chars, int32_t count, int32_t* width,
                      int32_t* height, int32_t* third) override;
  void text(int32_t layer, const POINTRECT& rect, const TEXTCOL& colors,
            const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars, int32_t count,
            bool textFlag) override;
  void simpleText(int32_t layer, const POINTRECT& rect, uint32_t font, const UniChar* chars,
                  TEXTCOL colors, int32_t simpleOption1, int32_t simpleOption2,
                  int32_t count) override;
  void scrollMarquee(int32_t layer, const POINTRECT& rect, const TEXTCOL& colors,
                     const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                     int32_t count, bool textFlag, int32_t marqueeParam) override;

  void image(int32_t layer, APOINT position, uint16_t width, uint16_t height, stImageHandle image,
             int32_t imageOption, int32_t flag) override;
  stImageHandle createImage(int32_t layer, const POINTRECT* area, int32_t* status) override;
  stImageHandle loadImage(const UniChar* path, int32_t* status) override;
  void unloadImage(stImageHandle image) override;
  Drawn takeDrawn() override;

 private:
  struct Impl;
  // A drawing context on `layer` with that layer's clip applied, or null when nothing there
  // can be drawn (no such layer, or a clip area that is empty).
  cairo_t* begin(int32_t layer) const;
  void drawText(int32_t layer, const raster::TextJob& job);
  std::vector<path::Segment> pathSegments(const UniChar* chars, int32_t count);
  std::unique_ptr<Impl> impl_;
};

}  // namespace gx
