// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PbMiscTextAttr.h"

#include <gtest/gtest.h>

namespace {

TEST(PbMiscTextAttrTest, negativeLineLengthMeansNoWrapping) {
  PbMiscTextAttr attr;
  attr.setLineLength(40);
  attr.setLineLength(-1);
  EXPECT_EQ(attr.getLineLength(), 0);
}

}  // namespace
