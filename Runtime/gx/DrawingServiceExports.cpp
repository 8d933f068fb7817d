// The osGX entry points the module imports: each forwards to the installed backend. Records
// arrive by address; a null record address is a caller's bug and is ignored here.
#include "gx/Backend.h"

using gx::service;

extern "C" {

void osGXdrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t lineWidth,
                  uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd) {
  service().drawLine(x1, y1, x2, y2, lineWidth, lineStyle, color, backColor, lineEnd);
}

void osGXdrawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                       int32_t lineStyle, int32_t color, int32_t backColor, uint8_t rounded,
                       int32_t radiusX, int32_t radiusY) {
  service().drawRectangle(x1, y1, x2, y2, lineWidth, lineStyle, color, backColor, rounded, radiusX,
                          radiusY);
}

void osGXfillRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                       int32_t fillColor, uint8_t fillPattern, int32_t backColor, uint8_t rounded,
                       int32_t radiusX, int32_t radiusY) {
  service().fillRectangle(x1, y1, x2, y2, lineWidth, fillColor, fillPattern, backColor, rounded,
                          radiusX, radiusY);
}

void osGXdrawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color,
                     uint16_t lineStyle, uint16_t lineWidth, int32_t backColor) {
  service().drawEllipse(x1, y1, x2, y2, color, lineStyle, lineWidth, backColor);
}

void osGXfillEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t fillColor,
                     uint16_t fillPattern, int32_t backColor) {
  service().fillEllipse(x1, y1, x2, y2, fillColor, fillPattern, backColor);
}

void osGXdrawPolygon(int32_t count, const APOINT* points, uint16_t lineWidth, int32_t color,
                     int32_t backColor, uint16_t lineStyle) {
  service().drawPolygon(count, points, lineWidth, color, backColor, lineStyle);
}

void osGXfillPolygon(int32_t count, const APOINT* points, int32_t fillColor, int32_t backColor,
                     uint8_t fillPattern, bool fillFlag) {
  service().fillPolygon(count, points, fillColor, backColor, fillPattern, fillFlag);
}

void osGXdrawPolyline(int32_t count, const APOINT* points, uint16_t lineWidth, uint16_t lineStyle,
                      int32_t color, int32_t backColor, uint8_t lineEnd) {
  service().drawPolyline(count, points, lineWidth, lineStyle, color, backColor, lineEnd);
}

void osGXdrawBezierLine(int32_t count, const APOINT* points, int32_t lineWidth, int32_t lineStyle,
                        int32_t color, int32_t backColor, uint8_t lineEnd) {
  service().drawBezierLine(count, points, lineWidth, lineStyle, color, backColor, lineEnd);
}

void osGXfillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      int32_t fillColor, int32_t backColor, uint8_t fillPattern) {
  service().fillTriangle(x1, y1, x2, y2, x3, y3, fillColor, backColor, fillPattern);
}

void osGXdrawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      int32_t color, int32_t backColor, uint16_t lineStyle, uint16_t lineWidth) {
  service().drawTriangle(x1, y1, x2, y2, x3, y3, color, backColor, lineStyle, lineWidth);
}

void osGXdrawArc(const POINTRECT* ellipse, const POINTLINE* ends, int32_t color, int32_t backColor,
                 uint8_t lineStyle, int32_t lineWidth, const POINTRECT* bounds, bool arcFlag) {
  if (!ellipse || !ends || !bounds) return;
  service().drawArc(*ellipse, *ends, color, backColor, lineStyle, lineWidth, *bounds, arcFlag);
}

void osGXpie(int32_t layer, const POINTRECT* ellipse, const POINTLINE* ends, const PLANECOL* colors,
             const PLANEATTRIB* attributes, const POINTRECT* bounds, bool arcFlag) {
  if (!ellipse || !ends || !colors || !attributes || !bounds) return;
  service().pie(layer, *ellipse, *ends, *colors, *attributes, *bounds, arcFlag);
}

void osGXgetLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth, POINTRECT* rect) {
  service().getLineBoundingRect(from, to, lineWidth, rect);
}

bool osGXgetClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) {
  return service().getClipArea(x1, y1, x2, y2, layer);
}

void osGXsetClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) {
  service().setClipArea(x1, y1, x2, y2, layer);
}

void osGXremoveClipArea(int32_t layer) { service().removeClipArea(layer); }

void osGXsetClipFillAnimation(uint8_t on) { service().setClipFillAnimation(on); }

void osGXfillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const UniChar* chars, int32_t count, int32_t fillColor) {
  service().fillPath(translateX, translateY, scaleX, scaleY, chars, count, fillColor);
}

void osGXdrawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const UniChar* chars, int32_t count, int32_t color, uint16_t lineWidth) {
  service().drawPath(translateX, translateY, scaleX, scaleY, chars, count, color, lineWidth);
}

uint32_t osGXloadFont(const UniChar* name, uint8_t option2, uint8_t option3, uint8_t option1) {
  return service().loadFont(name, option2, option3, option1);
}

void osGXunloadFont(uint32_t font) { service().unloadFont(font); }

void osGXgetTextMetrics(uint32_t font, const UniChar* chars, int32_t count, int32_t* width,
                        int32_t* height, int32_t* third) {
  service().getTextMetrics(font, chars, count, width, height, third);
}

void osGXtext(int32_t layer, const POINTRECT* rect, const TEXTCOL* colors,
              const TEXTATTRIB* attributes, uint32_t font, const UniChar* chars, int32_t count,
              bool textFlag) {
  if (!rect || !colors || !attributes) return;
  service().text(layer, *rect, *colors, *attributes, font, chars, count, textFlag);
}

void osGXsimpleText(int32_t layer, const POINTRECT* rect, uint32_t font, const UniChar* chars,
                    TEXTCOL colors, int32_t simpleOption1, int32_t simpleOption2, int32_t count) {
  if (!rect) return;
  service().simpleText(layer, *rect, font, chars, colors, simpleOption1, simpleOption2, count);
}

void osGXscrollMarquee(int32_t layer, const POINTRECT* rect, const TEXTCOL* colors,
                       const TEXTATTRIB* attributes, uint32_t font, const UniChar* chars,
                       int32_t count, bool textFlag, int32_t marqueeParam) {
  if (!rect || !colors || !attributes) return;
  service().scrollMarquee(layer, *rect, *colors, *attributes, font, chars, count, textFlag,
                          marqueeParam);
}

void osGXimage(int32_t layer, APOINT position, uint16_t width, uint16_t height, stImageHandle image,
               int32_t imageOption, int32_t flag) {
  service().image(layer, position, width, height, image, imageOption, flag);
}

stImageHandle osGXcreateImage(int32_t layer, const POINTRECT* area, int32_t* status) {
  return service().createImage(layer, area, status);
}

stImageHandle osGXloadImage(const UniChar* path, int32_t* status) {
  return service().loadImage(path, status);
}

void osGXunloadImage(stImageHandle image) { service().unloadImage(image); }

}  // extern "C"
