#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass fontNatives() {
  return {
      "uxclasses/graphics/CuxFont",
      {{"calcTextMetrics(Ljava/lang/String;)V",
        "Measures the text in this font into textWidth, textHeight and textMetric3.",
        {plain("text", "the text measured")}},
       {"createFont()I",
        "Loads the font named by fontName (\"Family:style:size\") with the font options.",
        {},
        "the font handle, to be stored in fontHandle"},
       {"deleteFont()V", "Unloads the font of fontHandle; the field keeps its value.", {}},
       {"isAgfaFont()Z",
        "Tells whether fontName starts with \"PF \" and ends with \" S\".",
        {},
        "true when both hold"},
       {"isTcpFont()Z", "Tells whether fontName starts with \"TCP\".", {}, "true when it does"}}};
}

}  // namespace panel::natives
