// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoBase.h"

#include <gtest/gtest.h>

#include "platform/scenar/SoDB.h"

namespace {

// Counts its own deletion so tests see when the last reference goes.
class Counted : public SoBase {
 public:
  explicit Counted(int* deletions) : deletions_(deletions) {}
  Counted(const Counted& other) : SoBase(other), deletions_(other.deletions_) {}
  SoType getTypeId() const override { return SoBase::getClassTypeId(); }

 protected:
  ~Counted() override { ++*deletions_; }

 private:
  int* deletions_;
};

}  // namespace

TEST(SoBaseTest, lastUnrefDeletes) {
  int deletions = 0;
  const long live = SoBase::getLiveCount();
  auto* object = new Counted(&deletions);
  EXPECT_EQ(SoBase::getLiveCount(), live + 1);
  EXPECT_EQ(object->getRefCount(), 0);
  object->ref();
  object->ref();
  EXPECT_EQ(object->getRefCount(), 2);
  object->unref();
  EXPECT_EQ(deletions, 0);
  EXPECT_EQ(object->getRefCount(), 1);
  object->unref();
  EXPECT_EQ(deletions, 1);
  EXPECT_EQ(SoBase::getLiveCount(), live);
}

TEST(SoBaseTest, unrefNoDeleteKeepsObject) {
  int deletions = 0;
  const long live = SoBase::getLiveCount();
  auto* object = new Counted(&deletions);
  object->ref();
  object->unrefNoDelete();
  EXPECT_EQ(deletions, 0);
  EXPECT_EQ(object->getRefCount(), 0);
  EXPECT_EQ(SoBase::getLiveCount(), live + 1);
  object->ref();
  object->unref();
  EXPECT_EQ(deletions, 1);
  EXPECT_EQ(SoBase::getLiveCount(), live);
}

TEST(SoBaseTest, copyIsNewObjectWithoutReferences) {
  int deletions = 0;
  const long live = SoBase::getLiveCount();
  auto* original = new Counted(&deletions);
  original->ref();
  auto* copy = new Counted(*original);
  EXPECT_EQ(SoBase::getLiveCount(), live + 2);
  EXPECT_EQ(copy->getRefCount(), 0);
  copy->ref();
  copy->unref();
  original->unref();
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(SoBase::getLiveCount(), live);
}

TEST(SoBaseTest, nameAndType) {
  SoDB::init();
  int deletions = 0;
  auto* object = new Counted(&deletions);
  object->ref();
  EXPECT_TRUE(!object->getName());
  object->setName("thing");
  EXPECT_EQ(object->getName(), "thing");
  EXPECT_TRUE(object->isOfType(SoBase::getClassTypeId()));
  EXPECT_FALSE(object->isOfType(SoType::badType()));
  object->unref();
}
