// The managed classes of uxclasses/graphics and uxclasses/baseclasses as the VM stand-in knows
// them: every field in declaration order, placeholders for fields the module does not read.
#pragma once

namespace vm {

class Vm;

// Defines every managed class the module's natives touch.
void defineManagedLibrary(Vm& vm);

}  // namespace vm
