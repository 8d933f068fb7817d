// A wide text built inside a caller's fixed buffer. It never writes past the buffer: it holds
// at most size - 1 characters and stays zero-terminated, and whatever would not fit is dropped.
// Counts are 64-bit so that sums of managed counts cannot overflow before they are bounded.
#pragma once

#include <cstdint>
#include <span>

#include "platform/PlatformTypes.h"

namespace zelmo::format {

class TextBuilder {
 public:
  explicit TextBuilder(std::span<UniChar> buffer)
      : buffer_(buffer.data()), capacity_(buffer.empty() ? 0 : int32_t(buffer.size()) - 1) {
    if (!buffer.empty()) buffer_[0] = 0;
  }

  int32_t length() const { return length_; }
  int32_t room() const { return capacity_ - length_; }
  const UniChar* chars() const { return buffer_; }
  UniChar operator[](int32_t i) const { return buffer_[i]; }
  UniChar& at(int32_t i) { return buffer_[i]; }
  bool startsWith(UniChar c) const { return length_ > 0 && buffer_[0] == c; }

  void clear() { setLength(0); }
  void push(UniChar c) {
    if (length_ < capacity_) buffer_[length_++] = c;
    terminate();
  }
  void append(const UniChar* chars, int64_t count) {
    for (int64_t i = 0; i < count && length_ < capacity_; ++i) buffer_[length_++] = chars[i];
    terminate();
  }
  // Appends a zero-terminated text; null appends nothing.
  void appendTerminated(const UniChar* text) {
    for (; text && *text != 0 && length_ < capacity_; ++text) buffer_[length_++] = *text;
    terminate();
  }
  // Appends c until the text holds `target` characters (or the buffer is full).
  void fillTo(UniChar c, int64_t target) {
    while (length_ < target && length_ < capacity_) buffer_[length_++] = c;
    terminate();
  }
  // Inserts `count` copies of c at `position`, as many as fit while keeping the characters
  // after it (so zero padding never pushes the digits out of the buffer).
  void insert(int32_t position, UniChar c, int64_t count) {
    if (count > room()) count = room();
    if (count <= 0 || position < 0 || position > length_) return;
    const int32_t n = static_cast<int32_t>(count);
    for (int32_t i = length_ - 1; i >= position; --i) buffer_[i + n] = buffer_[i];
    for (int32_t i = 0; i < n; ++i) buffer_[position + i] = c;
    setLength(length_ + n);
  }
  void eraseFront(int32_t count) {
    if (count <= 0) return;
    if (count > length_) count = length_;
    for (int32_t i = count; i < length_; ++i) buffer_[i - count] = buffer_[i];
    setLength(length_ - count);
  }
  // Keeps only the last `count` characters; a count below 0 keeps none.
  void keepLast(int64_t count) {
    if (count < length_) eraseFront(length_ - static_cast<int32_t>(count < 0 ? 0 : count));
  }
  void assign(const UniChar* chars, int64_t count) {
    clear();
    append(chars, count);
  }

 private:
  void setLength(int32_t n) {
    length_ = n;
    terminate();
  }
  void terminate() {
    if (capacity_ >= 0 && buffer_) buffer_[length_] = 0;
  }

  UniChar* buffer_;
  int32_t capacity_;
  int32_t length_ = 0;
};

}  // namespace zelmo::format
