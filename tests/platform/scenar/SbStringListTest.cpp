// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbStringList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Splits text and hands back the words, deleting the entries and the list as a
// caller must.
struct Split {
  std::string whole;
  std::vector<std::string> words;
};

Split split(const char* text, const char* separator = " ") {
  SbStringList* list = SbStringList::split(text, separator);
  Split result;
  EXPECT_GE(list->getLength(), 1);
  for (int i = 0; i < list->getLength(); ++i) {
    if (i == 0)
      result.whole = (*list)[i]->str();
    else
      result.words.push_back((*list)[i]->str());
    delete (*list)[i];
  }
  delete list;
  return result;
}

using Words = std::vector<std::string>;

}  // namespace

TEST(SbStringListTest, entryZeroIsWholeTextThenWords) {
  Split s = split("10 20 30");
  EXPECT_EQ(s.whole, "10 20 30");
  EXPECT_EQ(s.words, (Words{"10", "20", "30"}));
}

TEST(SbStringListTest, extraBlanksAddNoEntry) {
  EXPECT_EQ(split("1 3 ").words, (Words{"1", "3"}));
  EXPECT_EQ(split("  1   3").words, (Words{"1", "3"}));
  EXPECT_EQ(split("   ").words, Words{});
  EXPECT_EQ(split("   ").whole, "   ");
  EXPECT_EQ(split("single").words, Words{"single"});
}

TEST(SbStringListTest, emptyTextGivesOnlyEntryZero) {
  Split s = split("");
  EXPECT_EQ(s.whole, "");
  EXPECT_TRUE(s.words.empty());
}

TEST(SbStringListTest, separatorMayBeLongerThanOneCharacter) {
  EXPECT_EQ(split("a, b,, c, ", ", ").words, (Words{"a", "b,", "c"}));
  EXPECT_EQ(split("a;;b", ";").words, (Words{"a", "b"}));
}

TEST(SbStringListTest, emptySeparatorKeepsTextWhole) {
  EXPECT_EQ(split("a b", "").words, Words{"a b"});
  EXPECT_TRUE(split("", "").words.empty());
}

TEST(SbStringListTest, truncateDropsEntriesWithoutDeletingThem) {
  SbStringList list;
  auto first = std::make_unique<SbString>("a");
  auto second = std::make_unique<SbString>("b");
  list.append(first.get());
  list.append(second.get());
  list.truncate(1);
  ASSERT_EQ(list.getLength(), 1);
  EXPECT_EQ(list[0], first.get());
  EXPECT_EQ(*second, "b");
}
