#include "platform/scenar/SbString.h"

#include <gtest/gtest.h>

TEST(SbStringTest, toFloatReadsLeadingNumber) {
  EXPECT_FLOAT_EQ(SbString("2.5").toFloat(), 2.5f);
}
