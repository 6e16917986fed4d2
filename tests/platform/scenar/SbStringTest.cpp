// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbString.h"

#include <gtest/gtest.h>

#include "support/CommaLocale.h"

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Switches the process to a locale that writes 2,5 for 2.5, and back on exit.
std::string printfG(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

const double kGTable[] = {0, 1, 2.5, 1e-05, 123456, 1234567, -0.25, 1e+20, 0.1, 3.14159265};

}  // namespace

TEST(SbStringTest, toIntReadsLeadingIntegerAfterBlanks) {
  EXPECT_EQ(SbString("42").toInt(), 42);
  EXPECT_EQ(SbString(" \t\n 7 apples").toInt(), 7);
  EXPECT_EQ(SbString("-13x").toInt(), -13);
  EXPECT_EQ(SbString("+5").toInt(), 5);
  EXPECT_EQ(SbString("2.9").toInt(), 2);
  EXPECT_EQ(SbString("1e5").toInt(), 1);
}

TEST(SbStringTest, toIntIsZeroWithoutLeadingInteger) {
  for (const char* text : {"", "   ", "abc", "-", "+", "x12", "- 3", ".5"})
    EXPECT_EQ(SbString(text).toInt(), 0) << '"' << text << '"';
}

TEST(SbStringTest, toIntSaturatesToIntRange) {
  EXPECT_EQ(SbString("2147483647").toInt(), INT_MAX);
  EXPECT_EQ(SbString("2147483648").toInt(), INT_MAX);
  EXPECT_EQ(SbString("99999999999999999999999999").toInt(), INT_MAX);
  EXPECT_EQ(SbString("-2147483648").toInt(), INT_MIN);
  EXPECT_EQ(SbString("-2147483649").toInt(), INT_MIN);
  EXPECT_EQ(SbString("-99999999999999999999999999").toInt(), INT_MIN);
  EXPECT_EQ(SbString("000000000000000000000012").toInt(), 12);
}

TEST(SbStringTest, toFloatReadsLeadingNumberAfterBlanks) {
  EXPECT_EQ(SbString("2.5").toFloat(), 2.5f);
  EXPECT_EQ(SbString("  -1e3 m").toFloat(), -1000.0f);
  EXPECT_EQ(SbString(".5").toFloat(), 0.5f);
  EXPECT_EQ(SbString("+.25").toFloat(), 0.25f);
  EXPECT_EQ(SbString("5.").toFloat(), 5.0f);
  EXPECT_EQ(SbString("1.5E+2").toFloat(), 150.0f);
  EXPECT_EQ(SbString("2e").toFloat(), 2.0f);  // an exponent without digits is not part of it
  EXPECT_EQ(SbString("3e+x").toFloat(), 3.0f);
  EXPECT_EQ(SbString("2,5").toFloat(), 2.0f);  // the comma is never a decimal point
  EXPECT_EQ(SbString("0.1").toFloat(), 0.1f);
}

TEST(SbStringTest, toFloatIsZeroWithoutLeadingNumber) {
  for (const char* text : {"", " ", "abc", ".", "-", "+-1", "e5", "inf", "nan", "- 1"})
    EXPECT_EQ(SbString(text).toFloat(), 0.0f) << '"' << text << '"';
}

TEST(SbStringTest, toFloatClampsOutOfRangeNumbers) {
  EXPECT_EQ(SbString("1e999").toFloat(), FLT_MAX);
  EXPECT_EQ(SbString("-1e999").toFloat(), -FLT_MAX);
  EXPECT_EQ(SbString("1e39").toFloat(), FLT_MAX);  // a finite double beyond float
  EXPECT_EQ(SbString("-5e38").toFloat(), -FLT_MAX);
  EXPECT_EQ(SbString("1e-999").toFloat(), 0.0f);
  EXPECT_EQ(SbString("1e-50").toFloat(), 0.0f);
  EXPECT_TRUE(std::signbit(SbString("-1e-999").toFloat()));
  EXPECT_EQ(SbString("3.4028235e+38").toFloat(), FLT_MAX);
}

TEST(SbStringTest, toFloatTellsOverflowFromUnderflowByMagnitude) {
  // Huge mantissa with a small negative exponent: still far too large.
  std::string huge = "1" + std::string(400, '0') + "e-1";
  EXPECT_EQ(SbString(huge).toFloat(), FLT_MAX);
  // Tiny number written without an exponent.
  std::string tiny = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(SbString(tiny).toFloat(), 0.0f);
  std::string longInteger = "-" + std::string(400, '9');
  EXPECT_EQ(SbString(longInteger).toFloat(), -FLT_MAX);
  std::string tinyWithExponent = "0.00001e-400";
  EXPECT_EQ(SbString(tinyWithExponent).toFloat(), 0.0f);
  std::string hugeExponent = "0.001e99999999999999999999";
  EXPECT_EQ(SbString(hugeExponent).toFloat(), FLT_MAX);
}

TEST(SbStringTest, conversionsIgnoreCommaDecimalLocale) {
  CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "no locale with a comma decimal point is installed";
  EXPECT_EQ(SbString("2.5").toFloat(), 2.5f);
  EXPECT_EQ(SbString("2,5").toFloat(), 2.0f);
  EXPECT_EQ(SbString::fromDouble(2.5), "2.5");
  EXPECT_EQ(SbString::fromFloatExact(0.1f), "0.1");
}

TEST(SbStringTest, fromDoubleMatchesPrintfGInCLocale) {
  ASSERT_STREQ(std::localeconv()->decimal_point, ".");
  for (double value : kGTable) EXPECT_EQ(SbString::fromDouble(value).str(), printfG(value));
  EXPECT_EQ(SbString::fromDouble(1234567), "1.23457e+06");
  EXPECT_EQ(SbString::fromDouble(1e-05), "1e-05");
}

TEST(SbStringTest, fromFloatExactReadsBackToSameFloat) {
  for (float value : {0.1f, 1.0f / 3.0f, -2.5f, 1e-45f, FLT_MAX, -FLT_MIN, 16777217.0f, 123.456f}) {
    SbString text = SbString::fromFloatExact(value);
    EXPECT_EQ(SbString(text).toFloat(), value) << text.str();
  }
  EXPECT_EQ(SbString::fromFloatExact(0.1f), "0.1");
  EXPECT_EQ(SbString::fromFloatExact(2.0f), "2");
}

TEST(SbStringTest, fromIntCoversFullRange) {
  EXPECT_EQ(SbString::fromInt(0), "0");
  EXPECT_EQ(SbString::fromInt(-42), "-42");
  EXPECT_EQ(SbString::fromInt(LLONG_MIN), "-9223372036854775808");
  EXPECT_EQ(SbString::fromInt(LLONG_MAX), "9223372036854775807");
}

TEST(SbStringTest, nullTextIsEmpty) {
  SbString text(static_cast<const char*>(nullptr));
  EXPECT_TRUE(text.isEmpty());
  text += static_cast<const char*>(nullptr);
  text += "ab";
  EXPECT_EQ(text, "ab");
  EXPECT_EQ(text.getLength(), 2);
  EXPECT_EQ(text[1], 'b');
  EXPECT_TRUE(SbString() == static_cast<const char*>(nullptr));
}
