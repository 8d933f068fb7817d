#include "panel/Screen.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "core/SystemLanguages.h"
#include "core/Utf.h"
#include "panel/DidYouMean.h"
#include "panel/ScreenError.h"
#include "panel/SourceMap.h"

namespace panel {

namespace {

void allowOnly(const Json& object, const std::set<std::string>& keys, Diagnostics* report) {
  for (const auto& item : object.items())
    if (!keys.count(item.key()) && item.key() != "comment")
      collecting(report, [&] {
        throw ScreenError("unknown key \"" + item.key() + "\"" +
                              didYouMean(item.key(), {keys.begin(), keys.end()}),
                          &item.value(), true);
      });
}

int intInRange(const Json& document, const char* key, int low, int high, int fallback,
               bool required) {
  const auto found = document.find(key);
  if (found == document.end()) {
    if (required) throw ScreenError(std::string("missing key \"") + key + "\"", &document);
    return fallback;
  }
  if (!found->is_number_integer() || found->get<int64_t>() < low || found->get<int64_t>() > high)
    throw ScreenError(std::string("\"") + key + "\" must be an integer from " +
                          std::to_string(low) + " to " + std::to_string(high) + ", got " +
                          shown(*found),
                      &*found);
  return found->get<int>();
}

Json section(const Json& document, const char* key, Json fallback) {
  const auto found = document.find(key);
  if (found == document.end()) return fallback;
  if (found->type() != fallback.type())
    throw ScreenError(
        std::string("\"") + key + "\" must be a JSON " + (fallback.is_array() ? "array" : "object"),
        &*found);
  return *found;
}

// An array of graphic objects, such as a group's members. It is made full of nulls, and its
// elements are filled once every object exists, so that a group may hold any object of the
// file, itself included.
constexpr const char* kMembersKey = "CuxGraphics[]";
constexpr const char* kMembersType = "[Luxclasses/baseclasses/CuxGraphics;";

void fillMembers(vm::Vm& vm, jref array, const Json& elements, size_t i, const Bindings& names) {
  at("element " + std::to_string(i), &elements[i], [&] {
    const jref member =
        toArg(vm, elements[i], vm::Kind::Ref, "Luxclasses/baseclasses/CuxGraphics;", names).bits;
    vm.refElements(array)[i] = member;
  });
}

// The one key that says what kind of object an entry makes.
std::string kindKey(const Json& entry) {
  std::string kind;
  for (const char* key : {"class", "int[]", "String", "String[]", kMembersKey}) {
    if (!entry.contains(key)) continue;
    if (!kind.empty())
      throw ScreenError("both \"" + kind + "\" and \"" + key + "\"", &entry[key], true);
    kind = key;
  }
  if (kind.empty())
    throw ScreenError(
        "needs one of \"class\", \"int[]\", \"String\", \"String[]\", \"CuxGraphics[]\"", &entry);
  return kind;
}

jref create(vm::Vm& vm, const Json& entry, const std::string& kind, const Bindings& names,
            Diagnostics* report) {
  const Json& value = entry[kind];
  if (kind == "class") {
    allowOnly(entry, {"id", "class", "fields"}, report);
    if (!value.is_string()) throw ScreenError("\"class\" must be a string", &value);
    return at("\"class\"", &value,
              [&] { return vm.newObject(knownClass(vm, value.get<std::string>())); });
  }
  allowOnly(entry, {"id", kind}, report);
  if (kind == "String") {
    if (!value.is_string()) throw ScreenError("\"String\" must be a string", &value);
    return vm.newStringUtf8(value.get<std::string>());
  }
  if (!value.is_array()) throw ScreenError("\"" + kind + "\" must be an array", &value);
  if (kind == kMembersKey) return vm.newRefArray(std::vector<jref>(value.size(), 0), kMembersType);
  const std::string type = kind == "int[]" ? "[I" : "[Ljava/lang/String;";
  return at("\"" + kind + "\"", &value,
            [&] { return toArg(vm, value, vm::Kind::Ref, type, names).bits; });
}

// The language codes of the system language slots, in slot order.
std::vector<std::string> systemLanguageCodes(const Json& list) {
  constexpr size_t kMaxCodeUnits = 15;
  if (!list.is_array() || list.size() > core::kSystemLanguageSlots)
    throw ScreenError("must be an array of at most " + std::to_string(core::kSystemLanguageSlots) +
                          " language codes",
                      &list);
  std::vector<std::string> codes;
  for (size_t slot = 0; slot < list.size(); ++slot) {
    const Json& code = list[slot];
    if (!code.is_string() || core::utf16FromUtf8(code.get<std::string>()).size() > kMaxCodeUnits)
      throw ScreenError("slot " + std::to_string(slot) + ": must be a string of at most " +
                            std::to_string(kMaxCodeUnits) + " UTF-16 units, got " + shown(code),
                        &code);
    codes.push_back(code.get<std::string>());
  }
  return codes;
}

// The text of a screen file; throws ScreenError naming the file.
std::string fileText(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    throw ScreenError(path + ": is a directory, not a screen file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScreenError(path + ": cannot open the screen file: " + std::strerror(errno));
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The document in the file at `path`, with the position of each key and value.
SourceMap parseFile(const std::string& path, Json& document) {
  const std::string text = fileText(path);
  try {
    return parseWithPositions(text, document);
  } catch (const ScreenError& e) {
    throw ScreenError(path + ":" + e.what());
  }
}

}  // namespace

Screen readScreen(const std::string& path) {
  Json document;
  parseFile(path, document);
  return at(path, [&] { return parseScreen(document); });
}

std::unique_ptr<LoadedScreen> loadScreen(const std::string& path) {
  Json document;
  SourceMap source = parseFile(path, document);
  // On the heap, so that the sections the diagnostics point into stay where they are.
  auto loaded =
      std::make_unique<LoadedScreen>(LoadedScreen{Screen{}, Diagnostics(path, std::move(source))});
  loaded->diagnostics.addRoot(document, "");
  try {
    loaded->screen = parseScreen(document, &loaded->diagnostics);
  } catch (const TooManyErrors&) {
    // the caller sees that the diagnostics are full
  }
  loaded->diagnostics.clearRoots();
  loaded->diagnostics.addRoot(loaded->screen.statics, "/statics");
  loaded->diagnostics.addRoot(loaded->screen.objects, "/objects");
  loaded->diagnostics.addRoot(loaded->screen.calls, "/calls");
  return loaded;
}

Screen parseScreen(const Json& document, Diagnostics* report) {
  if (!document.is_object()) throw ScreenError("the screen must be a JSON object", &document);
  // "$schema" names the schema an editor checks the file against (zelmo-panel --schema).
  allowOnly(document,
            {"$schema", "width", "height", "background", "layers", "statics", "objects", "calls",
             "systemLanguages", "timeZoneOffset"},
            report);
  Screen screen;
  // With errors kept for later, a bad size still leaves a small screen to check the rest on.
  collecting(report, [&] { screen.width = intInRange(document, "width", 1, kMaxSide, 0, true); });
  collecting(report, [&] { screen.height = intInRange(document, "height", 1, kMaxSide, 0, true); });
  collecting(report,
             [&] { screen.layers = intInRange(document, "layers", 1, kMaxLayers, 1, false); });
  collecting(report, [&] {
    screen.timeZoneOffset =
        intInRange(document, "timeZoneOffset", kMinTimeZoneOffset, kMaxTimeZoneOffset, 0, false);
  });
  if (screen.width == 0) screen.width = 1;
  if (screen.height == 0) screen.height = 1;
  if (int64_t{screen.width} * screen.height * screen.layers > kMaxPixels) {
    collecting(report, [&] {
      throw ScreenError(
          "width x height x layers is above " + std::to_string(kMaxPixels) + " pixels", &document);
    });
    screen.width = screen.height = screen.layers = 1;
  }
  if (const auto background = document.find("background"); background != document.end()) {
    collecting(report, [&] {
      if (!background->is_string())
        throw ScreenError("\"background\" must be \"#RRGGBB\"", &*background);
      const int32_t colour = at("background", &*background,
                                [&] { return colourValue(background->get<std::string>()); });
      if (colour < 0) throw ScreenError("background: must be a colour, not \"none\"", &*background);
      screen.background = static_cast<uint32_t>(colour);
    });
  }
  collecting(report, [&] { screen.statics = section(document, "statics", Json::object()); });
  collecting(report, [&] { screen.objects = section(document, "objects", Json::array()); });
  collecting(report, [&] { screen.calls = section(document, "calls", Json::array()); });
  if (const auto languages = document.find("systemLanguages"); languages != document.end())
    collecting(report, [&] {
      screen.systemLanguages =
          at("systemLanguages", &*languages, [&] { return systemLanguageCodes(*languages); });
    });
  return screen;
}

void buildObjects(vm::Vm& vm, const Json& objects, Bindings& names, Diagnostics* report) {
  // Entries that made no object are left out of the later passes.
  std::vector<jref> made(objects.size(), 0);
  std::vector<bool> built(objects.size(), false);
  std::vector<std::string> places(objects.size());
  for (size_t i = 0; i < objects.size(); ++i) {
    collecting(report, [&] {
      const Json& entry = objects[i];
      const std::string place = "objects[" + std::to_string(i) + "]";
      if (!entry.is_object()) throw ScreenError(place + ": must be a JSON object", &entry);
      const auto id = entry.find("id");
      if (id == entry.end() || !id->is_string() || id->get<std::string>().empty())
        throw ScreenError(place + ": missing key \"id\" (a non-empty string)",
                          id == entry.end() ? &entry : &*id);
      const std::string name = id->get<std::string>();
      places[i] = place + " \"" + name + "\"";
      at(places[i], &entry, [&] {
        if (names.has(name)) throw ScreenError("id used twice", &*id);
        made[i] = create(vm, entry, kindKey(entry), names, report);
        names.bind(name, made[i]);
        built[i] = true;
      });
    });
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    if (!built[i]) continue;
    const auto members = objects[i].find(kMembersKey);
    if (members == objects[i].end()) continue;
    for (size_t e = 0; e < members->size(); ++e)
      collecting(report,
                 [&] { at(places[i], [&] { fillMembers(vm, made[i], *members, e, names); }); });
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    if (!built[i]) continue;
    const auto fields = objects[i].find("fields");
    if (fields == objects[i].end()) continue;
    if (!fields->is_object()) {
      collecting(report, [&] {
        throw ScreenError(places[i] + ": \"fields\" must be a JSON object", &*fields);
      });
      continue;
    }
    // Named locals, not structured bindings: clang 14 cannot capture those in a lambda.
    for (const auto& item : fields->items()) {
      const std::string& field = item.key();
      const Json& value = item.value();
      collecting(report, [&] {
        at(places[i] + ": field \"" + field + "\"", &value, [&] {
          vm::FieldInfo info;
          try {
            info = vm.fieldOf(made[i], field);
          } catch (const std::invalid_argument& e) {
            std::vector<std::string> known;
            for (const vm::FieldInfo& f : vm.classOf(made[i]).fields()) known.push_back(f.name);
            throw ScreenError(e.what() + didYouMean(field, known), &value, true);
          }
          writeField(vm, made[i], info, value, names);
        });
      });
    }
  }
}

void applyStatics(vm::Vm& vm, const Json& statics, const Bindings& names, Diagnostics* report) {
  for (const auto& classItem : statics.items()) {
    const std::string& className = classItem.key();
    const Json& values = classItem.value();
    const std::string place = "statics \"" + className + "\"";
    const vm::ClassDef* cls = nullptr;
    collecting(report, [&] {
      at(place, [&] {
        try {
          cls = &knownClass(vm, className);
        } catch (const ScreenError& e) {
          throw ScreenError(e.what(), &values, true);
        }
        if (!values.is_object())
          throw ScreenError("must be a JSON object of field: value", &values);
      });
    });
    if (!cls || !values.is_object()) continue;
    for (const auto& item : values.items()) {
      const std::string& field = item.key();
      const Json& value = item.value();
      collecting(report, [&] {
        at(place + ": static \"" + field + "\"", &value, [&] {
          const auto info = cls->staticField(field);
          if (!info) {
            std::vector<std::string> known;
            for (const vm::FieldInfo& f : cls->statics()) known.push_back(f.name);
            throw ScreenError(
                className + " has no static field " + field + didYouMean(field, known), &value,
                true);
          }
          writeStatic(vm, *cls, *info, value, names);
        });
      });
    }
  }
}

}  // namespace panel
