// Screen values as the VM holds them: JSON numbers, booleans, colours, strings and references,
// converted for one parameter or field type ("I", "Z", "Ljava/lang/String;", "[I", ...).
#pragma once

#include <map>
#include <string>
#include <variant>

#include <nlohmann/json.hpp>

#include "vm/ClassDef.h"
#include "vm/Vm.h"

namespace panel {

using Json = nlohmann::ordered_json;

// What a screen id names: a managed object or array, or an int stored by a call's "result".
using Named = std::variant<jref, int32_t>;

class Bindings {
 public:
  void bind(const std::string& id, Named value);
  bool has(const std::string& id) const { return names_.count(id) != 0; }
  // Throws ScreenError for an unknown id.
  const Named& lookup(const std::string& id) const;
  jref object(const std::string& id) const;  // throws unless the id names an object
  // An id that names the object, the first one bound to it while it still does; "" for none.
  std::string idOf(jref object) const;

 private:
  std::map<std::string, Named> names_;
  std::map<jref, std::string> firstId_;
};

// A descriptor letter or reference type to a VM argument. Throws ScreenError.
vm::Arg toArg(vm::Vm& vm, const Json& value, vm::Kind kind, const std::string& type,
              const Bindings& names);

// Writes one instance field or static of the given type. Throws ScreenError.
void writeField(vm::Vm& vm, jref object, const vm::FieldInfo& field, const Json& value,
                const Bindings& names);
void writeStatic(vm::Vm& vm, const vm::ClassDef& cls, const vm::FieldInfo& field, const Json& value,
                 const Bindings& names);

// "#RRGGBB" → 0x00RRGGBB, "none" → 0x80000000; throws ScreenError for other text.
int32_t colourValue(const std::string& text);

// The class of that name; throws ScreenError, with the nearest name, for an unknown one.
const vm::ClassDef& knownClass(const vm::Vm& vm, const std::string& name);

// Throws ScreenError unless `object` (non-null) may be stored where `type` is expected.
void checkAssignable(const vm::Vm& vm, jref object, const std::string& type);

// A short form of a JSON value for messages.
std::string shown(const Json& value);

}  // namespace panel
