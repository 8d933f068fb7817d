#include "vm/ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <stdexcept>

namespace vm {

const std::vector<std::string>& classInitExports() {
  static const std::vector<std::string> names = {
      "uxclasses_graphics_CuxArc_init",         "uxclasses_graphics_CuxBezier_init",
      "uxclasses_graphics_CuxCanvas_init",      "uxclasses_graphics_CuxComplexObj_init",
      "uxclasses_graphics_CuxEllipse_init",     "uxclasses_graphics_CuxFont_init",
      "uxclasses_graphics_CuxGraphicFile_init", "uxclasses_graphics_CuxListBox_init",
      "uxclasses_graphics_CuxPie_init",         "uxclasses_graphics_CuxPolyLine_init",
      "uxclasses_graphics_CuxPolygon_init",     "uxclasses_graphics_CuxRectangle_init",
      "uxclasses_graphics_CuxScale_init",       "uxclasses_graphics_CuxScreenCapture_init",
      "uxclasses_graphics_CuxText_init",        "uxclasses_baseclasses_CuxLanguageMgr_init"};
  return names;
}

Module::Module(const std::string& path) : path_(path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* why = dlerror();
    throw std::runtime_error("cannot load module " + path + ": " + (why ? why : "unknown error"));
  }
}

Module::~Module() {
  // Like the panel runtime, never unload: natives stay registered with the VM.
}

void* Module::symbol(const std::string& name) const { return dlsym(handle_, name.c_str()); }

int32_t Module::callInit(const std::string& exportName) {
  using Init = int32_t (*)();
  auto init = reinterpret_cast<Init>(symbol(exportName));
  if (!init) throw std::runtime_error(path_ + " has no export " + exportName);
  return init();
}

void Module::initAllClasses() {
  for (const std::string& name : classInitExports()) callInit(name);
}

const char* Module::version() {
  using Version = const char* (*)();
  auto get = reinterpret_cast<Version>(symbol("GetDLMAppVersion"));
  return get ? get() : nullptr;
}

std::string defaultModulePath() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "ZelmoGraphics.dlm";
  std::string path(self, static_cast<size_t>(n));
  return path.substr(0, path.find_last_of('/') + 1) + "ZelmoGraphics.dlm";
}

}  // namespace vm
