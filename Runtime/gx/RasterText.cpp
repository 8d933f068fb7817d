// Fonts and text of the raster backend: names resolved through fontconfig, glyphs drawn by
// cairo's FreeType backend, measured with the very font that draws them.
#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>
#include <vector>

#include "core/Utf.h"
#include "gx/RasterInternal.h"

namespace gx {

namespace raster {
namespace {

constexpr const char* kDefaultFamily = "DejaVu Sans";
constexpr double kDefaultPixelSize = 16;
constexpr double kMaxPixelSize = 512;
constexpr int32_t kMaxTextUnits = 1 << 20;

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// What a font name asks for: "Family:style:size", every part optional, in any order after the
// family ("DejaVu Sans Mono:bold:14", "DejaVu Serif:12:italic", ":20").
struct FontRequest {
  std::string family = kDefaultFamily;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  double pixelSize = 0;
};

FontRequest parseName(const std::string& name) {
  FontRequest request;
  std::stringstream parts(name);
  std::string part;
  bool first = true;
  while (std::getline(parts, part, ':')) {
    part = trim(part);
    if (first) {
      first = false;
      if (!part.empty()) request.family = part;
      continue;
    }
    const std::string word = lower(part);
    if (word == "bold") {
      request.weight = FC_WEIGHT_BOLD;
    } else if (word == "light") {
      request.weight = FC_WEIGHT_LIGHT;
    } else if (word == "italic") {
      request.slant = FC_SLANT_ITALIC;
    } else if (word == "oblique") {
      request.slant = FC_SLANT_OBLIQUE;
    } else if (!word.empty() && std::all_of(word.begin(), word.end(), ::isdigit) &&
               word.size() <= 4) {
      request.pixelSize = std::stoi(word);
    }
  }
  return request;
}

bool familyMatches(FcPattern* font, const std::string& family) {
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
    if (lower(reinterpret_cast<const char*>(value)) == lower(family)) return true;
  }
  return false;
}

// The installed font that best fits; null only when fontconfig finds nothing at all.
cairo_font_face_t* resolve(const std::string& family, int weight, int slant, bool exactFamily) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  FcPatternAddInteger(pattern, FC_SLANT, slant);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return nullptr;
  if (exactFamily && !familyMatches(match, family)) {
    FcPatternDestroy(match);
    return nullptr;
  }
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
  FcPatternDestroy(match);
  if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(face);
    return nullptr;
  }
  return face;
}

}  // namespace

FontTable::FontTable() {
  default_.face = resolve(kDefaultFamily, FC_WEIGHT_REGULAR, FC_SLANT_ROMAN, false);
  // With no font installed at all, cairo's own choice still gives text a face to draw with.
  if (!default_.face) {
    default_.face =
        cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  }
  default_.pixelSize = kDefaultPixelSize;
}

FontTable::~FontTable() {
  for (auto& [handle, font] : fonts_) cairo_font_face_destroy(font.face);
  for (auto& [codePoint, face] : fallbacks_) cairo_font_face_destroy(face);
  cairo_font_face_destroy(default_.face);
}

uint32_t FontTable::load(const std::string& name, uint8_t sizeOption, uint8_t styleOption) {
  FontRequest request = parseName(name);
  if (styleOption & 1) request.weight = FC_WEIGHT_BOLD;
  if (styleOption & 2) request.slant = FC_SLANT_ITALIC;
  if (request.pixelSize <= 0) request.pixelSize = sizeOption ? sizeOption : kDefaultPixelSize;
  LoadedFont font;
  font.pixelSize = std::clamp(request.pixelSize, 1.0, kMaxPixelSize);
  // An unknown family falls back to the default family in the asked weight and slant.
  const std::string family = lower(request.family);
  const bool generic = family == "sans-serif" || family == "sans" || family == "serif" ||
                       family == "monospace" || family == "mono";
  font.face = resolve(request.family, request.weight, request.slant, !generic);
  if (!font.face) {
    font.face = resolve(kDefaultFamily, request.weight, request.slant, false);
    ++substitutions_;
  }
  if (!font.face) return 0;
  if (next_ == 0) ++next_;  // 0 is never a live handle
  const uint32_t handle = next_++;
  fonts_[handle] = font;
  return handle;
}

void FontTable::unload(uint32_t handle) {
  const auto found = fonts_.find(handle);
  if (found == fonts_.end()) return;
  cairo_font_face_destroy(found->second.face);
  fonts_.erase(found);
}

const LoadedFont& FontTable::get(uint32_t handle) const {
  const auto found = fonts_.find(handle);
  return found == fonts_.end() ? default_ : found->second;
}

