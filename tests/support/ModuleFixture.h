// A VM stand-in with the managed library defined, ZelmoGraphics.dlm loaded and every class
// registered, and a recording drawing service installed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <span>
#include <sstream>
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

  // Sets the named int or byte fields ("x1 y1 lineStyle") of `object` to the values in turn.
  void setFields(jref object, const char* names, std::initializer_list<int32_t> values) {
    std::istringstream words(names);
    auto value = values.begin();
    for (std::string name; words >> name; ++value) {
      if (value == values.end()) return ADD_FAILURE() << "more names than values: " << names;
      const char type = vm.fieldOf(object, name).type.at(0);
      if (type == 'B' || type == 'Z') {
        vm.setByte(object, name, static_cast<int8_t>(*value));
      } else {
        vm.setInt(object, name, *value);
      }
    }
    EXPECT_EQ(value, values.end()) << "more values than names: " << names;
  }

  // The named int or byte fields of `object`, in turn.
  std::vector<int32_t> ints(jref object, const char* names) {
    std::vector<int32_t> out;
    std::istringstream words(names);
    for (std::string name; words >> name;) {
      const char type = vm.fieldOf(object, name).type.at(0);
      out.push_back(type == 'B' || type == 'Z' ? vm.getByte(object, name)
                                               : vm.getInt(object, name));
    }
    return out;
  }

  // A canvas with a recognisable pen on `layer`.
  jref newCanvas(int32_t layer = 0) {
    const jref canvas = vm.newObject(kCanvas);
    setFields(canvas, "color backColor textThirdColor fillPattern lineWidth lineStyle layer",
              {0x112233, 0x445566, 0x778899, 1, 2, 3, layer});
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
  // What one canvas native drew.
  std::vector<std::string> canvasDraw(const char* signature, const std::vector<vm::Arg>& args,
                                      std::optional<jref> self) {
    recorder.clear();
    const vm::NativeMethod* method = vm.findNative(kCanvas, signature);
    EXPECT_NE(method, nullptr) << signature;
    if (method) vm.invoke(*method, self, std::span<const vm::Arg>(args));
    return drawn();
  }

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
