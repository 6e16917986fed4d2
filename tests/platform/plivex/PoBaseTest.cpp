// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoBase.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "PlivexTestSupport.h"
#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoAutoValueLegend.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoCartesianAxis.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/plivex/PoLegend.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoLinearValueLegend.h"
#include "platform/plivex/PoLogAxis.h"
#include "platform/plivex/PoNonLinearValueLegend1.h"
#include "platform/plivex/PoNonLinearValueLegend2.h"
#include "platform/plivex/PoNonLinearValueLegend3.h"
#include "platform/plivex/PoPolarAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoPolarLogAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "platform/plivex/PoValueLegend.h"
#include "platform/scenar/basic/SoType.h"

namespace {

struct ClassType {
  SoType (*classType)();
  const char* name;
  const char* parent;
  bool creatable;
};

// class type, registered name, parent's name, creatable
const ClassType kClassTypes[] = {
    {&PoBase::getClassTypeId, "PoBase", "Node", false},
    {&PoAxis::getClassTypeId, "PoAxis", "PoBase", false},
    {&PoCartesianAxis::getClassTypeId, "PoCartesianAxis", "PoAxis", false},
    {&PoLinearAxis::getClassTypeId, "PoLinearAxis", "PoCartesianAxis", true},
    {&PoLogAxis::getClassTypeId, "PoLogAxis", "PoCartesianAxis", true},
    {&PoGenAxis::getClassTypeId, "PoGenAxis", "PoCartesianAxis", true},
    {&PoTimeAxis::getClassTypeId, "PoTimeAxis", "PoAxis", true},
    {&PoPolarAxis::getClassTypeId, "PoPolarAxis", "PoAxis", false},
    {&PoPolarLinAxis::getClassTypeId, "PoPolarLinAxis", "PoPolarAxis", true},
    {&PoPolarLogAxis::getClassTypeId, "PoPolarLogAxis", "PoPolarAxis", true},
    {&PoAngularAxis::getClassTypeId, "PoAngularAxis", "PoAxis", true},
    {&PoLegend::getClassTypeId, "PoLegend", "PoBase", false},
    {&PoItemLegend::getClassTypeId, "PoItemLegend", "PoLegend", true},
    {&PoValueLegend::getClassTypeId, "PoValueLegend", "PoLegend", false},
    {&PoAutoValueLegend::getClassTypeId, "PoAutoValueLegend", "PoValueLegend", false},
    {&PoLinearValueLegend::getClassTypeId, "PoLinearValueLegend", "PoAutoValueLegend", true},
    {&PoNonLinearValueLegend1::getClassTypeId, "PoNonLinearValueLegend1", "PoAutoValueLegend",
     true},
    {&PoNonLinearValueLegend2::getClassTypeId, "PoNonLinearValueLegend2", "PoAutoValueLegend",
     true},
    {&PoNonLinearValueLegend3::getClassTypeId, "PoNonLinearValueLegend3", "PoAutoValueLegend",
     true},
};

using PoBaseTest = PlivexTest;

TEST_F(PoBaseTest, registersEveryClassUnderItsNameAndParent) {
  for (const ClassType& c : kClassTypes) {
    SCOPED_TRACE(c.name);
    SoType type = c.classType();
    ASSERT_FALSE(type.isBad());
    EXPECT_EQ(SoType::fromName(c.name), type);
    EXPECT_EQ(type.getName(), c.name);
    EXPECT_EQ(type.getParent().getName(), c.parent);
    EXPECT_EQ(type.canCreateInstance(), c.creatable);
  }
  EXPECT_EQ(SoType::getAllDerivedFrom(PoBase::getClassTypeId()).size(), std::size(kClassTypes));
}

TEST_F(PoBaseTest, createsInstancesOfConcreteTypesOnly) {
  for (const ClassType& c : kClassTypes) {
    SCOPED_TRACE(c.name);
    auto* node = static_cast<SoNode*>(c.classType().createInstance());
    ASSERT_EQ(node != nullptr, c.creatable);
    if (!node) continue;
    SoRef<SoNode> held(node);
    EXPECT_EQ(node->getTypeId(), c.classType());
    EXPECT_TRUE(node->isOfType(PoBase::getClassTypeId()));
    EXPECT_EQ(node->getRefCount(), 1);
  }
}

TEST_F(PoBaseTest, initClassesAgainKeepsTheRegisteredTypes) {
  const std::vector<SoType> before = SoType::getAllDerivedFrom(PoBase::getClassTypeId());
  PoBase::initClasses();
  PoBase::initClasses();
  EXPECT_EQ(SoType::getAllDerivedFrom(PoBase::getClassTypeId()), before);
  SoRef<SoNode> node = createNode("PoLinearAxis");
  EXPECT_EQ(node->getTypeId(), PoLinearAxis::getClassTypeId());
}

}  // namespace
