// The one VM stand-in of a benchmark run, with ZelmoGraphics.dlm loaded and every class
// registered. The VM allows one instance per process, so every benchmark file shares this one.
#pragma once

#include "vm/ManagedLibrary.h"
#include "vm/ModuleLoader.h"
#include "vm/Vm.h"

namespace bench {

struct LoadedModule {
  vm::Vm vm;
  vm::Module module{ZELMO_MODULE_PATH};
  LoadedModule() {
    vm::defineManagedLibrary(vm);
    module.initAllClasses();
  }
};

inline LoadedModule& loaded() {
  static LoadedModule instance;
  return instance;
}

}  // namespace bench
