// Loading ZelmoGraphics.dlm as the runtime does: exports, registration order, version marker.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/ModuleFixture.h"
#include "support/RegistrationTable.h"

namespace zelmo::test {
namespace {

using Registration = std::pair<std::string, std::string>;

std::vector<Registration> registered(const vm::Vm& vm) {
  std::vector<Registration> out;
  for (const auto& n : vm.natives()) out.emplace_back(n.className, n.signature);
  return out;
}

// True when `part` appears in `whole` in the same order (natives not built yet are absent).
bool isOrderedSubsequence(const std::vector<Registration>& part,
                          const std::vector<Registration>& whole) {
  auto it = whole.begin();
  for (const auto& r : part) {
    it = std::find(it, whole.end(), r);
    if (it == whole.end()) return false;
    ++it;
  }
  return true;
}

TEST_F(ModuleTest, EveryClassRegistersInItsManagedOrder) {
  const auto natives = registered(vm);
  ASSERT_FALSE(natives.empty());
  // The fixture calls the init exports in the order of classInitExports(); group the expected
  // table the same way.
  std::vector<Registration> expected;
  for (const std::string& init : vm::classInitExports())
    for (const auto& r : expectedRegistrations())
      if (initExportOf(r.first) == init) expected.push_back(r);
  EXPECT_TRUE(isOrderedSubsequence(natives, expected));  // so no native is registered twice
  EXPECT_EQ(expectedRegistrations().size(), 136u);
  for (const auto& n : vm.natives()) EXPECT_NE(n.function, nullptr) << n.signature;
}

TEST_F(ModuleTest, CallingAnInitTwiceRegistersTwiceInTheSameOrder) {
  const size_t before = vm.natives().size();
  const int32_t first = module.callInit("uxclasses_graphics_CuxCanvas_init");
  const size_t once = vm.natives().size();
  const int32_t second = module.callInit("uxclasses_graphics_CuxCanvas_init");
  ASSERT_GT(once, before);
  ASSERT_EQ(vm.natives().size() - once, once - before);
  for (size_t i = 0; i < once - before; ++i)
    EXPECT_EQ(vm.natives()[before + i].signature, vm.natives()[once + i].signature);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first, 1);  // the result of the last registerNativeMethod call
}

TEST_F(ModuleTest, VersionIsOneStablePointerAndTheFileCarriesItsMarker) {
  const char* version = module.version();
  ASSERT_NE(version, nullptr);
  EXPECT_STREQ(version, "6.2.9.34");
  EXPECT_EQ(module.version(), version);
  std::ifstream file(ZELMO_MODULE_PATH, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(bytes.find(std::string("##DLM_AppVersion##6.2.9.34") + '\0'), std::string::npos);
}

}  // namespace
}  // namespace zelmo::test
