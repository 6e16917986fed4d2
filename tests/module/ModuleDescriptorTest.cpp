#include <gtest/gtest.h>

#include "editors/axis/PoXtLinearAxisEditor.h"
#include "platform/scenar/basic/SoModule.h"

namespace {

// The library registers its descriptor when it is loaded, in the full build only.
TEST(ModuleDescriptorTest, fullBuildRegistersItsDescriptorAtLoad) {
  // Referencing a class of the library keeps it linked, hence loaded.
  ASSERT_NE(&typeid(PoXtLinearAxisEditor), nullptr);
  const SoModule* module = SoModule::find("PlivexWin.dll");
#ifdef PLIVEXWIN_EDITORS_ONLY
  EXPECT_EQ(module, nullptr);
#else
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->getVersion(), "8.0.0");
  EXPECT_FALSE(module->getBuildText().isEmpty());
#endif
}

}  // namespace
