// What every native the module registers does and what each of its arguments means: the one
// table behind docs/natives.md, `zelmo-panel --describe` and named arguments in screens. The
// module knows nothing of it; a test holds it to what the module registers.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace panel::natives {

// What an argument's number counts.
enum class Unit : uint8_t {
  None,
  Pixels,
  Degrees,       // whole degrees, counter-clockwise from 3 o'clock
  Tenths,        // tenths of a degree, counter-clockwise from 3 o'clock
  Milliradians,  // clockwise, 1570 a quarter turn
  Percent,
  Colour,  // 0x00RRGGBB, bit 31 set for none
  Font,    // a CuxFont whose font handle is used
  Layer,
  Count,
  Index,
  Characters,
  Seconds,  // since 1970-01-01 00:00 UTC
  Scale,    // a factor, 1.0 unchanged
  ImageHandle,
  Code,  // one of the values listed with the argument
};

// One value of a fixed set, with what it selects.
struct Value {
  int32_t value;
  const char* meaning;
};

struct ValueSet {
  const char* name;
  std::span<const Value> values;
  const char* otherwise = nullptr;  // what any value not listed does, when it does something
};

struct Argument {
  const char* name;  // lowerCamelCase, unique within its native
  Unit unit = Unit::None;
  const ValueSet* values = nullptr;
  const char* note = nullptr;
};

// The argument types come from the signature, so they cannot disagree with it.
struct Native {
  const char* signature;
  const char* does;  // one line
  std::vector<Argument> arguments;
  const char* result = nullptr;  // what a non-void result holds
};

struct ManagedClass {
  const char* name;  // slash form, as registered
  std::vector<Native> natives;
};

// Every managed class with natives, in the order the panel registers them.
const std::vector<ManagedClass>& managedClasses();

// The entry of a registered native, or nullptr.
const Native* findNative(std::string_view className, std::string_view signature);

const char* unitText(Unit unit);

// "uxclasses/graphics/CuxCanvas" → "CuxCanvas".
std::string_view shortClassName(std::string_view className);

}  // namespace panel::natives