cairo_font_face_t* FontTable::fallbackFor(char32_t codePoint) {
  const auto cached = fallbacks_.find(codePoint);
  if (cached != fallbacks_.end()) return cached->second;
  cairo_font_face_t* face = nullptr;
  FcPattern* pattern = FcPatternCreate();
  FcCharSet* wanted = FcCharSetCreate();
  FcCharSetAddChar(wanted, codePoint);
  FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcCharSet* has = nullptr;
  if (match && FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch &&
      FcCharSetHasChar(has, codePoint)) {
    face = cairo_ft_font_face_create_for_pattern(match);
  }
  if (match) FcPatternDestroy(match);
  FcCharSetDestroy(wanted);
  FcPatternDestroy(pattern);
  fallbacks_[codePoint] = face;
  return face;
}

}  // namespace raster

namespace {

using raster::hasColour;

// A font at its size, with the options that both measuring and drawing use.
class ScaledFont {
 public:
  ScaledFont(cairo_font_face_t* face, double pixelSize, bool smooth) {
    cairo_matrix_t size, identity;
    cairo_matrix_init_scale(&size, pixelSize, pixelSize);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    // Unhinted metrics keep a text's width the same whether it is measured or drawn.
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    font_ = cairo_scaled_font_create(face, &size, &identity, options);
    cairo_font_options_destroy(options);
  }
  ~ScaledFont() { cairo_scaled_font_destroy(font_); }
  ScaledFont(const ScaledFont&) = delete;
  ScaledFont& operator=(const ScaledFont&) = delete;
  cairo_scaled_font_t* get() const { return font_; }
  bool ok() const { return cairo_scaled_font_status(font_) == CAIRO_STATUS_SUCCESS; }

  bool hasGlyph(char32_t codePoint) const {
    FT_Face face = cairo_ft_scaled_font_lock_face(font_);
    if (!face) return true;
    const bool has = FT_Get_Char_Index(face, codePoint) != 0;
    cairo_ft_scaled_font_unlock_face(font_);
    return has;
  }

 private:
  cairo_scaled_font_t* font_;
};

struct Run {
  int font;  // index into Layout::fonts
  std::string utf8;
  double advance;
};

struct Line {
  std::vector<Run> runs;
  double width = 0;
};

// A text broken into lines at line feeds, each line into runs of one font.
struct Layout {
  std::vector<std::unique_ptr<ScaledFont>> fonts;  // 0 is the asked font, then fallbacks
  std::vector<Line> lines;
  int ascent = 0;
  int lineHeight = 0;
  double width = 0;
  int height() const { return lineHeight * static_cast<int>(lines.size()); }
};

bool isRightToLeft(char32_t cp) {
  return (cp >= 0x0590 && cp <= 0x08FF) || (cp >= 0xFB1D && cp <= 0xFDFF) ||
         (cp >= 0xFE70 && cp <= 0xFEFF);
}

// Neither direction of its own: it takes the direction of the letters around it.
bool isNeutral(char32_t cp) {
  return cp == ' ' || cp == '.' || cp == ',' || cp == '-' || cp == ':' || cp == ';' || cp == '!' ||
         cp == '?' || cp == '\'' || cp == '"' || cp == 0xA0;
}

// Lines run left to right; a stretch of right-to-left letters, with the neutral characters
// between them, is reversed so that it reads right to left.
void reverseRightToLeftStretches(std::vector<char32_t>& line) {
  size_t i = 0;
  while (i < line.size()) {
    if (!isRightToLeft(line[i])) {
      ++i;
      continue;
    }
    size_t end = i + 1, lastStrong = i;
    while (end < line.size() && (isRightToLeft(line[end]) || isNeutral(line[end]))) {
      if (isRightToLeft(line[end])) lastStrong = end;
      ++end;
    }
    std::reverse(line.begin() + static_cast<std::ptrdiff_t>(i),
                 line.begin() + static_cast<std::ptrdiff_t>(lastStrong + 1));
    i = lastStrong + 1;
  }
}

Layout layOut(raster::FontTable& table, const raster::LoadedFont& font, const UniChar* chars,
              int32_t count, bool smooth) {
  Layout layout;
  layout.fonts.push_back(std::make_unique<ScaledFont>(font.face, font.pixelSize, smooth));
  const ScaledFont& primary = *layout.fonts[0];
  cairo_font_extents_t extents{};
  if (primary.ok()) cairo_scaled_font_extents(primary.get(), &extents);
  layout.ascent = static_cast<int>(std::ceil(extents.ascent));
  layout.lineHeight = layout.ascent + static_cast<int>(std::ceil(extents.descent));
  std::map<cairo_font_face_t*, int> fallbackIndex;

  if (!chars || count < 0) count = 0;
  count = std::min(count, raster::kMaxTextUnits);
  std::vector<std::vector<char32_t>> lines(1);
  const std::u16string_view text(chars ? chars : u"", static_cast<size_t>(count));
  for (size_t i = 0; i < text.size();) {
    const char32_t cp = core::nextCodePoint(text, i);
    if (cp == '\n') {
      lines.emplace_back();
    } else if (cp != '\r' && cp != 0) {  // a NUL would end the glyph string
      lines.back().push_back(cp);
    }
  }
  for (std::vector<char32_t>& codePoints : lines) {
    reverseRightToLeftStretches(codePoints);
    Line& line = layout.lines.emplace_back();
    for (const char32_t cp : codePoints) {
      int fontIndex = 0;
      if (cp >= 0x20 && !primary.hasGlyph(cp)) {
        if (cairo_font_face_t* face = table.fallbackFor(cp)) {
          auto [entry, added] = fallbackIndex.emplace(face, static_cast<int>(layout.fonts.size()));
          if (added) {
            layout.fonts.push_back(std::make_unique<ScaledFont>(face, font.pixelSize, smooth));
          }
          fontIndex = entry->second;
        }
      }
      if (line.runs.empty() || line.runs.back().font != fontIndex) {
        line.runs.push_back(Run{fontIndex, {}, 0});
      }
      core::appendUtf8(line.runs.back().utf8, cp);
    }
  }
  for (Line& line : layout.lines) {
    for (Run& run : line.runs) {
      const ScaledFont& scaled = *layout.fonts[run.font];
      if (!scaled.ok()) continue;
      cairo_text_extents_t text{};
      cairo_scaled_font_text_extents(scaled.get(), run.utf8.c_str(), &text);
      run.advance = text.x_advance;
      line.width += run.advance;
    }
    layout.width = std::max(layout.width, line.width);
  }
  return layout;
}

int32_t ceilToInt(double value) {
  return static_cast<int32_t>(std::clamp(std::ceil(value), 0.0, 1e9));
}

}  // namespace

