#include "panel/Report.h"

#include <algorithm>
#include <cstdio>

namespace panel {

namespace {

Json boxJson(const gx::PixelBox& b) {
  return Json{{"x1", b.x1}, {"y1", b.y1}, {"x2", b.x2}, {"y2", b.y2}};
}

gx::PixelBox unite(const std::optional<gx::PixelBox>& a, const gx::PixelBox& b) {
  if (!a) return b;
  return {std::min(a->x1, b.x1), std::min(a->y1, b.y1), std::max(a->x2, b.x2),
          std::max(a->y2, b.y2)};
}

std::string pngAddress(const std::string& png) {
  return png.empty() ? std::string() : "data:image/png;base64," + base64(png);
}

// JSON that may stand inside a <script> element: "</" never closes it.
std::string scriptSafe(const Json& data) {
  const std::string text = data.dump(-1, ' ', false, Json::error_handler_t::replace);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '/') {
      out += "<\\/";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const uint32_t n = static_cast<uint8_t>(bytes[i]) << 16 |
                       static_cast<uint8_t>(bytes[i + 1]) << 8 | static_cast<uint8_t>(bytes[i + 2]);
    for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(n >> shift) & 63];
  }
  if (i < bytes.size()) {
    uint32_t n = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) n |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::vector<uint32_t> runLengths(const std::vector<uint8_t>& mask) {
  std::vector<uint32_t> runs;
  uint8_t current = 0;
  uint32_t length = 0;
  for (uint8_t bit : mask) {
    if ((bit != 0) != (current != 0)) {
      runs.push_back(length);
      current = bit != 0;
      length = 0;
    }
    ++length;
  }
  runs.push_back(length);
  return runs;
}

Report::Report(const gx::RasterBackend& raster, gx::Recorder& recorder, const Screen& screen,
               std::string screenName)
    : raster_(raster),
      recorder_(recorder),
      screen_(screen),
      screenName_(std::move(screenName)),
      changes_(raster),
      before_(raster.compositePng({0, 0, raster.width() - 1, raster.height() - 1})) {
  recorder_.afterDrawing([this](const Json& line) { afterDrawing(line); });
}

void Report::beforeCall(size_t) { stepBox_.reset(); }

void Report::afterDrawing(const Json& line) {
  // A drawing call changes nothing outside its bounds (the example screens' test holds the
  // service to that), so only they are compared; the look after each screen call compares all.
  const Json& bounds = line["bounds"];
  std::optional<gx::PixelBox> within = gx::PixelBox{0, 0, -1, -1};  // null bounds: nothing
  if (bounds.is_object())
    within = gx::PixelBox{bounds["x1"], bounds["y1"], bounds["x2"], bounds["y2"]};
  else if (!bounds.is_null())
    within.reset();  // a backend that does not measure: compare everything
  const gx::PixelChanges::Changes changes = changes_.sinceLastLook(within);
  Json drawn{{"layer", raster_.currentLayer()}, {"changed", nullptr}};
  if (changes.box) {
    Json changed = boxJson(*changes.box);
    changed["runs"] = runLengths(changes.mask);
    drawn["changed"] = std::move(changed);
    stepBox_ = unite(stepBox_, *changes.box);
  }
  drawn_[recorder_.calls().size() - 1] = std::move(drawn);
}

void Report::afterCall(size_t index) {
  // Anything drawn after the last drawing line (there is nothing such today) still counts.
  const gx::PixelChanges::Changes late = changes_.sinceLastLook();
  if (late.box) stepBox_ = unite(stepBox_, *late.box);
  Json step{{"call", index}, {"png", nullptr}};
  if (stepBox_) {
    step["x"] = stepBox_->x1, step["y"] = stepBox_->y1;
    step["png"] = pngAddress(raster_.compositePng(*stepBox_));
  }
  steps_.push_back(std::move(step));
}

std::string Report::page(const std::vector<std::pair<size_t, Json>>& upcalls) const {
  Json calls = Json::array();
  for (size_t i = 0; i < screen_.calls.size(); ++i) {
    const Json& call = screen_.calls[i];
    // Entries holding only a comment go in too, so that the page numbers its calls as the
    // screen file and the trace do.
    if (!call.is_object()) continue;
    Json entry{{"index", i}};
    for (const char* key : {"on", "class", "call", "args", "result", "comment"})
      if (call.contains(key)) entry[key] = call[key];
    calls.push_back(std::move(entry));
  }
  Json lines = Json::array();
  const std::vector<Json>& trace = recorder_.calls();
  auto upcall = upcalls.begin();
  for (size_t i = 0; i <= trace.size(); ++i) {
    for (; upcall != upcalls.end() && upcall->first <= i; ++upcall) lines.push_back(upcall->second);
    if (i == trace.size()) break;
    Json line = trace[i];
    const auto drawn = drawn_.find(i);
    if (drawn != drawn_.end()) line["report"] = drawn->second;
    lines.push_back(std::move(line));
  }
  char background[8];
  std::snprintf(background, sizeof background, "#%06X", screen_.background & 0xFFFFFFu);
  const Json data{
      {"screen",
       {{"name", screenName_},
        {"width", raster_.width()},
        {"height", raster_.height()},
        {"layers", raster_.layers()},
        {"background", background}}},
      {"before", pngAddress(before_)},
      {"after",
       pngAddress(raster_.compositePng({0, 0, raster_.width() - 1, raster_.height() - 1}))},
      {"calls", std::move(calls)},
      {"lines", std::move(lines)},
      {"steps", steps_}};
  std::string page(reportTemplate());
  const std::string marker = "/*REPORT-DATA*/";
  const size_t at = page.find(marker);
  if (at != std::string::npos) page.replace(at, marker.size(), scriptSafe(data));
  return page;
}

}  // namespace panel
