// A drawing service that logs every call with all its arguments, then forwards it to another
// backend (the null one by default). Tests assert on the log; zelmo-panel writes it as --trace.
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "gx/Backend.h"

namespace gx {

using Json = nlohmann::ordered_json;

class Recorder : public Backend {
 public:
  explicit Recorder(Backend* next = nullptr);

  // One object per call: {"fn": "osGX...", parameter: value, ...} in parameter order.
  const std::vector<Json>& calls() const { return calls_; }
  void clear() { calls_.clear(); }
  // Compact forms for assertions, e.g. "osGXsetClipArea(0,0,9,9,0)"; records as {..}.
  std::vector<std::string> lines() const;
  // The compact form leaves out the "call" and "bounds" keys, which describe the run, not the call.
  static std::string describe(const Json& call);

  // From now on every line gets "call": the index of the screen call that made it (null outside
  // any). Drawing lines get "bounds" whenever the next backend measures what it draws.
  void setCall(std::optional<size_t> index);
  bool stampsCalls() const { return stampCalls_; }
  std::optional<size_t> call() const { return call_; }
  // Sees each drawing line once its call has drawn and its bounds are known.
  void afterDrawing(std::function<void(const Json&)> observer) {
    afterDrawing_ = std::move(observer);
  }

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
  bool getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) override;
  void setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) override;
  void removeClipArea(int32_t layer) override;
  void setClipFillAnimation(uint8_t on) override;
  void fillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                const UniChar* chars, int32_t count, int32_t fillColor) override;
  void drawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                const UniChar* chars, int32_t count, int32_t color, uint16_t lineWidth) override;
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

 private:
  Json& record(const char* fn);
  void drawn();      // adds the bounds to the drawing line just forwarded
  Backend ownNull_;  // a null service of its own, so recorders never share clip state
  Backend& next_;
  std::vector<Json> calls_;
  bool stampCalls_ = false;
  std::optional<size_t> call_;
  std::function<void(const Json&)> afterDrawing_;
};

}  // namespace gx
