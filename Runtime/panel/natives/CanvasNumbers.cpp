// Canvas numbers, floats and dates. The decimal and group separators are the canvas class's
// statics decimalSeparator and groupSeparator; a value that does not fit shows as asterisks.
#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

Argument value() { return plain("value", "the number shown"); }
Argument base() { return code("base", kNumberBases); }
Argument digits() { return {"digits", Unit::Characters, nullptr, "integer digit positions"}; }
Argument decimals() {
  return {"decimals", Unit::Characters, nullptr, "digits after the decimal separator"};
}
Argument implied() {
  return {"decimals", Unit::Characters, nullptr,
          "implied decimals: the value is shown divided by 10 to this power"};
}
std::vector<Argument> placement() {
  return {code("simpleOption1", kHorizontalPlacements), code("simpleOption2", kVerticalPlacements)};
}
Argument leadingZeros() { return flag("leadingZeros", "true pads with zeros to the full width"); }
std::vector<Argument> colours() { return {colour("textColor"), colour("thirdColor", "not drawn")}; }
Argument suffix() { return plain("suffix", "a String appended as it is, such as a unit"); }
Argument grouping() { return flag("grouping", "true separates groups of digits"); }

std::vector<Argument> fixedPoint() {
  return join({{value(), base(), digits(), implied()},
               placement(),
               {flag("unsigned", "true reads the 32 bits as unsigned in bases 8 and 10"),
                grouping(), leadingZeros()},
               colours(),
               box(),
               {font()}});
}

std::vector<Argument> floatFormat() {
  return join({{value(), digits(), decimals()},
               placement(),
               {flag("significant", "true makes digits count significant digits"), grouping(),
                leadingZeros()},
               colours(),
               box(),
               {font()}});
}

std::vector<Argument> legacyFloat() {
  return join({{value(), digits()}, placement(), {leadingZeros(), decimals()}, colours(), box()});
}

}  // namespace

std::vector<Native> canvasNumberNatives() {
  return {
      {"drawNumber(IIIIII)V", "Draws an integer centred in a box in the canvas's colour and font.",
       join({{value(), base()}, box()})},
      {"drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws an integer centred in a box in a colour and font.",
       join({{value(), base()}, box(), {colour("textColor"), font()}})},
      {"drawNumber(IIIIZIIII)V",
       "Draws the last digits of an integer, optionally zero-padded, in the canvas's colour and "
       "font.",
       join({{value(), base(), digits(), code("simpleOption1", kHorizontalPlacements),
              leadingZeros()},
             box()})},
      {"drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws an integer with implied decimals.",
       join({{value(), base(), digits(), implied()},
             placement(),
             {leadingZeros()},
             colours(),
             box(),
             {font()}})},
      {"drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws an integer with implied decimals and digit grouping, on layer 0.", fixedPoint()},
      {"drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
       "Draws an integer with implied decimals, digit grouping and a suffix, on layer 0.",
       join({fixedPoint(), {suffix()}})},
      {"drawNumber(IIIIIZIIIIIII)V",
       "Draws an integer with implied decimals in the canvas's font (older rules).",
       join({{value(), base(), digits()},
             placement(),
             {leadingZeros(), implied()},
             colours(),
             box()})},
      {"nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws a float with decimals or significant digits, on layer 0.", floatFormat()},
      {"nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
       "Draws a float with decimals or significant digits and a suffix, on layer 0.",
       join({floatFormat(), {suffix()}})},
      {"nativeDrawFloat(FIIIZIIIIIII)V",
       "Draws a float with decimals in the canvas's font, on layer 0.", legacyFloat()},
      {"nativeDrawFloat(FIIIZIIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws a float with decimals, on layer 0.", join({legacyFloat(), {font()}})},
      {"nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws a float with significant digits or none after the separator, on layer 0.",
       join({{value(), digits()},
             placement(),
             {flag("significant", "true makes digits count significant digits"), leadingZeros()},
             colours(),
             box(),
             {font()}})},
      {"drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws a date or the time of day, in local time, centred in a box.",
       join({{code("format", kDateTimeFormats), {"timeValue", Unit::Seconds}},
             box(),
             {colour("textColor"), font()}})},
      {"onTimeChange()V", "Forgets the time-zone offset, so the next date asks for it again.", {}},
  };
}

}  // namespace panel::natives
