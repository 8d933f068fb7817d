#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

Argument texts() { return plain("texts", "a String[] with one cell text per column"); }
Argument position() {
  return {"position", Unit::Index, nullptr,
          "display position of a row; 0 is the title row when there is one"};
}

}  // namespace

ManagedClass listBoxNatives() {
  return {
      "uxclasses/graphics/CuxListBox",
      {{"setTitle([Ljava/lang/String;Luxclasses/graphics/CuxFont;III)V",
        "Makes the title row and recomputes the row height.",
        {texts(), font(), colour("textColor"), colour("backColor"),
         pixels("height", "of the title row")}},
       {"setFrame(IIBB)V",
        "Sets the outer frame; width 0 draws none.",
        {colour("color"), colour("backColor"), pixels("width"), code("style", kLineStyles)}},
       {"setRule(IIBB)V",
        "Sets the lines between rows; width 0 draws none.",
        {colour("color"), colour("backColor"), pixels("width"), code("style", kLineStyles)}},
       {"insertRow([Ljava/lang/String;IZ)V",
        "Adds a row at the top or the bottom, scrolling the others and dropping the one pushed "
        "off.",
        {texts(), unused(), flag("atTop", "true inserts at the top, false appends at the bottom")}},
       {"setRowContent(I[Ljava/lang/String;)V",
        "Replaces the texts of the rows at a position.",
        {position(), texts()}},
       {"setContents([Ljava/lang/String;II)V",
        "Writes the texts into the first free row slot at a position.",
        {texts(), unused(), position()}},
       {"wipeOut()V", "Empties every row but the title.", {}},
       {"setRowColor(III)V",
        "Sets the colours of the row at a position.",
        {position(), colour("textColor"), colour("backColor")}},
       {"getRowPos()I",
        "Finds the row under the height held in queryY.",
        {},
        "the row count from the top, at most rowLimit"},
       {"setCursor(I)V",
        "Selects the row at a position, or the topmost row when none is there.",
        {position()}},
       {"resetCursor()V", "Clears the selection.", {}},
       {"removeRow(I)V",
        "Clears a free row slot; nothing visible changes.",
        {{"index", Unit::Index}}},
       {"move(II)V",
        "Places the list box at its original rectangle plus a displacement.",
        {pixels("dx", "to the right"), pixels("dy", "upward")}},
       {"draw(I)V", "Draws the rows, the rules and the frame, clipped to the list box.", {layer()}},
       {"constructListBox(II[I[I)V",
        "Creates the native rows from the list box's rectangle, colours and font.",
        {{"columnCount", Unit::Count},
         {"rowCount", Unit::Count, nullptr, "title row included"},
         plain("columnWidths", "an int[] of each column's width in pixels"),
         plain("capacities", "an int[] of each column's longest text, in characters")}},
       {"deleteListBox()V", "Frees the native rows.", {}}}};
}

}  // namespace panel::natives
