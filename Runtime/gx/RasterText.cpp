// Fonts and text of the raster backend.
#include "gx/RasterInternal.h"

namespace gx {

namespace raster {
FontTable::FontTable() = default;
FontTable::~FontTable() = default;
uint32_t FontTable::load(const std::string&, uint8_t, uint8_t) { return next_++; }
void FontTable::unload(uint32_t handle) { fonts_.erase(handle); }
const LoadedFont& FontTable::get(uint32_t handle) const {
  const auto found = fonts_.find(handle);
  return found == fonts_.end() ? default_ : found->second;
}
}  // namespace raster

struct RasterBackend::TextJob {};

uint32_t RasterBackend::loadFont(const UniChar* name, uint8_t option2, uint8_t option3,
                                 uint8_t option1) {
  return Backend::loadFont(name, option2, option3, option1);
}
void RasterBackend::unloadFont(uint32_t font) { Backend::unloadFont(font); }
void RasterBackend::getTextMetrics(uint32_t font, const UniChar* chars, int32_t count,
                                   int32_t* width, int32_t* height, int32_t* third) {
  Backend::getTextMetrics(font, chars, count, width, height, third);
}
void RasterBackend::text(int32_t layer, const POINTRECT&, const TEXTCOL&, const TEXTATTRIB&,
                         uint32_t, const UniChar*, int32_t, bool) {
  impl_->current = layer;
}
void RasterBackend::simpleText(int32_t layer, const POINTRECT&, uint32_t, const UniChar*, TEXTCOL,
                               int32_t, int32_t, int32_t) {
  impl_->current = layer;
}
void RasterBackend::scrollMarquee(int32_t layer, const POINTRECT&, const TEXTCOL&,
                                  const TEXTATTRIB&, uint32_t, const UniChar*, int32_t, bool,
                                  int32_t) {
  impl_->current = layer;
}
void RasterBackend::drawText(int32_t, const TextJob&) {}

}  // namespace gx
