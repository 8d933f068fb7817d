#include "core/SystemLanguages.h"

#include "core/WideCopy.h"
#include "platform/CoreServices.h"

namespace core {
namespace {

std::vector<std::u16string>& codes() {
  static std::vector<std::u16string> list;
  return list;
}

}  // namespace

void setSystemLanguageCodes(const std::vector<std::u16string>& list) {
  codes().assign(list.begin(), list.size() > kSystemLanguageSlots
                                   ? list.begin() + kSystemLanguageSlots
                                   : list.end());
}

}  // namespace core

// The buffer holds 16 units: a code of up to 15, terminated; "" for a slot not in use.
extern "C" void osBLgetSystemLanguageCode(UniChar* buffer, int32_t slot) {
  constexpr int32_t kCapacity = 16;
  const auto& list = core::codes();
  const bool inUse = slot >= 0 && static_cast<size_t>(slot) < list.size();
  core::copyWhole(inUse ? std::u16string_view(list[static_cast<size_t>(slot)]) : u"", buffer,
                  kCapacity);
}
