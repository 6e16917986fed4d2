// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the tests of the program's commands share: a folder of the test's own,
// the command's arguments and streams, and a check that references balance.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "platform/scenar/basic/SoBase.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

inline std::string contentsOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs a command in an empty folder made for the test and removed after it.
class CommandTest : public ::testing::Test {
  TestFolder scratch_{"command"};  // made before folder refers to it

 protected:
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live); }

  // The words as a command's arguments; out and err emptied for it.
  std::span<char* const> argsOf(std::vector<std::string>& words) {
    args.clear();
    for (std::string& word : words) args.push_back(word.data());
    out.str("");
    err.str("");
    return args;
  }

  // How many files and folders the test's folder holds.
  int entries() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
  }

  const fs::path& folder = scratch_.path();
  std::ostringstream out, err;
  long live = 0;

 private:
  std::vector<char*> args;
};
