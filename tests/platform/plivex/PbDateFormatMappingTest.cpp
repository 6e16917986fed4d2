// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PbDateFormatMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<double, std::string>>;

Pairs pairsOf(const PbDateFormatMapping& mapping) {
  Pairs pairs;
  for (int i = 0; i < mapping.getNumMappings(); ++i)
    pairs.emplace_back(mapping.getInterval(i), mapping.getFormat(i).str());
  return pairs;
}

TEST(PbDateFormatMappingTest, keepsOnePairPerIntervalInRisingOrder) {
  PbDateFormatMapping mapping;
  mapping.addMapping(86400.0, "%d/%m");
  mapping.addMapping(60.0, "%H:%M");
  mapping.addMapping(3600.0, "%Hh");
  mapping.addMapping(60.0, "%M'");
  EXPECT_EQ(pairsOf(mapping), (Pairs{{60.0, "%M'"}, {3600.0, "%Hh"}, {86400.0, "%d/%m"}}));

  EXPECT_TRUE(mapping.removeMapping(3600.0));
  EXPECT_FALSE(mapping.removeMapping(3600.0));
  EXPECT_FALSE(mapping.removeMapping(1.0));
  EXPECT_EQ(pairsOf(mapping), (Pairs{{60.0, "%M'"}, {86400.0, "%d/%m"}}));
}

TEST(PbDateFormatMappingTest, equalityIgnoresTheOrderOfAdding) {
  PbDateFormatMapping a;
  a.addMapping(60.0, "%H:%M");
  a.addMapping(86400.0, "%d/%m");
  PbDateFormatMapping b;
  b.addMapping(86400.0, "%d/%m");
  b.addMapping(60.0, "%H:%M");
  EXPECT_EQ(a, b);
  b.addMapping(60.0, "%Hh%M");
  EXPECT_NE(a, b);
  a.removeAllMappings();
  EXPECT_EQ(a, PbDateFormatMapping());
}

TEST(PbDateFormatMappingTest, findFormatTakesTheSmallestIntervalNotBelow) {
  PbDateFormatMapping mapping;
  EXPECT_EQ(mapping.findFormat(1.0), nullptr);
  mapping.addMapping(60.0, "minutes");
  mapping.addMapping(86400.0, "days");
  EXPECT_EQ(*mapping.findFormat(1.0), "minutes");
  EXPECT_EQ(*mapping.findFormat(60.0), "minutes");
  EXPECT_EQ(*mapping.findFormat(61.0), "days");
  EXPECT_EQ(*mapping.findFormat(1e9), "days");
}

}  // namespace
