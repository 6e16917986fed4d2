// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbName.h"

#include <gtest/gtest.h>

#include <string>

TEST(SbNameTest, equalTextsShareOneString) {
  std::string built = "shared";
  built += "Name";
  SbName a("sharedName");
  SbName b(built.c_str());
  SbName c(SbString("sharedName"));
  EXPECT_TRUE(a == b);
  EXPECT_EQ(a.getString(), b.getString());
  EXPECT_EQ(a.getString(), c.getString());
  EXPECT_FALSE(a == SbName("sharedname"));
  EXPECT_EQ(a.getLength(), 10);
}

TEST(SbNameTest, emptyAndNullAreTheEmptyName) {
  EXPECT_TRUE(!SbName());
  EXPECT_TRUE(!SbName(static_cast<const char*>(nullptr)));
  EXPECT_TRUE(SbName() == SbName(""));
  EXPECT_FALSE(!SbName("x"));
  EXPECT_TRUE(SbName() == static_cast<const char*>(nullptr));
}

TEST(SbNameTest, identifierCharacters) {
  EXPECT_TRUE(SbName::isIdentStartChar('a'));
  EXPECT_TRUE(SbName::isIdentStartChar('_'));
  EXPECT_FALSE(SbName::isIdentStartChar('1'));
  EXPECT_FALSE(SbName::isIdentStartChar('-'));
  EXPECT_FALSE(SbName::isIdentStartChar('\xe9'));
  EXPECT_TRUE(SbName::isIdentChar('1'));
  EXPECT_FALSE(SbName::isIdentChar('.'));
  EXPECT_FALSE(SbName::isIdentChar('\0'));
}
