// The live images of a drawing service, behind handles that cannot go stale: a handle is
// generation x 65536 + slot. Slots run 1..1024 and a new image takes the lowest free one; the
// n-th image a slot holds has generation n (after 65535 comes 1 again). A handle that is free,
// out of range or of another generation finds nothing, so an image unloaded twice, a handle
// reused after its slot was refilled, 0, -1 and forged values are all refused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "gx/ImageDecode.h"
#include "platform/PlatformTypes.h"

namespace gx {

template <typename Image>
class ImageTable {
 public:
  static constexpr uint32_t kSlots = kMaxLiveImages;

  // Whether an image of `bytes` pixel memory fits under the caps (count and total size).
  bool hasRoomFor(size_t bytes) const {
    return live_ < kSlots && bytes <= kMaxLiveImageBytes - usedBytes_;
  }
  size_t roomBytes() const { return live_ < kSlots ? kMaxLiveImageBytes - usedBytes_ : 0; }

  // Stores an image in the lowest free slot; 0 when there is no room for it.
  stImageHandle add(Image image, size_t bytes) {
    if (!hasRoomFor(bytes)) return 0;
    for (uint32_t i = 0; i < kSlots; ++i) {
      Slot& s = slots_[i];
      if (s.image) continue;
      s.generation = s.generation == 0xFFFF ? 1 : static_cast<uint16_t>(s.generation + 1);
      s.image.emplace(std::move(image));
      s.bytes = bytes;
      usedBytes_ += bytes;
      ++live_;
      return uint32_t{s.generation} << 16 | (i + 1);
    }
    return 0;
  }

  // The live image of a handle, or null.
  Image* find(stImageHandle handle) {
    Slot* s = slotOf(handle);
    return s ? &*s->image : nullptr;
  }

  // Frees a live image; false for any other handle, which changes nothing.
  bool remove(stImageHandle handle) {
    Slot* s = slotOf(handle);
    if (!s) return false;
    s->image.reset();
    usedBytes_ -= s->bytes;
    s->bytes = 0;
    --live_;
    return true;
  }

  uint32_t live() const { return live_; }
  size_t usedBytes() const { return usedBytes_; }

 private:
  struct Slot {
    uint16_t generation = 0;
    size_t bytes = 0;
    std::optional<Image> image;
  };

  Slot* slotOf(stImageHandle handle) {
    const uint32_t slot = handle & 0xFFFF;
    const uint32_t generation = handle >> 16;
    if (slot < 1 || slot > kSlots) return nullptr;
    Slot& s = slots_[slot - 1];
    return s.image && s.generation == generation ? &s : nullptr;
  }

  std::array<Slot, kSlots> slots_{};
  size_t usedBytes_ = 0;
  uint32_t live_ = 0;
};

}  // namespace gx
