#include "gx/Recorder.h"

#include "core/Utf.h"

namespace gx {
namespace {

// Colours are logged as the unsigned 32-bit value, so that 0x80000000 reads as 2147483648.
uint32_t colour(int32_t value) { return static_cast<uint32_t>(value); }

Json rect(const POINTRECT& r) {
  return Json{{"x1", r.x1}, {"y1", r.y1}, {"x2", r.x2}, {"y2", r.y2}};
}

Json line(const POINTLINE& l) {
  return Json{{"startX", l.startX}, {"startY", l.startY}, {"endX", l.endX}, {"endY", l.endY}};
}

Json points(int32_t count, const APOINT* list) {
  Json out = Json::array();
  for (int32_t i = 0; list && i < count; ++i) out.push_back(Json::array({list[i].x, list[i].y}));
  return out;
}

Json textColours(const TEXTCOL& c) {
  return Json{{"textColor", colour(c.textColor)},
              {"backColor", colour(c.backColor)},
              {"thirdColor", colour(c.thirdColor)}};
}

Json textAttributes(const TEXTATTRIB& a) {
  return Json{{"mode", a.mode},       {"option1", a.option1}, {"option2", a.option2},
              {"option3", a.option3}, {"option4", a.option4}, {"option5", a.option5},
              {"option6", a.option6}, {"option7", a.option7}};
}

std::string wide(const UniChar* chars) {
  if (!chars) return {};
  int32_t length = 0;
  while (chars[length] != 0) ++length;
  return core::utf8FromUtf16(chars, length);
}

void appendCompact(std::string& out, const Json& value) {
  if (value.is_object() || value.is_array()) {
    out += value.is_object() ? '{' : '[';
    bool first = true;
    for (const auto& item : value) {
      if (!first) out += ',';
      first = false;
      appendCompact(out, item);
    }
    out += value.is_object() ? '}' : ']';
  } else {
    out += value.dump();
  }
}

}  // namespace

Recorder::Recorder(Backend* next) : next_(next ? *next : ownNull_) {}

Json& Recorder::record(const char* fn) {
  calls_.push_back(Json{{"fn", fn}});
  return calls_.back();
}

std::string Recorder::describe(const Json& call) {
  std::string out = call.value("fn", "");
  out += '(';
  bool first = true;
  for (const auto& [key, value] : call.items()) {
    if (key == "fn") continue;
    if (!first) out += ',';
    first = false;
    appendCompact(out, value);
  }
  out += ')';
  return out;
}

std::vector<std::string> Recorder::lines() const {
  std::vector<std::string> out;
  out.reserve(calls_.size());
  for (const auto& call : calls_) out.push_back(describe(call));
  return out;
}

void Recorder::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t lineWidth,
                        uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd) {
  Json& c = record("osGXdrawLine");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["lineWidth"] = lineWidth;
  c["lineStyle"] = lineStyle, c["color"] = colour(color), c["backColor"] = colour(backColor);
  c["lineEnd"] = lineEnd;
  next_.drawLine(x1, y1, x2, y2, lineWidth, lineStyle, color, backColor, lineEnd);
}

void Recorder::drawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                             int32_t lineStyle, int32_t color, int32_t backColor, uint8_t rounded,
                             int32_t radiusX, int32_t radiusY) {
  Json& c = record("osGXdrawRectangle");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["lineWidth"] = lineWidth;
  c["lineStyle"] = lineStyle, c["color"] = colour(color), c["backColor"] = colour(backColor);
  c["rounded"] = rounded, c["radiusX"] = radiusX, c["radiusY"] = radiusY;
  next_.drawRectangle(x1, y1, x2, y2, lineWidth, lineStyle, color, backColor, rounded, radiusX,
                      radiusY);
}

void Recorder::fillRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                             int32_t fillColor, uint8_t fillPattern, int32_t backColor,
                             uint8_t rounded, int32_t radiusX, int32_t radiusY) {
  Json& c = record("osGXfillRectangle");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["lineWidth"] = lineWidth;
  c["fillColor"] = colour(fillColor), c["fillPattern"] = fillPattern;
  c["backColor"] = colour(backColor), c["rounded"] = rounded, c["radiusX"] = radiusX;
  c["radiusY"] = radiusY;
  next_.fillRectangle(x1, y1, x2, y2, lineWidth, fillColor, fillPattern, backColor, rounded,
                      radiusX, radiusY);
}

