// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/plivex/PoBase.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/basic/SoType.h"
#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenar/sensors/SoNodeSensor.h"

// Registers the classes and checks at the end that the test released every
// toolkit object it made.
class PlivexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PoBase::initClasses();
    liveAtStart_ = SoBase::getLiveCount();
  }
  void TearDown() override {
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart_) << "toolkit objects leaked or freed twice";
  }

 private:
  long liveAtStart_ = 0;
};

// A node of a registered type, made through the type registry.
inline SoRef<SoNode> createNode(const char* typeName) {
  auto* node = static_cast<SoNode*>(SoType::fromName(typeName).createInstance());
  if (!node) throw std::runtime_error(std::string("cannot create a ") + typeName);
  return SoRef<SoNode>(node);
}

// Counts the firings of a node sensor and keeps the last trigger field.
struct SensorLog {
  int count = 0;
  SoField* lastField = nullptr;

  static void fired(void* data, SoSensor* sensor) {
    auto* log = static_cast<SensorLog*>(data);
    ++log->count;
    log->lastField = static_cast<SoNodeSensor*>(sensor)->getTriggerField();
  }
};

// The names of the types every concrete node class registers.
inline const std::vector<std::string> kConcreteAxisTypes = {
    "PoLinearAxis",   "PoLogAxis",      "PoGenAxis",    "PoTimeAxis",
    "PoPolarLinAxis", "PoPolarLogAxis", "PoAngularAxis"};
