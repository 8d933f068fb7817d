// Strings, int arrays, classes and new objects, over the virtual machine's native interface.
#pragma once

#include <span>

#include "bridge/Field.h"
#include "platform/PlatformTypes.h"

namespace zelmo {

// A String's UTF-16 units read in place (not terminated) and their count. A null string reads
// as the empty text, so natives can pass it on without a test of their own.
struct StringText {
  const UniChar* chars;
  int32_t count;
};

const UniChar* stringChars(Storage string);
int32_t stringLength(Storage string);
StringText stringText(Storage string);
// Copies the text NUL-terminated into buffer, cut to fit; a null string copies as "".
void copyString(Storage string, std::span<UniChar> buffer);
jref newString(const UniChar* chars, int32_t count);

// An int array's elements in place. A null array has no elements; a length word that reads
// negative counts as empty.
struct IntArray {
  int32_t* elements;
  int32_t length;
};
IntArray intArray(Storage array);

// A reference array read element by element, each read bounded by the length it had when taken.
// A null array has no elements; a length word that reads negative counts as empty.
struct RefArray {
  Storage array;
  int32_t length;
  // Element i; the null reference outside 0..length-1.
  jref at(int32_t i) const;
};
RefArray refArray(Storage array);

VmClass* classByName(const char* slashName);
Storage classStatics(const char* slashName);
jref newInstance(const char* slashName);

}  // namespace zelmo
