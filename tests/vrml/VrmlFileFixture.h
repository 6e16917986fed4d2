// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the VRML file tests share: a folder of their own per test, writing a
// graph into a file of it, and a check that references balance.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/scenar/Scenar.h"
#include "support/TestFolder.h"

class VrmlFileFixture : public ::testing::Test {
  TestFolder scratch_{"vrml"};  // made before folder refers to it

 protected:
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live); }

  // Writes node into the file name of the test's folder; returns its path.
  std::string writeFile(SoNode* node, const std::string& name) {
    const std::string path = (folder / name).string();
    SoOutput out;
    EXPECT_TRUE(out.openFile(path.c_str()));
    SoWriteAction action(&out);
    action.apply(node);
    EXPECT_TRUE(out.closeFile());
    return path;
  }
  static std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  long live = 0;
  const std::filesystem::path& folder = scratch_.path();
};
