// Checks a module record against the VM's class: each field is set by name in the VM and must
// read back at the offset the module uses for it.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "vm/Vm.h"

namespace zelmo::test {

struct FieldAt {
  std::string name;
  uint32_t offset;
};

inline void expectLayoutAgrees(vm::Vm& vm, const char* className,
                               const std::vector<FieldAt>& fields) {
  const jref object = vm.newObject(className);
  int32_t value = 0x10;
  for (const auto& f : fields) {
    const vm::FieldInfo info = vm.fieldOf(object, f.name);
    const char type = info.type.empty() ? '?' : info.type[0];
    ++value;
    uint32_t expected = static_cast<uint32_t>(value), read = 0;
    if (type == 'B' || type == 'Z') {
      vm.setByte(object, f.name, static_cast<int8_t>(value));
      read = static_cast<uint8_t>(vm.storage(object)[f.offset]);
    } else {
      if (type == 'I')
        vm.setInt(object, f.name, value);
      else
        vm.setRef(object, f.name, expected = vm.newStringUtf8(f.name));
      std::memcpy(&read, vm.storage(object) + f.offset, 4);
    }
    EXPECT_EQ(read, expected) << className << "." << f.name;
  }
}

}  // namespace zelmo::test
