// An encoded reference to an object that a native keeps, creates or returns:
//   0..255    the value itself, taken as field storage (in practice 0, null)
//   256..511  reference argument k = value - 256 of the current frame
//   512..767  local n = value - 512: the slot n + 1 words below pfp, pushed by this native
//   768..     a direct object reference
// A local handle pops its slot when it goes out of scope; C++ scoping releases handles in the
// reverse order of their creation, so pushes and pops pair up.
#pragma once

#include "bridge/Field.h"
#include "platform/PlatformTypes.h"

namespace zelmo {

class ObjectHandle {
 public:
  static constexpr uint32_t kArgumentBase = 256;
  static constexpr uint32_t kLocalBase = 512;
  static constexpr uint32_t kDirectBase = 768;

  static ObjectHandle argument(uint32_t k) { return ObjectHandle(kArgumentBase + (k & 0xFF)); }
  // Pushes a slot holding `object` (0 by default) on the reference stack.
  static ObjectHandle newLocal(jref object = 0);
  // The variant that does not push: the object itself as a direct handle.
  static ObjectHandle direct(jref object) { return ObjectHandle(object); }

  ObjectHandle(const ObjectHandle&) = delete;
  ObjectHandle& operator=(const ObjectHandle&) = delete;
  ~ObjectHandle();

  uint32_t value() const { return value_; }
  bool isLocal() const { return value_ >= kLocalBase && value_ < kDirectBase; }
  // The object's current field storage, or null.
  Storage fields() const;
  // The object's reference, or 0.
  jref reference() const;
  // Makes this handle stand for other's object. An argument handle first becomes a new local,
  // so a native never writes into its caller's argument slot.
  void assign(const ObjectHandle& other);

 private:
  explicit ObjectHandle(uint32_t value, bool pushed = false) : value_(value), pushed_(pushed) {}
  jslot* slotOf() const;

  uint32_t value_;
  bool pushed_;
};

}  // namespace zelmo
