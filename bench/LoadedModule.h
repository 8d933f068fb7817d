// The one VM stand-in that every benchmark shares (only one VM may run at a time), with the
// managed library defined and ZelmoGraphics.dlm loaded and registered. The null drawing backend
// is in place unless a benchmark installs another.
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
