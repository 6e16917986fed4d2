// SPDX-License-Identifier: Apache-2.0
// The texts of the value legends' boxes, kind by kind, and their colours.

#include "platform/plivex/detail/ValueRamp.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using namespace plivex::detail;

struct LabelCase {
  const char* name;
  std::vector<ValueBox> boxes;
  std::string ValueBox::*text;  // the labels compared
  std::vector<std::string> expected;
};

TEST(ValueRampTest, eachKindAndDistributionWritesTheValuesItSelects) {
  const ValueSelection all;
  const LabelCase cases[] = {
      {"every linear value",
       linearValueBoxes(0, all),
       &ValueBox::label,
       {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
      {"every third linear value",
       linearValueBoxes(0, {.period = 3}),
       &ValueBox::label,
       {"0", "", "", "0.3", "", "", "0.6", "", "", "0.9", ""}},
      {"evenly spaced linear values",
       linearValueBoxes(1, all),
       &ValueBox::label,
       {"0", "", "0.2", "", "0.4", "", "0.6", "", "0.8", "", "1"}},
      {"the extreme linear values of the third to the second last",
       linearValueBoxes(2, {.first = 3, .last = 2}),
       &ValueBox::label,
       {"0.2", "", "", "", "", "", "", "0.9"}},
      {"an unknown distribution as every value",
       linearValueBoxes(-7, {.first = 10, .last = 1}),
       &ValueBox::label,
       {"0.9", "1"}},
      {"bounds that cross keep the value firstValue names",
       linearValueBoxes(0, {.first = 100, .last = 100}),
       &ValueBox::label,
       {"1"}},
      {"intervals",
       intervalValueBoxes("<", ">", " - ", all),
       &ValueBox::label,
       {"< 0.1", "0.1 - 0.2", "0.2 - 0.5", "0.5 - 1", "1 - 2", "2 - 5", "5 - 10", "10 - 20",
        "> 20"}},
      {"intervals in other words",
       intervalValueBoxes("", "over", " to ", {.first = 1, .last = 7, .period = 2}),
       &ValueBox::label,
       {"0.1", "", "0.2 to 0.5"}},
      {"boundaries",
       boundaryValueBoxes(all),
       &ValueBox::lowerLabel,
       {"0.1", "0.2", "0.5", "1", "2", "5", "10"}},
      {"the last boundary",
       boundaryValueBoxes(all),
       &ValueBox::upperLabel,
       {"", "", "", "", "", "", "20"}},
      {"every other boundary from the second",
       boundaryValueBoxes({.first = 2, .last = 4, .period = 2}),
       &ValueBox::lowerLabel,
       {"0.2", "", "1"}},
      {"levels",
       levelValueBoxes(all),
       &ValueBox::label,
       {"0.1", "0.2", "0.5", "1", "2", "5", "10", "20"}},
  };
  for (const LabelCase& c : cases) {
    std::vector<std::string> texts;
    for (const ValueBox& box : c.boxes) texts.push_back(box.*c.text);
    EXPECT_EQ(texts, c.expected) << c.name;
  }
  EXPECT_EQ(boundaryValueBoxes({.first = 2, .last = 4, .period = 2}).back().upperLabel, "")
      << "the boundary above the last box is not every other one from the second";
}

TEST(ValueRampTest, theRampRunsFromBlueToRedAndKeepsItsColoursWhenCut) {
  EXPECT_EQ(rampColor(0), SbColor(0, 0, 1));
  EXPECT_EQ(rampColor(0.5f), SbColor(0, 1, 0));
  EXPECT_EQ(rampColor(1), SbColor(1, 0, 0));
  EXPECT_EQ(rampColor(7), SbColor(1, 0, 0));
  EXPECT_EQ(rampColor(std::numeric_limits<float>::quiet_NaN()), SbColor(0, 0, 1));
  EXPECT_EQ(linearValueBoxes(0, {.first = 11}).front().rampAt, 1.0f);
}

}  // namespace
