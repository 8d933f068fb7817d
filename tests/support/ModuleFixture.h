// A VM stand-in with the managed library defined, ZelmoGraphics.dlm loaded and every class
// registered, and a recording drawing service installed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "gx/Recorder.h"
#include "vm/ManagedLibrary.h"
#include "vm/ModuleLoader.h"
#include "vm/Vm.h"

namespace zelmo::test {

inline constexpr const char* kCanvas = "uxclasses/graphics/CuxCanvas";

class ModuleTest : public ::testing::Test {
 protected:
  ModuleTest() {
    vm::defineManagedLibrary(vm);
    module.initAllClasses();
    gx::installService(&recorder);
  }
  ~ModuleTest() override { gx::installService(nullptr); }

  // A canvas with a recognisable pen on `layer`.
  jref newCanvas(int32_t layer = 0) {
    const jref canvas = vm.newObject(kCanvas);
    vm.setInt(canvas, "color", 0x112233);
    vm.setInt(canvas, "backColor", 0x445566);
    vm.setInt(canvas, "textThirdColor", 0x778899);
    vm.setInt(canvas, "fillPattern", 1);
    vm.setInt(canvas, "lineWidth", 2);
    vm.setInt(canvas, "lineStyle", 3);
    vm.setInt(canvas, "layer", layer);
    return canvas;
  }

  vm::Result call(const char* className, const char* signature, std::optional<jref> self,
                  std::initializer_list<vm::Arg> args = {}) {
    return vm.invoke(className, signature, self, args);
  }
  vm::Result canvasCall(jref canvas, const char* signature,
                        std::initializer_list<vm::Arg> args = {}) {
    return vm.invoke(kCanvas, signature, canvas, args);
  }

  std::vector<std::string> drawn() const { return recorder.lines(); }

  vm::Vm vm;
  vm::Module module{ZELMO_MODULE_PATH};
  gx::Recorder recorder;
};

inline vm::Arg I(int32_t v) { return vm::Arg::i(v); }
inline vm::Arg F(float v) { return vm::Arg::f(v); }
inline vm::Arg Z(bool v) { return vm::Arg::z(v); }
inline vm::Arg B(int8_t v) { return vm::Arg::b(v); }
inline vm::Arg R(jref v) { return vm::Arg::ref(v); }

}  // namespace zelmo::test
