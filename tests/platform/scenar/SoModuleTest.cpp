// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

TEST(SoModuleTest, liveDescriptorsAreFoundByFileName) {
  const auto before = SoModule::getModules().size();
  auto first = std::make_unique<SoModule>("moduletest-first.so", "1.2", "built today");
  SoModule second("moduletest-second.so", "3.0", nullptr);

  const SoModule* found = SoModule::find("moduletest-first.so");
  ASSERT_EQ(found, first.get());
  EXPECT_EQ(found->getVersion(), "1.2");
  EXPECT_EQ(found->getBuildText(), "built today");
  EXPECT_EQ(SoModule::find("moduletest-second.so"), &second);
  EXPECT_TRUE(second.getBuildText().isEmpty());
  EXPECT_EQ(SoModule::find("moduletest-none.so"), nullptr);

  auto modules = SoModule::getModules();
  ASSERT_EQ(modules.size(), before + 2);
  EXPECT_EQ(modules[before], first.get());  // oldest first
  EXPECT_EQ(modules[before + 1], &second);

  first.reset();
  EXPECT_EQ(SoModule::find("moduletest-first.so"), nullptr);
  EXPECT_EQ(SoModule::find("moduletest-second.so"), &second);
  modules = SoModule::getModules();
  EXPECT_EQ(std::count(modules.begin(), modules.end(), &second), 1);
  EXPECT_EQ(modules.size(), before + 1);
}

TEST(SoModuleTest, sameFileNameFindsOldestLiveDescriptor) {
  auto older = std::make_unique<SoModule>("moduletest-twice.so", "1", "");
  SoModule newer("moduletest-twice.so", "2", "");
  EXPECT_EQ(SoModule::find("moduletest-twice.so"), older.get());
  older.reset();
  EXPECT_EQ(SoModule::find("moduletest-twice.so"), &newer);
}
