#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

Argument status() {
  return plain("status", "an int array whose element 0 receives the drawing service's status");
}

}  // namespace

ManagedClass graphicFileNatives() {
  return {"uxclasses/graphics/CuxGraphicFile",
          {{"draw(I)V",
            "Draws the image of imageHandle at the box's top-left corner, sized by imageOption.",
            {layer()}},
           {"createImage(IIIII[I)I",
            "Copies an area of a layer into a new image; a width or height of 0 takes the whole "
            "layer.",
            join({{{"layer", Unit::Layer, nullptr, "the layer copied from"}}, box(), {status()}}),
            "the new image's handle"},
           {"loadImage(Ljava/lang/String;[I)I",
            "Loads a PNG, JPEG or BMP file (at most 260 characters of path) as a new image.",
            {plain("path", "the picture file, relative to the screen file"), status()},
            "the new image's handle"},
           {"unloadImage(I)V",
            "Releases an image.",
            {{"image", Unit::ImageHandle, nullptr, "as createImage or loadImage returned it"}}}}};
}

}  // namespace panel::natives