// What one text call asks the service to draw.
struct raster::TextJob {
  POINTRECT rect{};
  int32_t textColour = 0;
  int32_t backColour = 0;
  uint32_t font = 0;
  const UniChar* chars = nullptr;
  int32_t count = 0;
  int horizontal = 0;  // 0 left, 1 centre, 2 right
  int vertical = 0;    // 0 top, 1 middle, 2 bottom
  int insetX = 0;
  int insetY = 0;
  bool clip = true;
  bool smooth = true;
  bool marquee = false;
  int64_t marqueeOffset = 0;  // pixels the text has moved to the left
};

namespace {

// `mode` of osGXtext and osGXscrollMarquee: where the text sits in its rectangle.
void placementOfMode(int32_t mode, int* horizontal, int* vertical) {
  static constexpr int kPlacement[9][2] = {
      {0, 0},  // 0 left, top
      {0, 1},  // 1 left, middle
      {1, 1},  // 2 centre, middle
      {2, 1},  // 3 right, middle
      {0, 2},  // 4 left, bottom
      {1, 0},  // 5 centre, top
      {1, 2},  // 6 centre, bottom
      {2, 0},  // 7 right, top
      {2, 2},  // 8 right, bottom
  };
  const int index = mode >= 0 && mode <= 8 ? mode : 0;
  *horizontal = kPlacement[index][0];
  *vertical = kPlacement[index][1];
}

// What every text call gives: the box, the colours, the font and the characters.
raster::TextJob jobOf(const POINTRECT& rect, const TEXTCOL& colors, uint32_t font,
                      const UniChar* chars, int32_t count) {
  raster::TextJob job;
  job.rect = rect;
  job.textColour = colors.textColor;
  job.backColour = colors.backColor;
  job.font = font;
  job.chars = chars;
  job.count = count;
  return job;
}

// The calls with a text attribute record: placement by mode, margins and smoothing from it.
raster::TextJob jobOf(const POINTRECT& rect, const TEXTCOL& colors, const TEXTATTRIB& attributes,
                      uint32_t font, const UniChar* chars, int32_t count) {
  raster::TextJob job = jobOf(rect, colors, font, chars, count);
  placementOfMode(attributes.mode, &job.horizontal, &job.vertical);
  job.insetX = attributes.option1;
  job.insetY = attributes.option2;
  job.smooth = attributes.option3 != 0;
  return job;
}

}  // namespace

uint32_t RasterBackend::loadFont(const UniChar* name, uint8_t option2, uint8_t option3, uint8_t) {
  std::string utf8;
  if (name) {
    int32_t length = 0;
    while (length < 1024 && name[length] != 0) ++length;
    utf8 = core::utf8FromUtf16(name, length);
  }
  return impl_->fonts->load(utf8, option2, option3);
}

