// The labels example screen names only natives the module registers, with as many arguments as
// their signatures take, on objects the screen defines.
#include <fstream>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

using LabelsScreenTest = ModuleTest;

TEST_F(LabelsScreenTest, CallsRegisteredNativesWithTheirArgumentCounts) {
  std::ifstream in(std::string(ZELMO_SOURCE_DIR) + "/examples/screens/labels.json");
  ASSERT_TRUE(in.good());
  const auto screen = nlohmann::json::parse(in);
  std::map<std::string, std::string> classOf;
  for (const auto& object : screen["objects"])
    if (object.contains("class")) classOf[object["id"]] = object["class"];

  size_t index = 0;
  for (const auto& call : screen["calls"]) {
    const std::string className =
        call.contains("on") ? classOf[call["on"]] : call["class"].get<std::string>();
    const std::string signature = call["call"];
    const vm::NativeMethod* native = vm.findNative(className, signature);
    ASSERT_NE(native, nullptr) << "call " << index << ": " << className << " " << signature;
    const size_t given = call.contains("args") ? call["args"].size() : 0;
    EXPECT_EQ(given, native->descriptor.parameters.size()) << "call " << index;
    ++index;
  }
  EXPECT_GT(index, 20u);
}

}  // namespace
}  // namespace zelmo::test
