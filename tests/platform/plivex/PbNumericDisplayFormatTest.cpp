// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PbNumericDisplayFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(PbNumericDisplayFormatTest, keepsDigitsAndSeparatorInRange) {
  PbNumericDisplayFormat format;
  format.setNumDigits(-3);
  EXPECT_EQ(format.getNumDigits(), 0);
  format.setNumDigits(PbNumericDisplayFormat::kMaxDigits + 1);
  EXPECT_EQ(format.getNumDigits(), PbNumericDisplayFormat::kMaxDigits);
  format.setDecimalSeparator(',');
  format.setDecimalSeparator('\0');
  EXPECT_EQ(format.getDecimalSeparator(), '.');
}

}  // namespace
