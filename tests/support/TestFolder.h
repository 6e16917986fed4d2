// SPDX-License-Identifier: Apache-2.0
#pragma once

// A folder of the running test's own under the system's temporary folder,
// removed with what it holds when the object goes. Its name has the test's
// name and a part mkdtemp makes unique, so that the same test run by two
// processes at once (two builds testing side by side) never shares a folder,
// nor removes the other's files.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

class TestFolder {
 public:
  // kind tells the suites apart: "plivexwin-KIND-TEST-XXXXXX".
  explicit TestFolder(const std::string& kind) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "plivexwin-" + kind + "-" + (test ? test->name() : "outside") + "-";
    for (char& c : name)  // parameterized tests are named "name/0"
      if (c == '/' || c == '\\') c = '_';
    std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "XXXXXX";
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot make a folder " << pattern;
    path_ = pattern;
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};