void RasterBackend::unloadFont(uint32_t font) { impl_->fonts->unload(font); }

void RasterBackend::getTextMetrics(uint32_t font, const UniChar* chars, int32_t count,
                                   int32_t* width, int32_t* height, int32_t* third) {
  const Layout layout = layOut(*impl_->fonts, impl_->fonts->get(font), chars, count, true);
  if (width) *width = ceilToInt(layout.width);
  if (height) *height = layout.height();
  if (third) *third = layout.ascent;
}

void RasterBackend::text(int32_t layer, const POINTRECT& rect, const TEXTCOL& colors,
                         const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                         int32_t count, bool textFlag) {
  raster::TextJob job = jobOf(rect, colors, attributes, font, chars, count);
  job.clip = textFlag;
  drawText(layer, job);
}

void RasterBackend::simpleText(int32_t layer, const POINTRECT& rect, uint32_t font,
                               const UniChar* chars, TEXTCOL colors, int32_t simpleOption1,
                               int32_t simpleOption2, int32_t count) {
  raster::TextJob job = jobOf(rect, colors, font, chars, count);
  job.horizontal = simpleOption1 >= 0 && simpleOption1 <= 2 ? simpleOption1 : 0;
  job.vertical = simpleOption2 >= 0 && simpleOption2 <= 2 ? simpleOption2 : 0;
  drawText(layer, job);
}

void RasterBackend::scrollMarquee(int32_t layer, const POINTRECT& rect, const TEXTCOL& colors,
                                  const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars,
                                  int32_t count, bool textFlag, int32_t marqueeParam) {
  raster::TextJob job = jobOf(rect, colors, attributes, font, chars, count);
  job.marquee = true;
  job.marqueeOffset = textFlag ? marqueeParam : -static_cast<int64_t>(marqueeParam);
  drawText(layer, job);
}

void RasterBackend::drawText(int32_t layer, const raster::TextJob& job) {
  impl_->current = layer;
  const POINTRECT& r = job.rect;
  if (r.x2 < r.x1 || r.y2 < r.y1) return;
  cairo_t* context = begin(layer);
  if (!context) return;
  struct Release {
    cairo_t* cr;
    ~Release() { cairo_destroy(cr); }
  } release{context};
  cairo_t* cr = context;
  const raster::Box box = raster::boxOf(r.x1, r.y1, r.x2, r.y2);
  if (job.clip || job.marquee) {
    cairo_rectangle(cr, box.left, box.top, box.width(), box.height());
    cairo_clip(cr);
  }
  if (hasColour(job.backColour)) {
    cairo_rectangle(cr, box.left, box.top, box.width(), box.height());
    raster::setColour(cr, job.backColour);
    raster::fill(cr);
  }
  if (!hasColour(job.textColour) || !job.chars || job.count <= 0) return;

  const Layout layout =
      layOut(*impl_->fonts, impl_->fonts->get(job.font), job.chars, job.count, job.smooth);
  const double left = box.left + job.insetX, right = box.right - job.insetX;
  const double top = box.top + job.insetY, bottom = box.bottom - job.insetY;
  double y = top;
  if (job.vertical == 1) y = std::floor(top + (bottom - top - layout.height()) / 2);
  if (job.vertical == 2) y = bottom - layout.height();

  raster::setColour(cr, job.textColour);
  const auto showLine = [&](const Line& line, double x, double baseline) {
    for (const Run& run : line.runs) {
      const ScaledFont& scaled = *layout.fonts[run.font];
      if (!scaled.ok()) continue;
      cairo_set_scaled_font(cr, scaled.get());
      cairo_move_to(cr, raster::clampCoordinate(x), raster::clampCoordinate(baseline));
      raster::showText(cr, run.utf8.c_str());
      x += run.advance;
    }
  };
  for (const Line& line : layout.lines) {
    const double baseline = y + layout.ascent;
    if (job.marquee) {
      // The text moves left by the offset and comes round again from the right edge; one
      // period is the text's width plus the box's.
      const int64_t period = static_cast<int64_t>(std::ceil(line.width)) +
                             static_cast<int64_t>(std::max(0.0, right - left));
      if (period > 0) {
        const int64_t shift = ((job.marqueeOffset % period) + period) % period;
        const double x = left - static_cast<double>(shift);
        showLine(line, x, baseline);
        showLine(line, x + static_cast<double>(period), baseline);
      }
    } else {
      double x = left;
      if (job.horizontal == 1) x = std::floor(left + (right - left - line.width) / 2);
      if (job.horizontal == 2) x = std::floor(right - line.width);
      showLine(line, x, baseline);
    }
    y += layout.lineHeight;
  }
}

}  // namespace gx
