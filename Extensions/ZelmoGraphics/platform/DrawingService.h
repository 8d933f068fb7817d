// The drawing service library (osGX). Coordinates are inclusive pixel corners; a colour is
// 0x00RRGGBB and one with bit 31 set draws nothing; `layer` names the drawing target.
#pragma once

#include "PlatformTypes.h"

extern "C" {

// Shapes and lines.
void osGXdrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t lineWidth,
                  uint16_t lineStyle, int32_t color, int32_t backColor, uint8_t lineEnd);
void osGXdrawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                       int32_t lineStyle, int32_t color, int32_t backColor, uint8_t rounded,
                       int32_t radiusX, int32_t radiusY);
void osGXfillRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                       int32_t fillColor, uint8_t fillPattern, int32_t backColor, uint8_t rounded,
                       int32_t radiusX, int32_t radiusY);
void osGXdrawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color,
                     uint16_t lineStyle, uint16_t lineWidth, int32_t backColor);
void osGXfillEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t fillColor,
                     uint16_t fillPattern, int32_t backColor);
void osGXdrawPolygon(int32_t count, const APOINT* points, uint16_t lineWidth, int32_t color,
                     int32_t backColor, uint16_t lineStyle);
void osGXfillPolygon(int32_t count, const APOINT* points, int32_t fillColor, int32_t backColor,
                     uint8_t fillPattern, bool fillFlag);
void osGXdrawPolyline(int32_t count, const APOINT* points, uint16_t lineWidth, uint16_t lineStyle,
                      int32_t color, int32_t backColor, uint8_t lineEnd);
void osGXdrawBezierLine(int32_t count, const APOINT* points, int32_t lineWidth, int32_t lineStyle,
                        int32_t color, int32_t backColor, uint8_t lineEnd);
void osGXfillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      int32_t fillColor, int32_t backColor, uint8_t fillPattern);
void osGXdrawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      int32_t color, int32_t backColor, uint16_t lineStyle, uint16_t lineWidth);
void osGXdrawArc(const POINTRECT* ellipse, const POINTLINE* ends, int32_t color, int32_t backColor,
                 uint8_t lineStyle, int32_t lineWidth, const POINTRECT* bounds, bool arcFlag);
void osGXpie(int32_t layer, const POINTRECT* ellipse, const POINTLINE* ends, const PLANECOL* colors,
             const PLANEATTRIB* attributes, const POINTRECT* bounds, bool arcFlag);
// The box a line of the given width and end decoration covers.
void osGXgetLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth, POINTRECT* rect);

// Clip area, per layer.
bool osGXgetClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer);
void osGXsetClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer);
void osGXremoveClipArea(int32_t layer);
void osGXsetClipFillAnimation(uint8_t on);

// Paths (SVG path data), under translation and 8.8 fixed-point scale.
void osGXfillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const UniChar* chars, int32_t count, int32_t fillColor);
void osGXdrawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const UniChar* chars, int32_t count, int32_t color, uint16_t lineWidth);

// Fonts and text.
uint32_t osGXloadFont(const UniChar* name, uint8_t option2, uint8_t option3, uint8_t option1);
void osGXunloadFont(uint32_t font);
void osGXgetTextMetrics(uint32_t font, const UniChar* chars, int32_t count, int32_t* width,
                        int32_t* height, int32_t* third);
void osGXtext(int32_t layer, const POINTRECT* rect, const TEXTCOL* colors,
              const TEXTATTRIB* attributes, uint32_t font, const UniChar* chars, int32_t count,
              bool textFlag);
void osGXsimpleText(int32_t layer, const POINTRECT* rect, uint32_t font, const UniChar* chars,
                    TEXTCOL colors, int32_t simpleOption1, int32_t simpleOption2, int32_t count);
void osGXscrollMarquee(int32_t layer, const POINTRECT* rect, const TEXTCOL* colors,
                       const TEXTATTRIB* attributes, uint32_t font, const UniChar* chars,
                       int32_t count, bool textFlag, int32_t marqueeParam);

// Images.
void osGXimage(int32_t layer, APOINT position, uint16_t width, uint16_t height, stImageHandle image,
               int32_t imageOption, int32_t flag);
stImageHandle osGXcreateImage(int32_t layer, const POINTRECT* area, int32_t* status);
stImageHandle osGXloadImage(const UniChar* path, int32_t* status);
void osGXunloadImage(stImageHandle image);

}  // extern "C"
