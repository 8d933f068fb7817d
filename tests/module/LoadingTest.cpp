// Loading ZelmoGraphics.dlm as the runtime does: init exports and the version marker. What is
// registered, and in what order, is checked against panel/registered-natives.txt.
#include <fstream>
#include <iterator>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

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
