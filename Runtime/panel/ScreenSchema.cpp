#include "panel/ScreenSchema.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "core/SystemLanguages.h"
#include "panel/Screen.h"
#include "panel/natives/NativeReference.h"
#include "vm/Descriptor.h"

namespace panel {

namespace {

// The VM has no list of its classes; these are all the managed library defines, and any that a
// build lacks is left out.
constexpr const char* kClassNames[] = {
    "java/lang/Object",
    "java/lang/String",
    "uxclasses/baseclasses/CuxGraphics",
    "uxclasses/baseclasses/CuxLanguageMgr",
    "uxclasses/graphics/CuxArc",
    "uxclasses/graphics/CuxArea",
    "uxclasses/graphics/CuxBezier",
    "uxclasses/graphics/CuxCanvas",
    "uxclasses/graphics/CuxComplexObj",
    "uxclasses/graphics/CuxEllipse",
    "uxclasses/graphics/CuxFont",
    "uxclasses/graphics/CuxGraphicFile",
    "uxclasses/graphics/CuxListBox",
    "uxclasses/graphics/CuxPie",
    "uxclasses/graphics/CuxPolyLine",
    "uxclasses/graphics/CuxPolygon",
    "uxclasses/graphics/CuxRectangle",
    "uxclasses/graphics/CuxScale",
    "uxclasses/graphics/CuxScreenCapture",
    "uxclasses/graphics/CuxText",
};

Json ref(const std::string& def) { return {{"$ref", "#/$defs/" + def}}; }

// The value rules of docs/screen-format.md, one definition per kind of value.
Json valueDefinitions() {
  const Json reference = {{"type", "object"},
                          {"properties", {{"ref", {{"type", "string"}}}}},
                          {"required", {"ref"}},
                          {"additionalProperties", false}};
  const Json colour = {{"type", "string"}, {"pattern", "^#[0-9A-Fa-f]{6}$"}};
  const Json integer = {{"anyOf",
                         {{{"type", "integer"},
                           {"minimum", std::numeric_limits<int32_t>::min()},
                           {"maximum", std::numeric_limits<uint32_t>::max()}},
                          colour,
                          {{"const", "none"}},
                          reference}},
                        {"description",
                         "an integer from -2147483648 to 4294967295, \"#RRGGBB\", \"none\" or "
                         "{\"ref\": id} of a stored int"}};
  const Json null = {{"type", "null"}};
  return {
      {"reference", reference},
      {"colour", colour},
      {"I", integer},
      {"B", {{"type", "integer"}, {"minimum", -128}, {"maximum", 255}, {"description", "a byte"}}},
      {"Z", {{"type", "boolean"}}},
      {"C",
       {{"anyOf",
         {{{"type", "string"}, {"minLength", 1}, {"maxLength", 1}},
          {{"type", "integer"}, {"minimum", 0}, {"maximum", 65535}}}}}},
      {"F",
       {{"anyOf",
         {{{"type", "number"},
           {"minimum", -std::numeric_limits<float>::max()},
           {"maximum", std::numeric_limits<float>::max()}},
          {{"enum", {"NaN", "Infinity", "-Infinity"}}}}}}},
      {"string", {{"anyOf", {{{"type", "string"}}, reference, null}}}},
      {"intArray", {{"anyOf", {{{"type", "array"}, {"items", ref("I")}}, reference, null}}}},
      {"stringArray",
       {{"anyOf",
         {{{"type", "array"}, {"items", {{"type", {"string", "null"}}}}}, reference, null}}}},
      {"object", {{"anyOf", {{{"type", {"string", "array"}}}, reference, null}}}},
      {"objectRef", {{"anyOf", {reference, null}}}},
  };
}

// The definition a value of a descriptor type follows.
Json valueOf(const std::string& type) {
  if (type.size() == 1) return ref(type);
  if (type == "Ljava/lang/String;") return ref("string");
  if (type == "[I") return ref("intArray");
  if (type == "[Ljava/lang/String;") return ref("stringArray");
  if (type == "Ljava/lang/Object;" || type == "[Ljava/lang/Object;") return ref("object");
  return ref("objectRef");
}

Json fieldsOf(const std::vector<vm::FieldInfo>& fields) {
  Json properties = Json::object();
  for (const vm::FieldInfo& field : fields) properties[field.name] = valueOf(field.type);
  return {{"type", "object"}, {"properties", properties}, {"additionalProperties", false}};
}

Json objectEntries(const std::vector<const vm::ClassDef*>& classes) {
  const Json id = {{"type", "string"}, {"minLength", 1}};
  Json kinds = Json::array();
  for (const vm::ClassDef* cls : classes)
    kinds.push_back({{"type", "object"},
                     {"properties",
                      {{"id", id},
                       {"class", {{"const", cls->name()}}},
                       {"fields", fieldsOf(cls->fields())},
                       {"comment", true}}},
                     {"required", {"id", "class"}},
                     {"additionalProperties", false}});
  const std::pair<const char*, Json> arrays[] = {
      {"int[]", {{"type", "array"}, {"items", ref("I")}}},
      {"String", {{"type", "string"}}},
      {"String[]", {{"type", "array"}, {"items", {{"type", {"string", "null"}}}}}},
      {"CuxGraphics[]", {{"type", "array"}, {"items", ref("objectRef")}}}};
  for (const auto& [key, value] : arrays)
    kinds.push_back({{"type", "object"},
                     {"properties", {{"id", id}, {key, value}, {"comment", true}}},
                     {"required", {"id", key}},
                     {"additionalProperties", false}});
  return {{"anyOf", kinds}};
}

Json statics(const std::vector<const vm::ClassDef*>& classes) {
  Json properties = Json::object();
  for (const vm::ClassDef* cls : classes)
    if (!cls->statics().empty()) properties[cls->name()] = fieldsOf(cls->statics());
  return {{"type", "object"}, {"properties", properties}, {"additionalProperties", false}};
}

// The "args" a signature takes: a list in declaration order, or an object of each native's names.
Json argumentsOf(const std::string& signature, const std::vector<const natives::Native*>& natives) {
  const vm::Descriptor descriptor = vm::parseDescriptor(signature);
  Json positional = Json::array();
  for (const std::string& type : descriptor.parameterTypes) positional.push_back(valueOf(type));
  const size_t count = positional.size();
  Json forms = Json::array();
  Json list = {{"type", "array"}, {"minItems", count}, {"maxItems", count}};
  if (count > 0) list["prefixItems"] = positional;  // which may not be empty
  forms.push_back(list);
  for (const natives::Native* native : natives) {
    Json properties = Json::object();
    Json required = Json::array();
    for (size_t i = 0; i < count; ++i) {
      Json property = positional[i];
      const natives::Argument& argument = native->arguments[i];
      std::string text = natives::unitText(argument.unit);
      if (argument.note) text += (text.empty() ? "" : "; ") + std::string(argument.note);
      if (!text.empty()) property["description"] = text;
      properties[argument.name] = property;
      required.push_back(argument.name);
    }
    Json named = {{"type", "object"},
                  {"properties", properties},
                  {"required", required},
                  {"additionalProperties", false}};
    if (std::find(forms.begin(), forms.end(), named) == forms.end()) forms.push_back(named);
  }
  Json rule = {{"properties", {{"args", {{"anyOf", forms}}}}}};
  if (count > 0) rule["required"] = {"args"};
  return rule;
}

Json calls(const std::vector<const vm::ClassDef*>& classes) {
  std::map<std::string, std::vector<const natives::Native*>> bySignature;
  for (const natives::ManagedClass& cls : natives::managedClasses())
    for (const natives::Native& native : cls.natives)
      bySignature[native.signature].push_back(&native);
  Json signatures = Json::array();
  Json argumentRules = Json::array();
  for (const auto& [signature, natives] : bySignature) {
    signatures.push_back(signature);
    argumentRules.push_back(
        {{"if", {{"properties", {{"call", {{"const", signature}}}}}, {"required", {"call"}}}},
         {"then", argumentsOf(signature, natives)}});
  }
  Json classNames = Json::array();
  for (const vm::ClassDef* cls : classes) classNames.push_back(cls->name());
  const Json call = {
      {"type", "object"},
      {"properties",
       {{"call", {{"enum", signatures}, {"description", "the signature as registered"}}},
        {"on", {{"type", "string"}, {"description", "the id of the receiver"}}},
        {"class", {{"enum", classNames}}},
        {"args", {{"type", {"array", "object"}}}},
        {"result", {{"type", "string"}, {"pattern", "^[^.]+(\\.[^.]+)?$"}}},
        {"comment", true}}},
      {"additionalProperties", false},
      {"anyOf",
       {{{"required", {"comment"}}, {"maxProperties", 1}},
        {{"required", {"call", "on"}}},
        {{"required", {"call", "class"}}}}},
      {"allOf", argumentRules}};
  return {{"type", "array"}, {"items", call}};
}

}  // namespace

Json screenSchema(const vm::Vm& vm) {
  std::vector<const vm::ClassDef*> classes;
  for (const char* name : kClassNames)
    if (const vm::ClassDef* cls = vm.findClass(name)) classes.push_back(cls);
  const auto side = [](const char* what) {
    return Json{{"type", "integer"}, {"minimum", 1}, {"maximum", kMaxSide}, {"description", what}};
  };
  return {
      {"$schema", "https://json-schema.org/draft/2020-12/schema"},
      {"title", "zelmo-panel screen"},
      {"description", "A screen file of zelmo-panel (docs/screen-format.md)."},
      {"type", "object"},
      {"properties",
       {{"$schema", {{"type", "string"}}},
        {"comment", true},
        {"width", side("pixels")},
        {"height", side("pixels")},
        {"background", ref("colour")},
        {"layers", {{"type", "integer"}, {"minimum", 1}, {"maximum", kMaxLayers}}},
        {"statics", statics(classes)},
        {"objects", {{"type", "array"}, {"items", objectEntries(classes)}}},
        {"calls", calls(classes)},
        {"systemLanguages",
         {{"type", "array"},
          {"maxItems", core::kSystemLanguageSlots},
          {"items", {{"type", "string"}, {"maxLength", 15}}}}},
        {"timeZoneOffset",
         {{"type", "integer"},
          {"minimum", kMinTimeZoneOffset},
          {"maximum", kMaxTimeZoneOffset},
          {"description", "minutes local time is ahead of GMT (default 0)"}}}}},
      {"required", {"width", "height"}},
      {"additionalProperties", false},
      {"$defs", valueDefinitions()},
  };
}

}  // namespace panel