void Recorder::drawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color,
                           uint16_t lineStyle, uint16_t lineWidth, int32_t backColor) {
  Json& c = record("osGXdrawEllipse");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["color"] = colour(color);
  c["lineStyle"] = lineStyle, c["lineWidth"] = lineWidth, c["backColor"] = colour(backColor);
  next_.drawEllipse(x1, y1, x2, y2, color, lineStyle, lineWidth, backColor);
}

void Recorder::fillEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t fillColor,
                           uint16_t fillPattern, int32_t backColor) {
  Json& c = record("osGXfillEllipse");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["fillColor"] = colour(fillColor);
  c["fillPattern"] = fillPattern, c["backColor"] = colour(backColor);
  next_.fillEllipse(x1, y1, x2, y2, fillColor, fillPattern, backColor);
}

void Recorder::drawPolygon(int32_t count, const APOINT* list, uint16_t lineWidth, int32_t color,
                           int32_t backColor, uint16_t lineStyle) {
  Json& c = record("osGXdrawPolygon");
  c["count"] = count, c["points"] = points(count, list), c["lineWidth"] = lineWidth;
  c["color"] = colour(color), c["backColor"] = colour(backColor), c["lineStyle"] = lineStyle;
  next_.drawPolygon(count, list, lineWidth, color, backColor, lineStyle);
}

void Recorder::fillPolygon(int32_t count, const APOINT* list, int32_t fillColor, int32_t backColor,
                           uint8_t fillPattern, bool fillFlag) {
  Json& c = record("osGXfillPolygon");
  c["count"] = count, c["points"] = points(count, list), c["fillColor"] = colour(fillColor);
  c["backColor"] = colour(backColor), c["fillPattern"] = fillPattern, c["fillFlag"] = fillFlag;
  next_.fillPolygon(count, list, fillColor, backColor, fillPattern, fillFlag);
}

void Recorder::drawPolyline(int32_t count, const APOINT* list, uint16_t lineWidth,
                            uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd) {
  Json& c = record("osGXdrawPolyline");
  c["count"] = count, c["points"] = points(count, list), c["lineWidth"] = lineWidth;
  c["lineStyle"] = lineStyle, c["color"] = colour(color), c["backColor"] = colour(backColor);
  c["lineEnd"] = lineEnd;
  next_.drawPolyline(count, list, lineWidth, lineStyle, color, backColor, lineEnd);
}

void Recorder::drawBezierLine(int32_t count, const APOINT* list, int32_t lineWidth,
                              int32_t lineStyle, int32_t color, int32_t backColor,
                              uint8_t lineEnd) {
  Json& c = record("osGXdrawBezierLine");
  c["count"] = count, c["points"] = points(count, list), c["lineWidth"] = lineWidth;
  c["lineStyle"] = lineStyle, c["color"] = colour(color), c["backColor"] = colour(backColor);
  c["lineEnd"] = lineEnd;
  next_.drawBezierLine(count, list, lineWidth, lineStyle, color, backColor, lineEnd);
}

void Recorder::fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                            int32_t fillColor, int32_t backColor, uint8_t fillPattern) {
  Json& c = record("osGXfillTriangle");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["x3"] = x3, c["y3"] = y3;
  c["fillColor"] = colour(fillColor), c["backColor"] = colour(backColor);
  c["fillPattern"] = fillPattern;
  next_.fillTriangle(x1, y1, x2, y2, x3, y3, fillColor, backColor, fillPattern);
}

void Recorder::drawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                            int32_t color, int32_t backColor, uint16_t lineStyle,
                            uint16_t lineWidth) {
  Json& c = record("osGXdrawTriangle");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["x3"] = x3, c["y3"] = y3;
  c["color"] = colour(color), c["backColor"] = colour(backColor), c["lineStyle"] = lineStyle;
  c["lineWidth"] = lineWidth;
  next_.drawTriangle(x1, y1, x2, y2, x3, y3, color, backColor, lineStyle, lineWidth);
}

