// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/files/SoOutput.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

// A stream given to the output stays open and its owner's; a write that
// fails tells why once the file is finished.
TEST(SoOutputTest, givenStreamsAreFlushedNotClosedAndTellWhyTheyFailed) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  SoOutput out;
  out.setFilePointer(stream);
  EXPECT_FALSE(out.isToBuffer());
  out.write("written ");
  EXPECT_TRUE(out.closeFile());
  EXPECT_TRUE(out.isToBuffer());
  EXPECT_EQ(std::fputs("after", stream), 1) << "still open";
  std::rewind(stream);
  char text[32] = {};
  EXPECT_EQ(std::fread(text, 1, sizeof text - 1, stream), 13u);
  EXPECT_STREQ(text, "written after");
  std::fclose(stream);

  std::FILE* full = std::fopen("/dev/full", "wb");
  if (!full) GTEST_SKIP() << "no /dev/full";
  out.setFilePointer(full);
  out.write(std::string(1 << 16, 'x'));  // more than the stream holds back
  out.write("more");
  errno = 0;
  EXPECT_FALSE(out.closeFile());
  EXPECT_EQ(errno, ENOSPC);
  out.setFilePointer(full);
  out.write("held back until finished");
  EXPECT_FALSE(out.closeFile()) << "a failure when flushing counts too";
  EXPECT_EQ(errno, ENOSPC);
  std::fclose(full);
}

}  // namespace
