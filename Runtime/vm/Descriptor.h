// Method descriptors such as "drawString(Ljava/lang/String;IIII)V", split into kinds of slots.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vm {

// How a value travels: references on the reference stack, everything else one primitive slot.
enum class Kind { Void, Int, Float, Bool, Byte, Char, Ref };

const char* kindName(Kind kind);

struct Descriptor {
  std::string name;
  std::vector<Kind> parameters;
  std::vector<std::string> parameterTypes;  // the descriptor text of each parameter
  std::string resultType;
  Kind result = Kind::Void;
};

// Throws std::invalid_argument naming what is malformed.
Descriptor parseDescriptor(std::string_view signature);

}  // namespace vm
