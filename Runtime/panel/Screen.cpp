#include "panel/Screen.h"

#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "core/SystemLanguages.h"
#include "core/Utf.h"
#include "panel/ScreenError.h"

namespace panel {

namespace {

void allowOnly(const Json& object, const std::set<std::string>& keys) {
  for (const auto& [key, value] : object.items())
    if (!keys.count(key) && key != "comment") throw ScreenError("unknown key \"" + key + "\"");
}

int intInRange(const Json& document, const char* key, int low, int high, int fallback,
               bool required) {
  const auto found = document.find(key);
  if (found == document.end()) {
    if (required) throw ScreenError(std::string("missing key \"") + key + "\"");
    return fallback;
  }
  if (!found->is_number_integer() || found->get<int64_t>() < low || found->get<int64_t>() > high)
    throw ScreenError(std::string("\"") + key + "\" must be an integer from " +
                      std::to_string(low) + " to " + std::to_string(high) + ", got " +
                      shown(*found));
  return found->get<int>();
}

Json section(const Json& document, const char* key, Json fallback) {
  const auto found = document.find(key);
  if (found == document.end()) return fallback;
  if (found->type() != fallback.type())
    throw ScreenError(std::string("\"") + key + "\" must be a JSON " +
                      (fallback.is_array() ? "array" : "object"));
  return *found;
}

// An array of graphic objects, such as a group's members. It is made full of nulls, and its
// elements are filled once every object exists, so that a group may hold any object of the
// file, itself included.
constexpr const char* kMembersKey = "CuxGraphics[]";
constexpr const char* kMembersType = "[Luxclasses/baseclasses/CuxGraphics;";

void fillMembers(vm::Vm& vm, jref array, const Json& elements, const Bindings& names) {
  for (size_t i = 0; i < elements.size(); ++i) {
    at("element " + std::to_string(i), [&] {
      const jref member =
          toArg(vm, elements[i], vm::Kind::Ref, "Luxclasses/baseclasses/CuxGraphics;", names).bits;
      vm.refElements(array)[i] = member;
    });
  }
}

// The one key that says what kind of object an entry makes.
std::string kindKey(const Json& entry) {
  std::string kind;
  for (const char* key : {"class", "int[]", "String", "String[]", kMembersKey}) {
    if (!entry.contains(key)) continue;
    if (!kind.empty()) throw ScreenError("both \"" + kind + "\" and \"" + key + "\"");
    kind = key;
  }
  if (kind.empty())
    throw ScreenError(
        "needs one of \"class\", \"int[]\", \"String\", \"String[]\", \"CuxGraphics[]\"");
  return kind;
}

jref create(vm::Vm& vm, const Json& entry, const std::string& kind, const Bindings& names) {
  const Json& value = entry[kind];
  if (kind == "class") {
    allowOnly(entry, {"id", "class", "fields"});
    if (!value.is_string()) throw ScreenError("\"class\" must be a string");
    return vm.newObject(vm.classNamed(value.get<std::string>()));
  }
  allowOnly(entry, {"id", kind});
  if (kind == "String") {
    if (!value.is_string()) throw ScreenError("\"String\" must be a string");
    return vm.newStringUtf8(value.get<std::string>());
  }
  if (!value.is_array()) throw ScreenError("\"" + kind + "\" must be an array");
  if (kind == kMembersKey) return vm.newRefArray(std::vector<jref>(value.size(), 0), kMembersType);
  const std::string type = kind == "int[]" ? "[I" : "[Ljava/lang/String;";
  return toArg(vm, value, vm::Kind::Ref, type, names).bits;
}

// The language codes of the system language slots, in slot order.
std::vector<std::string> systemLanguageCodes(const Json& list) {
  constexpr size_t kMaxCodeUnits = 15;
  if (!list.is_array() || list.size() > core::kSystemLanguageSlots)
    throw ScreenError("must be an array of at most " + std::to_string(core::kSystemLanguageSlots) +
                      " language codes");
  std::vector<std::string> codes;
  for (size_t slot = 0; slot < list.size(); ++slot) {
    const Json& code = list[slot];
    if (!code.is_string() || core::utf16FromUtf8(code.get<std::string>()).size() > kMaxCodeUnits)
      throw ScreenError("slot " + std::to_string(slot) + ": must be a string of at most " +
                        std::to_string(kMaxCodeUnits) + " UTF-16 units, got " + shown(code));
    codes.push_back(code.get<std::string>());
  }
  return codes;
}

}  // namespace

Screen readScreen(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScreenError(path + ": cannot open the screen file");
  std::stringstream text;
  text << in.rdbuf();
  Json document;
  try {
    document = Json::parse(text.str());
  } catch (const Json::parse_error& e) {
    throw ScreenError(path + ": not valid JSON: " + e.what());
  }
  return at(path, [&] { return parseScreen(document); });
}

Screen parseScreen(const Json& document) {
  if (!document.is_object()) throw ScreenError("the screen must be a JSON object");
  // "$schema" names the schema an editor checks the file against (zelmo-panel --schema).
  allowOnly(document, {"$schema", "width", "height", "background", "layers", "statics", "objects",
                       "calls", "systemLanguages", "timeZoneOffset"});
  Screen screen;
  screen.width = intInRange(document, "width", 1, kMaxSide, 0, true);
  screen.height = intInRange(document, "height", 1, kMaxSide, 0, true);
  screen.layers = intInRange(document, "layers", 1, kMaxLayers, 1, false);
  screen.timeZoneOffset =
      intInRange(document, "timeZoneOffset", kMinTimeZoneOffset, kMaxTimeZoneOffset, 0, false);
  if (int64_t{screen.width} * screen.height * screen.layers > kMaxPixels)
    throw ScreenError("width x height x layers is above " + std::to_string(kMaxPixels) + " pixels");
  if (const auto background = document.find("background"); background != document.end()) {
    if (!background->is_string()) throw ScreenError("\"background\" must be \"#RRGGBB\"");
    const int32_t colour =
        at("background", [&] { return colourValue(background->get<std::string>()); });
    if (colour < 0) throw ScreenError("background: must be a colour, not \"none\"");
    screen.background = static_cast<uint32_t>(colour);
  }
  screen.statics = section(document, "statics", Json::object());
  screen.objects = section(document, "objects", Json::array());
  screen.calls = section(document, "calls", Json::array());
  if (const auto languages = document.find("systemLanguages"); languages != document.end())
    screen.systemLanguages = at("systemLanguages", [&] { return systemLanguageCodes(*languages); });
  return screen;
}

void buildObjects(vm::Vm& vm, const Json& objects, Bindings& names) {
  std::vector<jref> made;
  for (size_t i = 0; i < objects.size(); ++i) {
    const Json& entry = objects[i];
    const std::string place = "objects[" + std::to_string(i) + "]";
    if (!entry.is_object()) throw ScreenError(place + ": must be a JSON object");
    const auto id = entry.find("id");
    if (id == entry.end() || !id->is_string() || id->get<std::string>().empty())
      throw ScreenError(place + ": missing key \"id\" (a non-empty string)");
    const std::string name = id->get<std::string>();
    at(place + " \"" + name + "\"", [&] {
      if (names.has(name)) throw ScreenError("id used twice");
      const jref object = create(vm, entry, kindKey(entry), names);
      names.bind(name, object);
      made.push_back(object);
    });
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    const auto members = objects[i].find(kMembersKey);
    if (members == objects[i].end()) continue;
    at("objects[" + std::to_string(i) + "] \"" + objects[i]["id"].get<std::string>() + "\"",
       [&] { fillMembers(vm, made[i], *members, names); });
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    const auto fields = objects[i].find("fields");
    if (fields == objects[i].end()) continue;
    const std::string place =
        "objects[" + std::to_string(i) + "] \"" + objects[i]["id"].get<std::string>() + "\"";
    at(place, [&] {
      if (!fields->is_object()) throw ScreenError("\"fields\" must be a JSON object");
      // Named locals, not structured bindings: clang 14 cannot capture those in a lambda.
      for (const auto& item : fields->items()) {
        const std::string& field = item.key();
        const Json& value = item.value();
        at("field \"" + field + "\"",
           [&] { writeField(vm, made[i], vm.fieldOf(made[i], field), value, names); });
      }
    });
  }
}

void applyStatics(vm::Vm& vm, const Json& statics, const Bindings& names) {
  for (const auto& classItem : statics.items()) {
    const std::string& className = classItem.key();
    const Json& values = classItem.value();
    at("statics \"" + className + "\"", [&] {
      const vm::ClassDef& cls = vm.classNamed(className);
      if (!values.is_object()) throw ScreenError("must be a JSON object of field: value");
      for (const auto& item : values.items()) {
        const std::string& field = item.key();
        const Json& value = item.value();
        at("static \"" + field + "\"", [&] {
          const auto info = cls.staticField(field);
          if (!info) throw ScreenError(className + " has no static field " + field);
          writeStatic(vm, cls, *info, value, names);
        });
      }
    });
  }
}

}  // namespace panel
