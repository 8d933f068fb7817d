#include "bridge/ManagedData.h"

#include "platform/VmInterface.h"

namespace zelmo {
namespace {
constexpr UniChar kEmpty[1] = {0};
}

const UniChar* stringChars(Storage string) { return string ? peekJstring(string) : kEmpty; }

int32_t stringLength(Storage string) {
  if (!string) return 0;
  const int32_t count = numUniChars(string);
  return count > 0 ? count : 0;
}

StringText stringText(Storage string) { return {stringChars(string), stringLength(string)}; }

void copyString(Storage string, std::span<UniChar> buffer) {
  if (buffer.empty()) return;
  buffer[0] = 0;
  if (!string) return;
  j2wcString(string, buffer.data(), static_cast<int32_t>(buffer.size_bytes()));
  buffer.back() = 0;  // whatever the VM did, the copy ends inside the buffer
}

jref newString(const UniChar* chars, int32_t count) {
  return uni2Jstring(chars ? chars : kEmpty, count > 0 ? count : 0);
}

namespace {
// The length word before an array's elements; 0 for a null array or a negative word.
int32_t lengthOf(Storage array) {
  if (!array) return 0;
  int32_t length;
  std::memcpy(&length, array, 4);
  return length > 0 ? length : 0;
}
}  // namespace

IntArray intArray(Storage array) {
  if (!array) return {nullptr, 0};
  return {reinterpret_cast<int32_t*>(array + 4), lengthOf(array)};
}

RefArray refArray(Storage array) { return {array, lengthOf(array)}; }

jref RefArray::at(int32_t i) const {
  if (i < 0 || i >= length) return 0;
  jref element;
  std::memcpy(&element, array + 4 + 4 * i, 4);
  return element;
}

VmClass* classByName(const char* slashName) { return findClass(c2jString(slashName)); }

Storage classStatics(const char* slashName) {
  VmClass* cls = classByName(slashName);
  return cls ? static_cast<Storage>(staticDataFromClass(cls)) : nullptr;
}

jref newInstance(const char* slashName) {
  VmClass* cls = classByName(slashName);
  return cls ? newObject(cls) : 0;
}

}  // namespace zelmo
