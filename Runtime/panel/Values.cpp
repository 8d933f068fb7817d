#include "panel/Values.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "core/Utf.h"
#include "panel/DidYouMean.h"
#include "panel/ScreenError.h"

namespace panel {

namespace {

constexpr const char* kStringType = "Ljava/lang/String;";
constexpr const char* kStringArrayType = "[Ljava/lang/String;";

const std::string& idOf(const Json& value) {
  const auto ref = value.find("ref");
  if (!value.is_object() || value.size() != 1 || ref == value.end() || !ref->is_string())
    throw ScreenError("expected {\"ref\": \"id\"}, got " + shown(value));
  return ref->get_ref<const std::string&>();
}

int64_t integerOf(const Json& value, int64_t low, int64_t high, const char* what) {
  if (value.is_number_unsigned() && value.get<uint64_t>() <= static_cast<uint64_t>(high))
    return static_cast<int64_t>(value.get<uint64_t>());
  if (value.is_number_integer() && !value.is_number_unsigned()) {
    const int64_t v = value.get<int64_t>();
    if (v >= low && v <= high) return v;
  }
  throw ScreenError(std::string("expected ") + what + ", got " + shown(value));
}

constexpr const char* kInt = "an integer from -2147483648 to 2147483647";

int32_t intOf(const Json& value, const Bindings& names) {
  if (value.is_string()) {
    // Only text that looks like a colour was meant as one.
    const std::string& text = value.get_ref<const std::string&>();
    if (text == "none" || text.rfind('#', 0) == 0) return colourValue(text);
    throw ScreenError(std::string("expected ") + kInt + ", got " + shown(value));
  }
  if (value.is_object()) {
    const Named& named = names.lookup(idOf(value));
    if (const int32_t* stored = std::get_if<int32_t>(&named)) return *stored;
    throw ScreenError("\"" + idOf(value) + "\" names an object, not an int");
  }
  // Unsigned 32-bit values are accepted so colours can be written as plain numbers.
  // (Up to 4294967295: a colour's bits as one number.)
  const int64_t v = integerOf(value, INT32_MIN, UINT32_MAX, kInt);
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}

// "[I" from a JSON array of ints, "[Ljava/lang/String;" from a JSON array of strings.
jref newArray(vm::Vm& vm, const Json& value, const std::string& type, const Bindings& names) {
  if (type == "[I") {
    std::vector<int32_t> ints;
    for (size_t i = 0; i < value.size(); ++i)
      ints.push_back(at("element " + std::to_string(i), [&] { return intOf(value[i], names); }));
    return vm.newIntArray(ints);
  }
  if (type == kStringArrayType || type == "[Ljava/lang/Object;") {
    std::vector<jref> strings;
    for (size_t i = 0; i < value.size(); ++i) {
      if (!value[i].is_string() && !value[i].is_null())
        throw ScreenError("element " + std::to_string(i) + ": expected a string or null, got " +
                          shown(value[i]));
      strings.push_back(value[i].is_null() ? 0 : vm.newStringUtf8(value[i].get<std::string>()));
    }
    return vm.newRefArray(strings);
  }
  throw ScreenError("an inline array cannot stand for " + type);
}

jref refOf(vm::Vm& vm, const Json& value, const std::string& type, const Bindings& names) {
  if (value.is_null()) return 0;
  if (value.is_string() && (type == kStringType || type == "Ljava/lang/Object;"))
    return vm.newStringUtf8(value.get<std::string>());
  if (value.is_array()) return newArray(vm, value, type, names);
  if (!value.is_object())
    throw ScreenError("expected {\"ref\": \"id\"} or null for " + type + ", got " + shown(value));
  const jref object = names.object(idOf(value));
  at("\"" + idOf(value) + "\"", [&] { checkAssignable(vm, object, type); });
  return object;
}

char16_t charOf(const Json& value) {
  if (value.is_string()) {
    const std::u16string text = core::utf16FromUtf8(value.get<std::string>());
    if (text.size() != 1) throw ScreenError("expected a one-character string, got " + shown(value));
    return text[0];
  }
  return static_cast<char16_t>(
      integerOf(value, 0, 0xFFFF, "a one-character string, or a code from 0 to 65535"));
}

vm::Kind kindOfFieldType(const std::string& type) {
  if (type == "I") return vm::Kind::Int;
  if (type == "F") return vm::Kind::Float;
  if (type == "Z") return vm::Kind::Bool;
  if (type == "B") return vm::Kind::Byte;
  if (type == "C") return vm::Kind::Char;
  return vm::Kind::Ref;
}

void store(std::byte* where, const vm::FieldInfo& field, const vm::Arg& value) {
  // Little-endian: the low bytes of the slot value are the field's value.
  std::memcpy(where + field.offset, &value.bits, field.size < 4 ? field.size : 4);
}

}  // namespace

void Bindings::bind(const std::string& id, Named value) {
  if (const jref* object = std::get_if<jref>(&value); object && *object)
    firstId_.emplace(*object, id);
  names_[id] = value;
}

std::string Bindings::idOf(jref object) const {
  if (object == 0) return {};
  const auto named = [&](const std::string& id) {
    const auto found = names_.find(id);
    return found != names_.end() && found->second == Named{object};
  };
  const auto first = firstId_.find(object);
  if (first != firstId_.end() && named(first->second)) return first->second;
  for (const auto& [id, value] : names_)
    if (value == Named{object}) return id;
  return {};
}

const Named& Bindings::lookup(const std::string& id) const {
  const auto found = names_.find(id);
  if (found == names_.end()) {
    std::vector<std::string> known;
    for (const auto& [name, value] : names_) known.push_back(name);
    throw ScreenError("unknown id \"" + id + "\"" + didYouMean(id, known));
  }
  return found->second;
}

jref Bindings::object(const std::string& id) const {
  const Named& named = lookup(id);
  if (const jref* object = std::get_if<jref>(&named)) return *object;
  throw ScreenError("\"" + id + "\" holds an int, not an object");
}

int32_t colourValue(const std::string& text) {
  if (text == "none") return static_cast<int32_t>(0x80000000u);
  const bool hex = text.size() == 7 && text[0] == '#' &&
                   text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
  if (!hex) throw ScreenError("expected a colour \"#RRGGBB\" or \"none\", got \"" + text + "\"");
  return static_cast<int32_t>(std::stoul(text.substr(1), nullptr, 16));
}

const vm::ClassDef& knownClass(const vm::Vm& vm, const std::string& name) {
  if (const vm::ClassDef* cls = vm.findClass(name)) return *cls;
  throw ScreenError("unknown class " + name + didYouMean(name, vm.classNames()));
}

void checkAssignable(const vm::Vm& vm, jref object, const std::string& type) {
  if (object == 0 || type == "Ljava/lang/Object;") return;
  std::string className = type;
  if (type.size() > 2 && type.front() == 'L' && type.back() == ';')
    className = type.substr(1, type.size() - 2);
  const vm::ClassDef* wanted = vm.findClass(className);
  if (!wanted) throw ScreenError("the VM knows no class " + className);
  const vm::ClassDef& actual = vm.classOf(object);
  if (!actual.isSubclassOf(*wanted))
    throw ScreenError("is a " + actual.name() + ", not a " + className);
}

vm::Arg toArg(vm::Vm& vm, const Json& value, vm::Kind kind, const std::string& type,
              const Bindings& names) {
  switch (kind) {
    case vm::Kind::Int:
      return vm::Arg::i(intOf(value, names));
    case vm::Kind::Byte:
      return vm::Arg::b(static_cast<int8_t>(
          static_cast<uint8_t>(integerOf(value, INT8_MIN, UINT8_MAX, "a byte from -128 to 255"))));
    case vm::Kind::Float:
      // JSON has no NaN or infinities, but managed code can hand them to a native.
      if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text == "NaN") return vm::Arg::f(std::numeric_limits<float>::quiet_NaN());
        if (text == "Infinity") return vm::Arg::f(std::numeric_limits<float>::infinity());
        if (text == "-Infinity") return vm::Arg::f(-std::numeric_limits<float>::infinity());
      }
      if (!value.is_number())
        throw ScreenError("expected a number, \"NaN\", \"Infinity\" or \"-Infinity\", got " +
                          shown(value));
      if (std::fabs(value.get<double>()) > std::numeric_limits<float>::max())
        throw ScreenError("out of the float range: " + shown(value));
      return vm::Arg::f(value.get<float>());
    case vm::Kind::Bool:
      if (!value.is_boolean()) throw ScreenError("expected true or false, got " + shown(value));
      return vm::Arg::z(value.get<bool>());
    case vm::Kind::Char:
      return vm::Arg::c(charOf(value));
    case vm::Kind::Ref:
      return vm::Arg::ref(refOf(vm, value, type, names));
    case vm::Kind::Void:
      break;
  }
  throw ScreenError("a void value cannot be passed");
}

void writeField(vm::Vm& vm, jref object, const vm::FieldInfo& field, const Json& value,
                const Bindings& names) {
  const vm::Arg arg = toArg(vm, value, kindOfFieldType(field.type), field.type, names);
  // The storage is looked up after the conversion, which may allocate.
  store(vm.storage(object), field, arg);
}

void writeStatic(vm::Vm& vm, const vm::ClassDef& cls, const vm::FieldInfo& field, const Json& value,
                 const Bindings& names) {
  store(cls.staticStorage, field, toArg(vm, value, kindOfFieldType(field.type), field.type, names));
}

std::string shown(const Json& value) {
  std::string text = value.dump();
  if (text.size() > 40) text = text.substr(0, 37) + "...";
  return text;
}

}  // namespace panel
