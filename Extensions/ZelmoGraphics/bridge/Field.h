// Typed access to one field of a managed record at a fixed offset in its field storage. Each
// record lists its fields once (records/); natives read them afresh at every call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zelmo {

using Storage = std::byte*;

template <typename T>
struct Field {
  uint32_t offset;

  T read(const std::byte* storage) const {
    T value;
    std::memcpy(&value, storage + offset, sizeof(T));
    return value;
  }
  void write(std::byte* storage, T value) const {
    std::memcpy(storage + offset, &value, sizeof(T));
  }
};

using IntField = Field<int32_t>;
using UIntField = Field<uint32_t>;
using ByteField = Field<int8_t>;    // signed 8-bit fields (B)
using UByteField = Field<uint8_t>;  // codes and booleans (Z)
using CharField = Field<char16_t>;
using RefField = Field<uint32_t>;  // a managed reference

}  // namespace zelmo
