// One interface for the drawing service; the osGX entry points forward to the installed backend.
// The base class is the null backend: it draws nothing, keeps the clip area per layer so that
// clip queries answer truthfully, and hands out deterministic font and image handles and metrics.
#pragma once

#include <map>

#include "gx/ImageTable.h"
#include "platform/DrawingService.h"

namespace gx {

struct ClipArea {
  int32_t x1, y1, x2, y2;
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t lineWidth,
                        uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd);
  virtual void drawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                             int32_t lineStyle, int32_t color, int32_t backColor, uint8_t rounded,
                             int32_t radiusX, int32_t radiusY);
  virtual void fillRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                             int32_t fillColor, uint8_t fillPattern, int32_t backColor,
                             uint8_t rounded, int32_t radiusX, int32_t radiusY);
  virtual void drawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color,
                           uint16_t lineStyle, uint16_t lineWidth, int32_t backColor);
  virtual void fillEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t fillColor,
                           uint16_t fillPattern, int32_t backColor);
  virtual void drawPolygon(int32_t count, const APOINT* points, uint16_t lineWidth, int32_t color,
                           int32_t backColor, uint16_t lineStyle);
  virtual void fillPolygon(int32_t count, const APOINT* points, int32_t fillColor,
                           int32_t backColor, uint8_t fillPattern, bool fillFlag);
  virtual void drawPolyline(int32_t count, const APOINT* points, uint16_t lineWidth,
                            uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd);
  virtual void drawBezierLine(int32_t count, const APOINT* points, int32_t lineWidth,
                              int32_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd);
  virtual void fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                            int32_t fillColor, int32_t backColor, uint8_t fillPattern);
  virtual void drawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                            int32_t color, int32_t backColor, uint16_t lineStyle,
                            uint16_t lineWidth);
  virtual void drawArc(const POINTRECT& ellipse, const POINTLINE& ends, int32_t color,
                       int32_t backColor, uint8_t lineStyle, int32_t lineWidth,
                       const POINTRECT& bounds, bool arcFlag);
  virtual void pie(int32_t layer, const POINTRECT& ellipse, const POINTLINE& ends,
                   const PLANECOL& colors, const PLANEATTRIB& attributes, const POINTRECT& bounds,
                   bool arcFlag);
  virtual void getLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth, POINTRECT* rect);

  virtual bool getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer);
  virtual void setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer);
  virtual void removeClipArea(int32_t layer);
  virtual void setClipFillAnimation(uint8_t on);

  virtual void fillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                        const UniChar* chars, int32_t count, int32_t fillColor);
  virtual void drawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                        const UniChar* chars, int32_t count, int32_t color, uint16_t lineWidth);

  virtual uint32_t loadFont(const UniChar* name, uint8_t option2, uint8_t option3, uint8_t option1);
  virtual void unloadFont(uint32_t font);
  virtual void getTextMetrics(uint32_t font, const UniChar* chars, int32_t count, int32_t* width,
                              int32_t* height, int32_t* third);
  virtual void text(int32_t layer, const POINTRECT& rect, const TEXTCOL& colors,
                    const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                    int32_t count, bool textFlag);
  virtual void simpleText(int32_t layer, const POINTRECT& rect, uint32_t font, const UniChar* chars,
                          TEXTCOL colors, int32_t simpleOption1, int32_t simpleOption2,
                          int32_t count);
  virtual void scrollMarquee(int32_t layer, const POINTRECT& rect, const TEXTCOL& colors,
                             const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                             int32_t count, bool textFlag, int32_t marqueeParam);

  virtual void image(int32_t layer, APOINT position, uint16_t width, uint16_t height,
                     stImageHandle image, int32_t imageOption, int32_t flag);
  virtual stImageHandle createImage(int32_t layer, const POINTRECT* area, int32_t* status);
  virtual stImageHandle loadImage(const UniChar* path, int32_t* status);
  virtual void unloadImage(stImageHandle image);

 protected:
  // The clip area of each layer that has one; raster backends read it when drawing.
  std::map<int32_t, ClipArea> clipAreas_;
  uint32_t nextFontHandle_ = 1;
  // Images without pixels: the handles follow the raster service's rules.
  struct NullImage {};
  ImageTable<NullImage> nullImages_;
};

// The backend the osGX entry points use; a null Backend until another is installed.
Backend& service();
// Installs a backend (not owned) and returns the previous one; nullptr restores the null backend.
Backend* installService(Backend* backend);

}  // namespace gx
