// The canvas transform, clip area, paths and images.
#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

Argument path() { return plain("path", "a String of path commands (see docs/drawing-service.md)"); }

}  // namespace

std::vector<Native> canvasTransformNatives() {
  return {
      {"setTransform(IIFF)V",
       "Sets the translation that the translating natives add and the scale that the paths use, "
       "keeping the old translation for resetTransform.",
       {pixels("x"), pixels("y"), {"sx", Unit::Scale}, {"sy", Unit::Scale}}},
      {"setTransform(II)V",
       "Sets the translation, keeping the old one; the scale becomes 1.",
       {pixels("x"), pixels("y")}},
      {"resetTransform()V",
       "Puts back the translation the last setTransform replaced; the scale becomes 1.",
       {}},
      {"setClip(IIII)V", "Sets the clip area of the canvas's layer (not translated).", box()},
      {"clipRect(IIII)V", "Narrows the clip area of the canvas's layer to its overlap with a box.",
       box()},
      {"getClipBounds()Luxclasses/graphics/CuxArea;",
       "Reads the clip area of the canvas's layer.",
       {},
       "a new CuxArea, or null when the layer has no clip area"},
      {"getClipBounds(Luxclasses/graphics/CuxArea;)Z",
       "Reads the clip area of the canvas's layer into an area.",
       {plain("area", "a CuxArea that receives x1, y1, x2, y2")},
       "true when the layer has a clip area; false leaves the area as it was"},
      {"removeClipArea()V", "Removes the clip area of the canvas's layer.", {}},
      {"fillPath(Ljava/lang/String;I)V",
       "Fills a path under the canvas translation and scale.",
       {path(), colour("fillColor")}},
      {"drawPath(Ljava/lang/String;II)V",
       "Strokes a path under the canvas translation and scale.",
       {path(), colour("color"), lineWidth()}},
      {"fillAndDrawPath(Ljava/lang/String;III)V",
       "Fills a path, then strokes it, under the canvas translation and scale.",
       {path(), colour("fillColor"), colour("color"), lineWidth()}},
      {"drawImage(Luxclasses/graphics/CuxGraphicFile;II)V",
       "Draws a graphic file's image with its top-left corner at a point; moved by the canvas "
       "translation.",
       {plain("file", "a CuxGraphicFile whose image, box size and imageOption are used"),
        pixels("x"), pixels("y")}},
  };
}

}  // namespace panel::natives
