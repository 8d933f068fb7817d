// The shared registrar: a failing class check is reported with the class's own data, and
// registration goes on regardless.
#include <gtest/gtest.h>

#include "bridge/Registrar.h"
#include "core/FatalError.h"
#include "vm/Vm.h"

namespace zelmo {
namespace {

void someNative() {}
int32_t failingCheck() { return 7; }

TEST(Registrar, OnlyAFailingCheckIsReportedAndRegistrationContinues) {
  vm::Vm vm;
  core::clearFatalReports();
  const NativeEntry natives[] = {{"draw(I)V", someNative}, {"resize(IB)V", someNative}};
  EXPECT_EQ(registerClass("uxclasses/graphics/CuxArc", natives, {"uxClasses_Graphics_CuxArc", 63},
                          failingCheck),
            1);

  ASSERT_EQ(core::fatalReports().size(), 1u);
  const core::FatalReport& report = core::fatalReports()[0];
  EXPECT_EQ(report.moduleName, "ZelmoGraphics");
  EXPECT_EQ(report.sourceFile, "uxClasses_Graphics_CuxArc");
  EXPECT_EQ(report.line, 63u);
  EXPECT_EQ(report.message, "Failed to init native support for uxclasses.graphics.CuxArc : 7");
  ASSERT_EQ(vm.natives().size(), 2u);
  EXPECT_EQ(vm.natives()[1].signature, "resize(IB)V");

  core::clearFatalReports();
  EXPECT_EQ(registerClass("uxclasses/graphics/CuxPie", {}, {"uxClasses_Graphics_CuxPie", 191}),
            0);  // nothing registered, nothing returned
  EXPECT_TRUE(core::fatalReports().empty());
}

}  // namespace
}  // namespace zelmo
