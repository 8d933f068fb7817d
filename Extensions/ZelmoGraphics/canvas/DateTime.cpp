// drawDateTime and onTimeChange: dates and clock times in the panel's local time. The offset
// from GMT is asked of the core service once and kept until the next time change.
#include <array>
#include "canvas/CanvasNatives.h"

#include "canvas/NumberText.h"
#include "format/DateTimeFormat.h"
#include "platform/CoreServices.h"

namespace zelmo::canvas {
namespace {

constexpr int32_t kNotFetched = 9999;

// Minutes to add to local time to reach GMT; shared by every canvas of the process.
int32_t cachedTimeZoneOffset = kNotFetched;

// The offset for one drawing. When the service cannot answer, the cache stays "not fetched" so
// that the next drawing asks again, and this one shows GMT rather than a time shifted by the
// marker value.
int32_t timeZoneOffset() {
  if (cachedTimeZoneOffset == kNotFetched) osTMgetGMTTimeZoneOffset(&cachedTimeZoneOffset);
  return cachedTimeZoneOffset == kNotFetched ? 0 : cachedTimeZoneOffset;
}

}  // namespace

// drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V
void drawDateTime() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const int32_t formatCode = frame.intArg(0);
  const int32_t timeValue = frame.intArg(1);
  const SizedBox box = frame.boxArg(2);
  const int32_t textColor = frame.intArg(6);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  const int32_t localSeconds = sub32(timeValue, mul32(60, timeZoneOffset()));
  std::array<UniChar, format::kDateBufferSize> text;
  const int32_t count = format::formatDateTime(formatCode, localSeconds, text);
  drawSimpleText(canvas->layer, box, *font, text.data(), count, {textColor, kNoColour, 0}, 1, 1);
}

// onTimeChange()V
void onTimeChange() { cachedTimeZoneOffset = kNotFetched; }

}  // namespace zelmo::canvas
