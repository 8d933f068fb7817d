// The virtual machine's native interface and the method-slot library, as the module imports them.
#pragma once

#include "PlatformTypes.h"

extern "C" {

// Binds a native to (class in slash form, descriptor signature); returns the VM's status.
int32_t registerNativeMethod(const char* className, const char* signature, NativeFunction function);

// Each returns the address of the thread's pointer variable, so the module can read and move it.
jslot** get_pfp(void);
jslot** get_psp(void);
jslot** get_npfp(void);
jslot** get_npsp(void);

jref tendPtr(void* fieldStorage);
const UniChar* peekJstring(void* stringBody);
int32_t numUniChars(void* stringBody);
// Copies at most capacityBytes bytes, terminator included, into destination.
void j2wcString(void* stringBody, UniChar* destination, int32_t capacityBytes);
jref uni2Jstring(const UniChar* chars, int32_t count);
jref c2jString(const char* text);
VmClass* findClass(jref slashName);
void* staticDataFromClass(VmClass* cls);
jref newObject(VmClass* cls);

// Run the method on the receiver and arguments pushed on the two stacks; a reference result is
// left pushed on the reference stack.
void fastInvoke(MethodPtr method);
void fastInvokeVirtual(MethodPtr method);

// Method-slot library.
bool RegisterMethod(int16_t* slot, const char* className, const char* signature);
MethodPtr GetMethodPtr(int16_t slot);

}  // extern "C"
