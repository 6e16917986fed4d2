// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoRef.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoNode.h"

namespace {

// Every test checks that the objects it made are gone at its end.
class SoRefTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SoDB::init();
    live_ = SoBase::getLiveCount();
  }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live_); }

 private:
  long live_ = 0;
};

TEST_F(SoRefTest, copiesHoldAReferenceEachAndTheLastOneDeletes) {
  SoRef<SoGroup> first(new SoGroup);
  EXPECT_EQ(first->getRefCount(), 1);
  {
    SoRef<SoGroup> copy(first);
    SoRef<SoNode> base(copy);
    EXPECT_EQ(first->getRefCount(), 3);
    EXPECT_EQ(base.get(), first.get());
  }
  EXPECT_EQ(first->getRefCount(), 1);
  SoRef<SoGroup> other(new SoGroup);
  other = first;
  EXPECT_EQ(other.get(), first.get());
  EXPECT_EQ(first->getRefCount(), 2);
}

TEST_F(SoRefTest, moveHandsTheReferenceOver) {
  SoRef<SoGroup> source(new SoGroup);
  SoGroup* group = source.get();
  SoRef<SoGroup> moved(std::move(source));
  EXPECT_FALSE(source);
  EXPECT_EQ(moved.get(), group);
  EXPECT_EQ(group->getRefCount(), 1);
  SoRef<SoNode> base(std::move(moved));
  EXPECT_EQ(group->getRefCount(), 1);
  SoRef<SoNode> target(new SoGroup);
  target = std::move(base);
  EXPECT_EQ(target.get(), group);
  EXPECT_EQ(group->getRefCount(), 1);
}

TEST_F(SoRefTest, selfAssignmentKeepsTheObject) {
  SoRef<SoGroup> held(new SoGroup);
  SoRef<SoGroup>& alias = held;
  held = alias;
  EXPECT_EQ(held->getRefCount(), 1);
  held = std::move(alias);
  ASSERT_TRUE(held);
  EXPECT_EQ(held->getRefCount(), 1);
  held.reset(held.get());
  ASSERT_TRUE(held);
  EXPECT_EQ(held->getRefCount(), 1);
}

TEST_F(SoRefTest, resetSwapsAndEmpties) {
  SoRef<SoGroup> held;
  EXPECT_FALSE(held);
  held.reset(new SoGroup);
  EXPECT_EQ((*held).getRefCount(), 1);
  held.reset(new SoGroup);
  EXPECT_EQ(held->getRefCount(), 1);
  held.reset();
  EXPECT_FALSE(held);
}

TEST_F(SoRefTest, releaseLeavesTheObjectUnreferencedForItsTaker) {
  SoRef<SoGroup> held(new SoGroup);
  SoRef<SoGroup> parent(new SoGroup);
  SoGroup* child = held.release();
  EXPECT_FALSE(held);
  EXPECT_EQ(child->getRefCount(), 0);
  parent->addChild(child);
  EXPECT_EQ(child->getRefCount(), 1);
}

}  // namespace
