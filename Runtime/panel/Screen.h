// A screen file: its canvas size and layers, then the statics, objects and calls that the
// loader and the runner put into the VM (format in docs/screen-format.md).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "panel/Diagnostics.h"
#include "panel/Values.h"

namespace panel {

struct Screen {
  int width = 0;
  int height = 0;
  uint32_t background = 0xFFFFFF;
  int layers = 1;
  Json statics = Json::object();
  Json objects = Json::array();
  Json calls = Json::array();
  std::vector<std::string> systemLanguages;  // codes of slots 0..8, "" for a slot not in use
  int timeZoneOffset = 0;                    // minutes local time is ahead of GMT
};

inline constexpr int kMaxSide = 8192;
inline constexpr int kMaxLayers = 16;
// From GMT-12 to GMT+14, the zones in use.
inline constexpr int kMinTimeZoneOffset = -720;
inline constexpr int kMaxTimeZoneOffset = 840;
// Every layer is a full ARGB surface: at most 256 MiB of them in all.
inline constexpr int64_t kMaxPixels = int64_t{1} << 26;

// Throws ScreenError naming the file, or the key that is missing or wrong.
Screen readScreen(const std::string& path);

// A screen with the diagnostics of its file, which hold its errors so far and can place later
// ones in the screen's statics, objects and calls.
struct LoadedScreen {
  Screen screen;
  Diagnostics diagnostics;
};
// Throws ScreenError only when the file cannot be read or is not JSON.
std::unique_ptr<LoadedScreen> loadScreen(const std::string& path);

// Each of these throws the first ScreenError or, given `report`, keeps every one there and goes
// on with the rest of the screen.
Screen parseScreen(const Json& document, Diagnostics* report = nullptr);
// Creates every object first, then writes the fields, so fields may name any object.
void buildObjects(vm::Vm& vm, const Json& objects, Bindings& names, Diagnostics* report = nullptr);
void applyStatics(vm::Vm& vm, const Json& statics, const Bindings& names,
                  Diagnostics* report = nullptr);

}  // namespace panel
