// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/TextReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using scenar::TextReader;

TEST(TextReaderTest, countsLinesAcrossBlanksAndComments) {
  TextReader in("one # comment with \"quote\n\n  two\r\n# only a comment\nthree");
  std::string word;
  ASSERT_TRUE(in.readWord(word));
  EXPECT_EQ(word, "one");
  EXPECT_EQ(in.line(), 1);
  ASSERT_TRUE(in.readWord(word));
  EXPECT_EQ(word, "two");
  EXPECT_EQ(in.line(), 3);
  ASSERT_TRUE(in.readWord(word));
  EXPECT_EQ(word, "three");
  EXPECT_EQ(in.line(), 5);
  EXPECT_TRUE(in.atEnd());
}

TEST(TextReaderTest, countsLinesInsideStringsAndFromFirstLine) {
  TextReader in("\"a\nb\" next", 10);
  std::string value;
  ASSERT_TRUE(in.readQuoted(value));
  EXPECT_EQ(value, "a\nb");
  EXPECT_EQ(in.line(), 11);
  ASSERT_TRUE(in.readWord(value));
  EXPECT_EQ(value, "next");
}

TEST(TextReaderTest, unterminatedStringNamesItsFirstLine) {
  TextReader in("\n\n  \"never\nclosed");
  std::string value;
  EXPECT_FALSE(in.readQuoted(value));
  EXPECT_EQ(in.error(), "string opened on line 3 is not closed");
  EXPECT_TRUE(in.atEnd());

  TextReader escapedEnd("\"ends in escape\\\"");
  EXPECT_FALSE(escapedEnd.readString(value));
  EXPECT_NE(escapedEnd.error().find("line 1"), std::string::npos);
}

TEST(TextReaderTest, wordsStopAtDelimiters) {
  TextReader in("a[b]c,d{e}f\"g\"h#i\nj");
  std::string word;
  std::string words;
  while (!in.atEnd()) {
    if (in.readWord(word)) {
      words += word + '|';
    } else {
      words += in.peek();
      in.consume(in.peek());
    }
  }
  EXPECT_EQ(words, "a|[b|]c|,d|{e|}f|\"g|\"h|j|");
}

TEST(TextReaderTest, peekAndConsumeSkipBlanksAndStopAtEnd) {
  TextReader in("  # note\n [ ");
  EXPECT_EQ(in.peek(), '[');
  EXPECT_FALSE(in.consume(']'));
  EXPECT_TRUE(in.consume('['));
  EXPECT_EQ(in.peek(), '\0');
  EXPECT_FALSE(in.consume('\0'));
  EXPECT_TRUE(in.atEnd());
  std::string word;
  EXPECT_FALSE(in.readWord(word));
  EXPECT_EQ(in.error(), "premature end of input");
}

TEST(TextReaderTest, integersHonourRangeAndBase) {
  long long value = 0;
  TextReader in("12 -0x1f 0x 300 -1 -9223372036854775808 18446744073709551616");
  ASSERT_TRUE(in.readInteger(value, -100, 100));
  EXPECT_EQ(value, 12);
  ASSERT_TRUE(in.readInteger(value, -100, 100));
  EXPECT_EQ(value, -31);
  EXPECT_FALSE(in.readInteger(value, -100, 100));
  EXPECT_NE(in.error().find("0x"), std::string::npos);
  EXPECT_FALSE(in.readInteger(value, -100, 100));
  EXPECT_NE(in.error().find("out of range"), std::string::npos);
  EXPECT_FALSE(in.readInteger(value, 0, 100));
  ASSERT_TRUE(in.readInteger(value, INT64_MIN, INT64_MAX));
  EXPECT_EQ(value, INT64_MIN);
  EXPECT_FALSE(in.readInteger(value, INT64_MIN, INT64_MAX));
  EXPECT_EQ(value, INT64_MIN);
}

TEST(TextReaderTest, quotedTextRoundTripsThroughAppendQuoted) {
  for (const char* text : {"", "plain", "q\"uote", "back\\", "\\\\\"\"", "new\nline"}) {
    std::string quoted;
    scenar::appendQuoted(quoted, text);
    TextReader in(quoted);
    std::string back;
    ASSERT_TRUE(in.readQuoted(back)) << quoted;
    EXPECT_EQ(back, text);
    EXPECT_TRUE(in.atEnd());
  }
}

struct QuoteCase {
  const char* name;
  std::string input;
  std::string quoted;
};

class QuoteInputTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteInputTest, quotesOneBoundedPrintableLine) {
  EXPECT_EQ(scenar::quoteInput(GetParam().input), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    TextReaderTest, QuoteInputTest,
    ::testing::Values(QuoteCase{"plain", "PoVew", "'PoVew'"},
                      QuoteCase{"sixtyBytesWhole", std::string(60, 'a'),
                                "'" + std::string(60, 'a') + "'"},
                      QuoteCase{"longCutAfterSixty", std::string(1 << 20, 'a'),
                                "'" + std::string(60, 'a') + "...'"},
                      QuoteCase{"controlBytesEscaped", std::string("a\0b\x01\t\n\r\\\x7f", 9),
                                "'a\\0b\\x01\\t\\n\\r\\\\\\x7f'"},
                      QuoteCase{"cutBeforeASplitCharacter", std::string(59, 'a') + "\xc3\xa9z",
                                "'" + std::string(59, 'a') + "...'"},
                      QuoteCase{"wholeCharacterKept", std::string(58, 'a') + "\xc3\xa9z",
                                "'" + std::string(58, 'a') + "\xc3\xa9...'"}),
    [](const auto& info) { return std::string(info.param.name); });
