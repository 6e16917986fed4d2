// SPDX-License-Identifier: Apache-2.0
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/scenar/basic/SoModule.h"

namespace {

// The library registers its descriptor when it is loaded, in the full build
// only. The test calls nothing in the library: it is loaded only because the
// program depends on it (linked with --no-as-needed), as it is in an
// application that loads the module without calling it yet.
TEST(ModuleDescriptorTest, fullBuildRegistersItsDescriptorAtLoad) {
  void* library = dlopen(PLIVEXWIN_LIBRARY_SONAME, RTLD_LAZY | RTLD_NOLOAD);
  ASSERT_NE(library, nullptr) << PLIVEXWIN_LIBRARY_SONAME << " is not loaded";
  dlclose(library);

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
