// Natives of uxclasses/graphics/CuxFont: load and unload a font in the drawing service, measure a
// text in it, and tell the two special font families apart by name.
#include <span>

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/ObjectHandle.h"
#include "bridge/Registrar.h"
#include "platform/CoreServices.h"
#include "platform/DrawingService.h"
#include "records/FontRecord.h"

namespace zelmo {
namespace {

namespace f = FontFields;

// 260 characters and the terminator; longer names are cut.
constexpr size_t kFontNameCapacity = 261;
using FontName = UniChar[kFontNameCapacity];

// The font's name as a terminated wide string; a null name (or a null font) reads as "".
void readFontName(Storage font, std::span<UniChar> name) {
  name[0] = 0;
  if (!font) return;
  const ObjectHandle string = ObjectHandle::newLocal(f::fontName.read(font));
  copyString(string.fields(), name);
}

bool startsWith(const UniChar* name, const UniChar* prefix, int32_t length) {
  return osUTustrncmp(name, prefix, length) == 0;
}

// calcTextMetrics(Ljava/lang/String;)V
void calcTextMetrics() {
  const ManagedFrame frame;
  const Storage string = fieldsOf(frame.refArg(1));
  if (!string) {
    osERfatalError(moduleName, "uxClasses_Graphics_CuxFont", 66,
                   u"CuxFont :: Unexpected null character");
    return;
  }
  if (!frame.thisFields()) return;
  const StringText text = stringText(string);
  int32_t width = 0, height = 0, third = 0;
  // Reading the text asked the VM; `this` is found afresh on each side of that.
  osGXgetTextMetrics(f::fontHandle.read(frame.thisFields()), text.chars, text.count, &width,
                     &height, &third);
  const Storage font = frame.thisFields();
  f::textWidth.write(font, width);
  f::textHeight.write(font, height);
  f::textMetric3.write(font, third);
}

// createFont()I
void createFont() {
  const ManagedFrame frame;
  const Storage font = frame.thisFields();
  if (!font) {
    frame.setIntResult(0);
    return;
  }
  // The options are read before the name is copied: copying asks the VM, which may move the
  // font.
  const uint8_t option1 = f::fontOption1.read(font);
  const uint8_t option2 = f::fontOption2.read(font);
  const uint8_t option3 = f::fontOption3.read(font);
  FontName name;
  readFontName(font, name);
  // The service takes the options in the order 2, 3, 1. The handle goes back unchecked, and
  // managed code keeps it in fontHandle itself.
  const uint32_t handle = osGXloadFont(name, option2, option3, option1);
  frame.setIntResult(static_cast<int32_t>(handle));
}

// deleteFont()V
void deleteFont() {
  const ManagedFrame frame;
  const Storage font = frame.thisFields();
  if (!font) return;
  osGXunloadFont(f::fontHandle.read(font));
}

// isAgfaFont()Z
// "PF " at the start and " S" as the last two characters; the two may overlap ("PF S").
void isAgfaFont() {
  const ManagedFrame frame;
  FontName name;
  readFontName(frame.thisFields(), name);
  bool agfa = false;
  if (startsWith(name, u"PF ", 3)) {
    // The prefix matched, so the name has at least three characters.
    const int32_t length = osUTustrlen(name);
    agfa = startsWith(name + length - 2, u" S", 2);
  }
  frame.setBoolResult(agfa);
}

// isTcpFont()Z
void isTcpFont() {
  const ManagedFrame frame;
  FontName name;
  readFontName(frame.thisFields(), name);
  frame.setBoolResult(startsWith(name, u"TCP", 3));
}

constexpr NativeEntry kNatives[] = {
    {"calcTextMetrics(Ljava/lang/String;)V", calcTextMetrics},
    {"createFont()I", createFont},
    {"deleteFont()V", deleteFont},
    {"isAgfaFont()Z", isAgfaFont},
    {"isTcpFont()Z", isTcpFont},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxFont_init() {
  return zelmo::registerClass(zelmo::FontFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxFont", 166});
}
