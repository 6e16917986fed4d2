// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoType.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/fields/SoFieldContainer.h"
#include "platform/scenar/nodes/SoNode.h"

namespace {

int instances = 0;
void* makeInstance() {
  ++instances;
  return &instances;
}

class SoTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = SoType::createType(SoType::badType(), "TypeTestRoot");
    ASSERT_FALSE(root.isBad());
  }
  void TearDown() override {
    for (SoType type : made) SoType::removeType(type);
    SoType::removeType(root);
  }
  SoType make(SoType parent, const char* name, SoType::CreateMethod create = nullptr) {
    SoType type = SoType::createType(parent, name, create);
    if (!type.isBad()) made.push_back(type);
    return type;
  }

  SoType root;
  std::vector<SoType> made;
};

}  // namespace

TEST_F(SoTypeTest, registeredTypeIsFoundByNameWithItsParent) {
  SoType child = make(root, "TypeTestChild");
  ASSERT_FALSE(child.isBad());
  EXPECT_EQ(SoType::fromName("TypeTestChild"), child);
  EXPECT_EQ(child.getName(), "TypeTestChild");
  EXPECT_EQ(child.getParent(), root);
  EXPECT_TRUE(root.getParent().isBad());
  EXPECT_TRUE(SoType::fromName("TypeTestNoSuchType").isBad());
  EXPECT_TRUE(SoType::fromName("").isBad());
}

TEST_F(SoTypeTest, isDerivedFromFollowsParentChain) {
  SoType child = make(root, "TypeTestChild");
  SoType grandChild = make(child, "TypeTestGrandChild");
  SoType sibling = make(root, "TypeTestSibling");
  EXPECT_TRUE(grandChild.isDerivedFrom(root));
  EXPECT_TRUE(grandChild.isDerivedFrom(child));
  EXPECT_TRUE(grandChild.isDerivedFrom(grandChild));
  EXPECT_FALSE(child.isDerivedFrom(grandChild));
  EXPECT_FALSE(grandChild.isDerivedFrom(sibling));
  EXPECT_FALSE(grandChild.isDerivedFrom(SoType::badType()));
  EXPECT_FALSE(SoType::badType().isDerivedFrom(SoType::badType()));
}

TEST_F(SoTypeTest, getAllDerivedFromListsLiveTypesInOrder) {
  SoType a = make(root, "TypeTestA");
  SoType b = make(a, "TypeTestB");
  SoType c = make(root, "TypeTestC");
  EXPECT_EQ(SoType::getAllDerivedFrom(root), (std::vector<SoType>{root, a, b, c}));
  EXPECT_EQ(SoType::getAllDerivedFrom(a), (std::vector<SoType>{a, b}));
  SoType::removeType(b);
  EXPECT_EQ(SoType::getAllDerivedFrom(root), (std::vector<SoType>{root, a, c}));
}

TEST_F(SoTypeTest, secondCreateWithLiveNameIsBad) {
  SoType first = make(root, "TypeTestTwice");
  ASSERT_FALSE(first.isBad());
  EXPECT_TRUE(make(root, "TypeTestTwice").isBad());
  EXPECT_EQ(SoType::fromName("TypeTestTwice"), first);
  EXPECT_TRUE(make(root, "").isBad());
}

TEST_F(SoTypeTest, removedNameCanBeRegisteredAgain) {
  SoType first = make(root, "TypeTestAgain");
  SoType::removeType(first);
  EXPECT_TRUE(SoType::fromName("TypeTestAgain").isBad());
  SoType::removeType(first);  // a second removal is harmless

  SoType second = make(root, "TypeTestAgain");
  ASSERT_FALSE(second.isBad());
  EXPECT_FALSE(second == first);
  EXPECT_EQ(SoType::fromName("TypeTestAgain"), second);
}

TEST_F(SoTypeTest, removedParentTakesNoChildren) {
  SoType parent = make(root, "TypeTestGoneParent");
  SoType::removeType(parent);
  EXPECT_TRUE(make(parent, "TypeTestOrphan").isBad());
  EXPECT_TRUE(SoType::fromName("TypeTestOrphan").isBad());
}

TEST_F(SoTypeTest, createInstanceOnlyForLiveTypesWithFactory) {
  SoType abstract = make(root, "TypeTestAbstract");
  SoType concrete = make(root, "TypeTestConcrete", makeInstance);
  EXPECT_FALSE(abstract.canCreateInstance());
  EXPECT_EQ(abstract.createInstance(), nullptr);
  EXPECT_TRUE(concrete.canCreateInstance());
  int before = instances;
  EXPECT_EQ(concrete.createInstance(), &instances);
  EXPECT_EQ(instances, before + 1);

  SoType::removeType(concrete);
  EXPECT_FALSE(concrete.canCreateInstance());
  EXPECT_EQ(concrete.createInstance(), nullptr);
  EXPECT_EQ(instances, before + 1);
  EXPECT_FALSE(SoType::badType().canCreateInstance());
}

TEST(SoDBTest, initRegistersBuiltInHierarchyOnce) {
  SoDB::init();
  ASSERT_TRUE(SoDB::isInitialized());
  SoType node = SoNode::getClassTypeId();
  SoDB::init();
  EXPECT_EQ(SoNode::getClassTypeId(), node);
  EXPECT_EQ(SoType::fromName("Node"), node);
  EXPECT_TRUE(node.isDerivedFrom(SoFieldContainer::getClassTypeId()));
  EXPECT_TRUE(node.isDerivedFrom(SoBase::getClassTypeId()));
  EXPECT_FALSE(SoBase::getClassTypeId().isDerivedFrom(node));
}
