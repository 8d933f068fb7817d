#include "vm/Descriptor.h"

#include <stdexcept>

namespace vm {
namespace {

// Reads one type at text[i], advancing i; returns its descriptor text.
std::string readType(std::string_view text, size_t& i, std::string_view whole) {
  const size_t start = i;
  while (i < text.size() && text[i] == '[') ++i;
  if (i >= text.size()) throw std::invalid_argument("truncated type in " + std::string(whole));
  if (text[i] == 'L') {
    const size_t end = text.find(';', i);
    if (end == std::string_view::npos)
      throw std::invalid_argument("unterminated class type in " + std::string(whole));
    i = end + 1;
  } else if (std::string_view("IFZBCSJDV").find(text[i]) != std::string_view::npos) {
    ++i;
  } else {
    throw std::invalid_argument("unknown type '" + std::string(1, text[i]) + "' in " +
                                std::string(whole));
  }
  return std::string(text.substr(start, i - start));
}

Kind kindOf(const std::string& type) {
  switch (type[0]) {
    case 'I':
    case 'S':
      return Kind::Int;
    case 'F':
      return Kind::Float;
    case 'Z':
      return Kind::Bool;
    case 'B':
      return Kind::Byte;
    case 'C':
      return Kind::Char;
    case 'V':
      return Kind::Void;
    case 'L':
    case '[':
      return Kind::Ref;
    default:
      throw std::invalid_argument("64-bit values are not supported: " + type);
  }
}

}  // namespace

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Void:
      return "void";
    case Kind::Int:
      return "int";
    case Kind::Float:
      return "float";
    case Kind::Bool:
      return "boolean";
    case Kind::Byte:
      return "byte";
    case Kind::Char:
      return "char";
    case Kind::Ref:
      return "reference";
  }
  return "?";
}

Descriptor parseDescriptor(std::string_view signature) {
  const size_t open = signature.find('(');
  const size_t close = signature.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open ||
      open == 0)
    throw std::invalid_argument("not a method descriptor: " + std::string(signature));
  Descriptor d;
  d.name = std::string(signature.substr(0, open));
  const std::string_view params = signature.substr(open + 1, close - open - 1);
  for (size_t i = 0; i < params.size();) {
    std::string type = readType(params, i, signature);
    if (type == "V") throw std::invalid_argument("void parameter in " + std::string(signature));
    d.parameters.push_back(kindOf(type));
    d.parameterTypes.push_back(std::move(type));
  }
  size_t i = 0;
  const std::string_view result = signature.substr(close + 1);
  d.resultType = readType(result, i, signature);
  if (i != result.size()) throw std::invalid_argument("trailing text in " + std::string(signature));
  d.result = kindOf(d.resultType);
  return d;
}

}  // namespace vm