void Recorder::drawArc(const POINTRECT& ellipse, const POINTLINE& ends, int32_t color,
                       int32_t backColor, uint8_t lineStyle, int32_t lineWidth,
                       const POINTRECT& bounds, bool arcFlag) {
  Json& c = record("osGXdrawArc");
  c["ellipse"] = rect(ellipse), c["ends"] = line(ends), c["color"] = colour(color);
  c["backColor"] = colour(backColor), c["lineStyle"] = lineStyle, c["lineWidth"] = lineWidth;
  c["bounds"] = rect(bounds), c["arcFlag"] = arcFlag;
  next_.drawArc(ellipse, ends, color, backColor, lineStyle, lineWidth, bounds, arcFlag);
}

void Recorder::pie(int32_t layer, const POINTRECT& ellipse, const POINTLINE& ends,
                   const PLANECOL& colors, const PLANEATTRIB& attributes, const POINTRECT& bounds,
                   bool arcFlag) {
  Json& c = record("osGXpie");
  c["layer"] = layer, c["ellipse"] = rect(ellipse), c["ends"] = line(ends);
  c["colors"] = Json{{"lineColor", colour(colors.lineColor)},
                     {"backColor", colour(colors.backColor)},
                     {"fillColor", colour(colors.fillColor)}};
  c["attributes"] = Json{{"lineWidth", attributes.lineWidth},
                         {"lineStyle", attributes.lineStyle},
                         {"fillPattern", attributes.fillPattern},
                         {"fourth", attributes.fourth}};
  c["bounds"] = rect(bounds), c["arcFlag"] = arcFlag;
  next_.pie(layer, ellipse, ends, colors, attributes, bounds, arcFlag);
}

void Recorder::getLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth, POINTRECT* out) {
  next_.getLineBoundingRect(from, to, lineWidth, out);
  Json& c = record("osGXgetLineBoundingRect");
  c["from"] = Json{{"x", from.x}, {"y", from.y}}, c["to"] = Json{{"x", to.x}, {"y", to.y}};
  c["lineWidth"] = lineWidth;
  if (out) c["rect"] = rect(*out);
}

bool Recorder::getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) {
  const bool set = next_.getClipArea(x1, y1, x2, y2, layer);
  Json& c = record("osGXgetClipArea");
  c["layer"] = layer, c["result"] = set;
  return set;
}

void Recorder::setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) {
  Json& c = record("osGXsetClipArea");
  c["x1"] = x1, c["y1"] = y1, c["x2"] = x2, c["y2"] = y2, c["layer"] = layer;
  next_.setClipArea(x1, y1, x2, y2, layer);
}

void Recorder::removeClipArea(int32_t layer) {
  record("osGXremoveClipArea")["layer"] = layer;
  next_.removeClipArea(layer);
}

void Recorder::setClipFillAnimation(uint8_t on) {
  record("osGXsetClipFillAnimation")["on"] = on;
  next_.setClipFillAnimation(on);
}

void Recorder::fillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                        const UniChar* chars, int32_t count, int32_t fillColor) {
  Json& c = record("osGXfillPath");
  c["translateX"] = translateX, c["translateY"] = translateY, c["scaleX"] = scaleX;
  c["scaleY"] = scaleY, c["chars"] = core::utf8FromUtf16(chars, count), c["count"] = count;
  c["fillColor"] = colour(fillColor);
  next_.fillPath(translateX, translateY, scaleX, scaleY, chars, count, fillColor);
}

void Recorder::drawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                        const UniChar* chars, int32_t count, int32_t color, uint16_t lineWidth) {
  Json& c = record("osGXdrawPath");
  c["translateX"] = translateX, c["translateY"] = translateY, c["scaleX"] = scaleX;
  c["scaleY"] = scaleY, c["chars"] = core::utf8FromUtf16(chars, count), c["count"] = count;
  c["color"] = colour(color), c["lineWidth"] = lineWidth;
  next_.drawPath(translateX, translateY, scaleX, scaleY, chars, count, color, lineWidth);
}

