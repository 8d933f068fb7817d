// The native reference against what the module registers: an entry for every native, none for a
// native that does not exist, and arguments that match each signature.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "panel/natives/NativeDocs.h"
#include "panel/natives/NativeReference.h"
#include "support/ModuleFixture.h"
#include "vm/Descriptor.h"

namespace {

using panel::natives::managedClasses;
using NativeKey = std::pair<std::string, std::string>;

class NativeReferenceTest : public zelmo::test::ModuleTest {};

bool isLowerCamelCase(const std::string& name) {
  return !name.empty() && std::islower(static_cast<unsigned char>(name[0])) &&
         std::all_of(name.begin(), name.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

TEST_F(NativeReferenceTest, DescribesEveryRegisteredNativeAndNoOther) {
  std::set<NativeKey> registered;
  for (const vm::NativeMethod& native : vm.natives())
    registered.emplace(native.className, native.signature);
  std::set<NativeKey> described;
  for (const auto& cls : managedClasses())
    for (const auto& native : cls.natives)
      EXPECT_TRUE(described.emplace(cls.name, native.signature).second)
          << "described twice: " << cls.name << ' ' << native.signature;

  for (const NativeKey& key : registered)
    EXPECT_TRUE(described.count(key)) << "no entry for " << key.first << ' ' << key.second;
  for (const NativeKey& key : described)
    EXPECT_TRUE(registered.count(key))
        << "entry without a native: " << key.first << ' ' << key.second;
  EXPECT_EQ(described.size(), 136u);
}

// Named arguments in screens find arguments by these names.
TEST_F(NativeReferenceTest, ArgumentsMatchTheSignatureAndHaveDistinctNames) {
  for (const auto& cls : managedClasses()) {
    for (const auto& native : cls.natives) {
      SCOPED_TRACE(std::string(cls.name) + ' ' + native.signature);
      const vm::Descriptor descriptor = vm::parseDescriptor(native.signature);
      EXPECT_EQ(native.arguments.size(), descriptor.parameters.size());
      EXPECT_EQ(native.result != nullptr, descriptor.result != vm::Kind::Void);
      EXPECT_NE(std::string(native.does), "");
      std::set<std::string> names;
      for (const auto& argument : native.arguments) {
        EXPECT_TRUE(isLowerCamelCase(argument.name)) << argument.name;
        EXPECT_TRUE(names.insert(argument.name).second) << "two arguments named " << argument.name;
        EXPECT_EQ(argument.values != nullptr, argument.unit == panel::natives::Unit::Code)
            << argument.name << ": a code argument lists its values, and only it";
      }
    }
  }
}

// The reference is read in the repository, so the checked-in copy must be what the table says.
TEST(NativesDoc, CheckedInCopyIsUpToDate) {
  std::ifstream in(ZELMO_SOURCE_DIR "/docs/natives.md", std::ios::binary);
  std::stringstream checkedIn;
  checkedIn << in.rdbuf();
  const std::string expected = panel::natives::markdownReference();
  if (checkedIn.str() == expected) return;
  std::istringstream had(checkedIn.str()), wants(expected);
  std::string line, wanted;
  int number = 1;
  while (std::getline(had, line) && std::getline(wants, wanted) && line == wanted) ++number;
  ADD_FAILURE() << "docs/natives.md is out of date from line " << number
                << "; rewrite it with: cmake --build --preset default --target natives-doc";
}

}  // namespace
