#include "bridge/ObjectHandle.h"

#include "bridge/ManagedFrame.h"
#include "platform/VmInterface.h"

namespace zelmo {
namespace {

// Pushes one slot holding `object`; returns its local number n, or -1 when the frame already
// holds as many slots as the local range can name.
int32_t pushLocal(jref object) {
  jslot*& top = *get_psp();
  const std::ptrdiff_t n = *get_pfp() - top;
  if (n < 0 ||
      n >= static_cast<std::ptrdiff_t>(ObjectHandle::kDirectBase - ObjectHandle::kLocalBase))
    return -1;
  --top;
  *top = object;
  return static_cast<int32_t>(n);
}

}  // namespace

ObjectHandle ObjectHandle::newLocal(jref object) {
  const int32_t n = pushLocal(object);
  if (n < 0) return ObjectHandle(0);  // no room to name another local: a null handle
  return ObjectHandle(kLocalBase + static_cast<uint32_t>(n), true);
}

ObjectHandle::~ObjectHandle() {
  if (pushed_) ++*get_psp();
}

jslot* ObjectHandle::slotOf() const {
  const uint32_t k = value_ < kLocalBase ? value_ - kArgumentBase : value_ - kLocalBase;
  return *get_pfp() - k - 1;
}

Storage ObjectHandle::fields() const {
  if (value_ < kArgumentBase) return reinterpret_cast<Storage>(uintptr_t{value_});
  if (value_ < kDirectBase) return fieldsOf(*slotOf());
  return fieldsOf(value_);
}

jref ObjectHandle::reference() const { return referenceOf(fields()); }

void ObjectHandle::assign(const ObjectHandle& other) {
  const jref object = other.reference();
  if (value_ >= kArgumentBase && value_ < kLocalBase) {
    const int32_t n = pushLocal(0);
    if (n < 0) {
      value_ = object;  // no room for a local: hold the object directly
      return;
    }
    value_ = kLocalBase + static_cast<uint32_t>(n);
    pushed_ = true;
  }
  if (isLocal())
    *slotOf() = object;
  else
    value_ = object;
}

}  // namespace zelmo