uint32_t Recorder::loadFont(const UniChar* name, uint8_t option2, uint8_t option3,
                            uint8_t option1) {
  const uint32_t handle = next_.loadFont(name, option2, option3, option1);
  Json& c = record("osGXloadFont");
  c["name"] = wide(name), c["option2"] = option2, c["option3"] = option3;
  c["option1"] = option1, c["result"] = handle;
  return handle;
}

void Recorder::unloadFont(uint32_t font) {
  record("osGXunloadFont")["font"] = font;
  next_.unloadFont(font);
}

void Recorder::getTextMetrics(uint32_t font, const UniChar* chars, int32_t count, int32_t* width,
                              int32_t* height, int32_t* third) {
  next_.getTextMetrics(font, chars, count, width, height, third);
  Json& c = record("osGXgetTextMetrics");
  c["font"] = font, c["chars"] = core::utf8FromUtf16(chars, count), c["count"] = count;
  if (width) c["width"] = *width;
  if (height) c["height"] = *height;
  if (third) c["third"] = *third;
}

void Recorder::text(int32_t layer, const POINTRECT& r, const TEXTCOL& colors,
                    const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                    int32_t count, bool textFlag) {
  Json& c = record("osGXtext");
  c["layer"] = layer, c["rect"] = rect(r), c["colors"] = textColours(colors);
  c["attributes"] = textAttributes(attributes), c["font"] = font;
  c["chars"] = core::utf8FromUtf16(chars, count), c["count"] = count, c["textFlag"] = textFlag;
  next_.text(layer, r, colors, attributes, font, chars, count, textFlag);
}

void Recorder::simpleText(int32_t layer, const POINTRECT& r, uint32_t font, const UniChar* chars,
                          TEXTCOL colors, int32_t simpleOption1, int32_t simpleOption2,
                          int32_t count) {
  Json& c = record("osGXsimpleText");
  c["layer"] = layer, c["rect"] = rect(r), c["font"] = font;
  c["chars"] = core::utf8FromUtf16(chars, count), c["colors"] = textColours(colors);
  c["simpleOption1"] = simpleOption1, c["simpleOption2"] = simpleOption2, c["count"] = count;
  next_.simpleText(layer, r, font, chars, colors, simpleOption1, simpleOption2, count);
}

void Recorder::scrollMarquee(int32_t layer, const POINTRECT& r, const TEXTCOL& colors,
                             const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                             int32_t count, bool textFlag, int32_t marqueeParam) {
  Json& c = record("osGXscrollMarquee");
  c["layer"] = layer, c["rect"] = rect(r), c["colors"] = textColours(colors);
  c["attributes"] = textAttributes(attributes), c["font"] = font;
  c["chars"] = core::utf8FromUtf16(chars, count), c["count"] = count, c["textFlag"] = textFlag;
  c["marqueeParam"] = marqueeParam;
  next_.scrollMarquee(layer, r, colors, attributes, font, chars, count, textFlag, marqueeParam);
}

void Recorder::image(int32_t layer, APOINT position, uint16_t width, uint16_t height,
                     stImageHandle handle, int32_t imageOption, int32_t flag) {
  Json& c = record("osGXimage");
  c["layer"] = layer, c["position"] = Json{{"x", position.x}, {"y", position.y}};
  c["width"] = width, c["height"] = height, c["image"] = handle, c["imageOption"] = imageOption;
  c["flag"] = flag;
  next_.image(layer, position, width, height, handle, imageOption, flag);
}

stImageHandle Recorder::createImage(int32_t layer, const POINTRECT* area, int32_t* status) {
  const stImageHandle handle = next_.createImage(layer, area, status);
  Json& c = record("osGXcreateImage");
  c["layer"] = layer, c["area"] = area ? rect(*area) : Json(nullptr);
  c["status"] = status ? Json(*status) : Json(nullptr), c["result"] = handle;
  return handle;
}

stImageHandle Recorder::loadImage(const UniChar* path, int32_t* status) {
  const stImageHandle handle = next_.loadImage(path, status);
  Json& c = record("osGXloadImage");
  c["path"] = wide(path), c["status"] = status ? Json(*status) : Json(nullptr);
  c["result"] = handle;
  return handle;
}

void Recorder::unloadImage(stImageHandle handle) {
  record("osGXunloadImage")["image"] = handle;
  next_.unloadImage(handle);
}

}  // namespace gx
