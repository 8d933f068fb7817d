#include "gx/Backend.h"

#include <algorithm>
#include <cstdint>

namespace gx {

// Null backend: draws nothing. Metrics are a fixed 8x16 cell per character so that measured
// placement is predictable in tests and benchmarks.
void Backend::drawLine(int32_t, int32_t, int32_t, int32_t, uint16_t, uint16_t, int32_t, int32_t,
                       uint8_t) {}
void Backend::drawRectangle(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                            uint8_t, int32_t, int32_t) {}
void Backend::fillRectangle(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, uint8_t, int32_t,
                            uint8_t, int32_t, int32_t) {}
void Backend::drawEllipse(int32_t, int32_t, int32_t, int32_t, int32_t, uint16_t, uint16_t,
                          int32_t) {}
void Backend::fillEllipse(int32_t, int32_t, int32_t, int32_t, int32_t, uint16_t, int32_t) {}
void Backend::drawPolygon(int32_t, const APOINT*, uint16_t, int32_t, int32_t, uint16_t) {}
void Backend::fillPolygon(int32_t, const APOINT*, int32_t, int32_t, uint8_t, bool) {}
void Backend::drawPolyline(int32_t, const APOINT*, uint16_t, uint16_t, int32_t, int32_t, uint8_t) {}
void Backend::drawBezierLine(int32_t, const APOINT*, int32_t, int32_t, int32_t, int32_t, uint8_t) {}
void Backend::fillTriangle(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                           uint8_t) {}
void Backend::drawTriangle(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                           uint16_t, uint16_t) {}
void Backend::drawArc(const POINTRECT&, const POINTLINE&, int32_t, int32_t, uint8_t, int32_t,
                      const POINTRECT&, bool) {}
void Backend::pie(int32_t, const POINTRECT&, const POINTLINE&, const PLANECOL&, const PLANEATTRIB&,
                  const POINTRECT&, bool) {}

void Backend::getLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth, POINTRECT* rect) {
  if (!rect) return;
  // Worked in 64 bits: a box that reaches past the 32-bit range stops at its edge.
  const int64_t half = lineWidth / 2;
  const auto edge = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  rect->x1 = edge(std::min<int64_t>(from.x, to.x) - half);
  rect->y1 = edge(std::min<int64_t>(from.y, to.y) - half);
  rect->x2 = edge(std::max<int64_t>(from.x, to.x) + half);
  rect->y2 = edge(std::max<int64_t>(from.y, to.y) + half);
}

bool Backend::getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) {
  const auto found = clipAreas_.find(layer);
  if (found == clipAreas_.end()) return false;
  if (x1) *x1 = found->second.x1;
  if (y1) *y1 = found->second.y1;
  if (x2) *x2 = found->second.x2;
  if (y2) *y2 = found->second.y2;
  return true;
}

void Backend::setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) {
  clipAreas_[layer] = ClipArea{x1, y1, x2, y2};
}

void Backend::removeClipArea(int32_t layer) { clipAreas_.erase(layer); }
void Backend::setClipFillAnimation(uint8_t) {}

void Backend::fillPath(int32_t, int32_t, int32_t, int32_t, const UniChar*, int32_t, int32_t) {}
void Backend::drawPath(int32_t, int32_t, int32_t, int32_t, const UniChar*, int32_t, int32_t,
                       uint16_t) {}

uint32_t Backend::loadFont(const UniChar*, uint8_t, uint8_t, uint8_t) { return nextFontHandle_++; }
void Backend::unloadFont(uint32_t) {}

void Backend::getTextMetrics(uint32_t, const UniChar*, int32_t count, int32_t* width,
                             int32_t* height, int32_t* third) {
  const int32_t characters = count > 0 ? count : 0;
  if (width) *width = characters * 8;
  if (height) *height = 16;
  if (third) *third = 4;
}

void Backend::text(int32_t, const POINTRECT&, const TEXTCOL&, const TEXTATTRIB&, uint32_t,
                   const UniChar*, int32_t, bool) {}
void Backend::simpleText(int32_t, const POINTRECT&, uint32_t, const UniChar*, TEXTCOL, int32_t,
                         int32_t, int32_t) {}
void Backend::scrollMarquee(int32_t, const POINTRECT&, const TEXTCOL&, const TEXTATTRIB&, uint32_t,
                            const UniChar*, int32_t, bool, int32_t) {}

void Backend::image(int32_t, APOINT, uint16_t, uint16_t, stImageHandle, int32_t, int32_t) {}

stImageHandle Backend::createImage(int32_t, const POINTRECT*, int32_t* status) {
  const stImageHandle image = nullImages_.add(NullImage{}, 0);
  if (status) *status = image ? kImageDone : kImageTooLarge;
  return image;
}

stImageHandle Backend::loadImage(const UniChar*, int32_t* status) {
  return Backend::createImage(0, nullptr, status);
}

void Backend::unloadImage(stImageHandle image) { nullImages_.remove(image); }

namespace {
Backend& nullBackend() {
  static Backend instance;
  return instance;
}
Backend* installed = nullptr;
}  // namespace

Backend& service() { return installed ? *installed : nullBackend(); }

Backend* installService(Backend* backend) {
  Backend* previous = installed;
  installed = backend;
  return previous;
}

}  // namespace gx
