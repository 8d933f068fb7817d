// The path natives hand the String's characters in place (not copied, not terminated, an
// embedded NUL or a surrogate pair being text like any other) with its length in UTF-16 units.
// A null path draws nothing; an empty one is passed on with count 0. They are class methods: the
// String is reference argument 0 and no canvas is read. The drawing service parses the text and
// applies the whole canvas transform, which goes with every call as it stands.
#include <optional>
#include "canvas/CanvasNatives.h"

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "canvas/CanvasTransform.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"

namespace zelmo::canvas {
namespace {

constexpr uint32_t kPathArg = 0;

// Read afresh for each drawing call.
std::optional<StringText> pathArg(const ManagedFrame& frame) {
  const Storage string = fieldsOf(frame.refArg(kPathArg));
  if (!string) return std::nullopt;
  const StringText text = stringText(string);
  if (!text.chars) return std::nullopt;
  return text;
}

bool fill(const ManagedFrame& frame, int32_t fillColor) {
  const auto path = pathArg(frame);
  if (!path) return false;
  const CanvasTransform& t = canvasTransform();
  osGXfillPath(t.translateX, t.translateY, t.scaleX, t.scaleY, path->chars, path->count, fillColor);
  return true;
}

void stroke(const ManagedFrame& frame, int32_t color, int32_t lineWidth) {
  const auto path = pathArg(frame);
  if (!path) return;
  const CanvasTransform& t = canvasTransform();
  osGXdrawPath(t.translateX, t.translateY, t.scaleX, t.scaleY, path->chars, path->count, color,
               low16(lineWidth));
}

}  // namespace

// fillPath(Ljava/lang/String;I)V
void fillPath() {
  const ManagedFrame frame;
  fill(frame, frame.intArg(0));
}

// drawPath(Ljava/lang/String;II)V
void drawPath() {
  const ManagedFrame frame;
  stroke(frame, frame.intArg(0), frame.intArg(1));
}

// fillAndDrawPath(Ljava/lang/String;III)V
void fillAndDrawPath() {
  const ManagedFrame frame;
  const int32_t fillColor = frame.intArg(0);
  const int32_t color = frame.intArg(1);
  const int32_t lineWidth = frame.intArg(2);
  if (fill(frame, fillColor)) stroke(frame, color, lineWidth);
}

}  // namespace zelmo::canvas
