// Canvas transform and clip natives. The clip natives work in untranslated layer coordinates.
#include <algorithm>
#include "canvas/CanvasNatives.h"

#include "bridge/ManagedData.h"
#include "bridge/ObjectHandle.h"
#include "canvas/CanvasTransform.h"
#include "geometry/FixedPoint.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

void translateTo(int32_t x, int32_t y) {
  CanvasTransform& t = canvasTransform();
  t.savedTranslateX = t.translateX;
  t.savedTranslateY = t.translateY;
  t.translateX = x;
  t.translateY = y;
}

bool readClip(int32_t layer, Box& clip) {
  return osGXgetClipArea(&clip.x1, &clip.y1, &clip.x2, &clip.y2, layer);
}

void writeArea(Storage area, const Box& clip) {
  AreaFields::x1.write(area, clip.x1);
  AreaFields::y1.write(area, clip.y1);
  AreaFields::x2.write(area, clip.x2);
  AreaFields::y2.write(area, clip.y2);
}

}  // namespace

// setTransform(IIFF)V
void setTransformScaled() {
  const ManagedFrame frame;
  const int32_t x = frame.intArg(0);
  const int32_t y = frame.intArg(1);
  const float sx = frame.floatArg(2);
  const float sy = frame.floatArg(3);
  translateTo(x, y);
  canvasTransform().scaleX = toFixed88(sx);
  canvasTransform().scaleY = toFixed88(sy);
}

// setTransform(II)V
void setTransform() {
  const ManagedFrame frame;
  translateTo(frame.intArg(0), frame.intArg(1));
  canvasTransform().scaleX = 256;
  canvasTransform().scaleY = 256;
}

// resetTransform()V
void resetTransform() {
  CanvasTransform& t = canvasTransform();
  t.translateX = t.savedTranslateX;
  t.translateY = t.savedTranslateY;
  t.scaleX = 256;
  t.scaleY = 256;
}

// setClip(IIII)V
void setClip() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const Box box = frame.boxArg(0).corners();
  osGXsetClipArea(box.x1, box.y1, box.x2, box.y2, canvas->layer);
}

// clipRect(IIII)V
void clipRect() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const Box box = frame.boxArg(0).corners();
  const int32_t x = box.x1, y = box.y1, right = box.x2, bottom = box.y2;
  Box c;
  if (!readClip(canvas->layer, c)) {
    osGXsetClipArea(x, y, right, bottom, canvas->layer);
  } else if (c.x2 < x || c.x1 > right || c.y2 < y || c.y1 > bottom) {
    osGXsetClipArea(0, 0, 0, 0, canvas->layer);  // touching edges still overlap
  } else {
    osGXsetClipArea(std::max(x, c.x1), std::max(y, c.y1), std::min(right, c.x2),
                    std::min(bottom, c.y2), canvas->layer);
  }
}

// getClipBounds()Luxclasses/graphics/CuxArea;
void getClipBounds() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  ObjectHandle result = ObjectHandle::newLocal();
  const ObjectHandle created = ObjectHandle::newLocal(newInstance(AreaFields::kClassName));
  result.assign(created);
  Box clip;
  const bool clipped = canvas && result.fields() && readClip(canvas->layer, clip);
  if (clipped) writeArea(result.fields(), clip);
  frame.setRefResult(clipped ? result.reference() : 0);
}

// getClipBounds(Luxclasses/graphics/CuxArea;)Z
void getClipBoundsInto() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  const ObjectHandle area = ObjectHandle::argument(1);
  Box clip;
  // A null area cannot take the bounds: it reads as "no clip area" and stays untouched.
  const bool clipped = canvas && area.fields() && readClip(canvas->layer, clip);
  if (clipped) writeArea(area.fields(), clip);
  frame.setBoolResult(clipped);
}

// removeClipArea()V
void removeClipArea() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  osGXremoveClipArea(canvas->layer);
}

}  // namespace zelmo::canvas
