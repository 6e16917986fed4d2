// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/sensors/SoNodeSensor.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

namespace {

class SensorTestNode : public SoNode {
  SO_NODE_HEADER(SensorTestNode, SoNode);

 public:
  SoSFFloat size;
  SoSFString text;
  SensorTestNode();

 protected:
  ~SensorTestNode() override = default;
};

SO_NODE_SOURCE(SensorTestNode)

void SensorTestNode::initClass() { SO_NODE_INIT_CLASS(SensorTestNode, "SensorTestNode"); }

SensorTestNode::SensorTestNode() {
  SO_NODE_CONSTRUCTOR(SensorTestNode);
  SO_NODE_ADD_FIELD(size, (1.0f));
  SO_NODE_ADD_FIELD(text, (""));
}

// What a sensor saw each time it fired, and what to do when it fires.
struct Probe {
  struct Firing {
    SoSensor* sensor;
    SoField* trigger;
    float size;
  };
  std::vector<Firing> firings;
  std::vector<SoSensor*> deletes;
  std::function<void(SoNodeSensor*)> action;
  SensorTestNode* node = nullptr;

  static void fired(void* data, SoSensor* sensor) {
    auto* probe = static_cast<Probe*>(data);
    auto* nodeSensor = static_cast<SoNodeSensor*>(sensor);
    probe->firings.push_back(
        {sensor, nodeSensor->getTriggerField(), probe->node ? probe->node->size.getValue() : 0.0f});
    if (probe->action) probe->action(nodeSensor);
  }
  static void deleted(void* data, SoSensor* sensor) {
    static_cast<Probe*>(data)->deletes.push_back(sensor);
  }
};

class SoNodeSensorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    SensorTestNode::initClass();
  }
  void SetUp() override {
    live = SoBase::getLiveCount();
    node = newNode();
    probe.node = node;
  }
  void TearDown() override {
    if (node) node->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }
  static SensorTestNode* newNode() {
    auto* made = new SensorTestNode;
    made->ref();
    return made;
  }

  long live = 0;
  SensorTestNode* node = nullptr;
  Probe probe;
};

}  // namespace

TEST_F(SoNodeSensorTest, firesSynchronouslyWithTriggerField) {
  SoNodeSensor sensor(Probe::fired, &probe);
  sensor.attach(node);
  EXPECT_EQ(sensor.getAttachedNode(), node);
  node->size = 4;
  ASSERT_EQ(probe.firings.size(), 1u);  // before the assignment returned
  EXPECT_EQ(probe.firings[0].sensor, &sensor);
  EXPECT_EQ(probe.firings[0].trigger, &node->size);
  EXPECT_EQ(probe.firings[0].size, 4.0f);  // the new value is visible
  EXPECT_EQ(sensor.getTriggerField(), nullptr);

  ASSERT_TRUE(node->set("text hello size 2"));
  ASSERT_EQ(probe.firings.size(), 3u);
  EXPECT_EQ(probe.firings[1].trigger, &node->text);
  EXPECT_EQ(probe.firings[2].trigger, &node->size);

  node->touch();
  ASSERT_EQ(probe.firings.size(), 4u);
  EXPECT_EQ(probe.firings[3].trigger, nullptr);
}

TEST_F(SoNodeSensorTest, nestedChangeRestoresOuterTriggerField) {
  SoNodeSensor sensor(Probe::fired, &probe);
  std::vector<SoField*> afterInner;
  probe.action = [&](SoNodeSensor* s) {
    if (s->getTriggerField() == &node->size) {
      node->text = "nested";
      afterInner.push_back(s->getTriggerField());
    }
  };
  sensor.attach(node);
  node->size = 2;
  ASSERT_EQ(probe.firings.size(), 2u);
  EXPECT_EQ(probe.firings[1].trigger, &node->text);
  EXPECT_EQ(afterInner, std::vector<SoField*>{&node->size});
  EXPECT_EQ(sensor.getTriggerField(), nullptr);
}

TEST_F(SoNodeSensorTest, detachedSensorStaysQuiet) {
  SoNodeSensor sensor(Probe::fired, &probe);
  sensor.attach(node);
  sensor.detach();
  EXPECT_EQ(sensor.getAttachedNode(), nullptr);
  EXPECT_EQ(node->getNumAuditors(), 0);
  node->size = 3;
  EXPECT_TRUE(probe.firings.empty());
  sensor.detach();  // twice is harmless
}

TEST_F(SoNodeSensorTest, attachingElsewhereMovesSensor) {
  SensorTestNode* second = newNode();
  SoNodeSensor sensor(Probe::fired, &probe);
  sensor.attach(node);
  sensor.attach(second);
  EXPECT_EQ(sensor.getAttachedNode(), second);
  EXPECT_EQ(node->getNumAuditors(), 0);
  node->size = 3;
  EXPECT_TRUE(probe.firings.empty());
  second->size = 5;
  ASSERT_EQ(probe.firings.size(), 1u);
  EXPECT_EQ(probe.firings[0].trigger, &second->size);

  sensor.attach(second);  // the same node again: still attached once
  second->size = 6;
  EXPECT_EQ(probe.firings.size(), 2u);
  EXPECT_EQ(second->getNumAuditors(), 1);
  second->unref();
  EXPECT_EQ(sensor.getAttachedNode(), nullptr);
}

TEST_F(SoNodeSensorTest, nodeDeletionDetachesAndCallsDeleteCallback) {
  SoNodeSensor sensor(Probe::fired, &probe);
  SoNodeSensor quiet(Probe::fired, &probe);  // no delete callback
  sensor.setDeleteCallback(Probe::deleted, &probe);
  sensor.attach(node);
  quiet.attach(node);
  node->unref();
  node = nullptr;
  probe.node = nullptr;
  EXPECT_EQ(probe.deletes, std::vector<SoSensor*>{&sensor});
  EXPECT_EQ(sensor.getAttachedNode(), nullptr);
  EXPECT_EQ(quiet.getAttachedNode(), nullptr);
  EXPECT_TRUE(probe.firings.empty());
  sensor.detach();  // must not reach the deleted node
}

TEST_F(SoNodeSensorTest, deleteCallbackMayDeleteSensors) {
  auto* first = new SoNodeSensor(Probe::fired, &probe);
  auto* second = new SoNodeSensor(Probe::fired, &probe);
  struct Owner {
    SoNodeSensor* first;
    SoNodeSensor* second;
    int calls = 0;
  } owner{first, second};
  // The first delete callback deletes both sensors; the second never hears.
  first->setDeleteCallback(
      [](void* data, SoSensor*) {
        auto* o = static_cast<Owner*>(data);
        ++o->calls;
        delete o->first;
        delete o->second;
      },
      &owner);
  second->setDeleteCallback([](void* data, SoSensor*) { ++static_cast<Owner*>(data)->calls; },
                            &owner);
  first->attach(node);
  second->attach(node);
  node->unref();
  node = nullptr;
  probe.node = nullptr;
  EXPECT_EQ(owner.calls, 1);
}

TEST_F(SoNodeSensorTest, sensorMayDetachItselfOrAnotherWhileFiring) {
  SoNodeSensor first(Probe::fired, &probe), second(Probe::fired, &probe),
      third(Probe::fired, &probe);
  probe.action = [&](SoNodeSensor* s) {
    if (s != &first) return;
    first.detach();
    second.detach();
  };
  first.attach(node);
  second.attach(node);
  third.attach(node);
  node->size = 2;
  ASSERT_EQ(probe.firings.size(), 2u);
  EXPECT_EQ(probe.firings[0].sensor, &first);
  EXPECT_EQ(probe.firings[1].sensor, &third);
  EXPECT_EQ(first.getAttachedNode(), nullptr);
  node->size = 3;
  ASSERT_EQ(probe.firings.size(), 3u);
  EXPECT_EQ(probe.firings[2].sensor, &third);
}

TEST_F(SoNodeSensorTest, sensorMayDeleteItselfOrAnotherWhileFiring) {
  auto* first = new SoNodeSensor(Probe::fired, &probe);
  auto* second = new SoNodeSensor(Probe::fired, &probe);
  SoNodeSensor third(Probe::fired, &probe);
  probe.action = [&](SoNodeSensor* s) {
    if (s != first) return;
    delete second;
    delete first;
  };
  first->attach(node);
  second->attach(node);
  third.attach(node);
  node->size = 2;
  ASSERT_EQ(probe.firings.size(), 2u);
  EXPECT_EQ(probe.firings[1].sensor, &third);
  EXPECT_EQ(node->getNumAuditors(), 1);
}

TEST_F(SoNodeSensorTest, sensorDeletedInNestedFiringIsLeftAloneByOuterOne) {
  auto* sensor = new SoNodeSensor(Probe::fired, &probe);
  probe.action = [&](SoNodeSensor* s) {
    if (s->getTriggerField() == &node->size)
      node->text = "nested";  // fires the sensor again, inside this firing
    else
      delete s;
  };
  sensor->attach(node);
  node->size = 2;
  ASSERT_EQ(probe.firings.size(), 2u);
  EXPECT_EQ(probe.firings[1].trigger, &node->text);
  EXPECT_EQ(node->getNumAuditors(), 0);
}

TEST_F(SoNodeSensorTest, sensorMayDropLastReferenceOfNodeWhileFiring) {
  SoNodeSensor first(Probe::fired, &probe), second(Probe::fired, &probe);
  first.setDeleteCallback(Probe::deleted, &probe);
  probe.action = [&](SoNodeSensor* s) {
    if (s != &first || !node) return;
    SensorTestNode* last = node;
    node = nullptr;
    last->unref();
  };
  first.attach(node);
  second.attach(node);
  SensorTestNode* watched = node;
  watched->size = 7;
  // The second sensor still ran on the living node; then the node went.
  ASSERT_EQ(probe.firings.size(), 2u);
  EXPECT_EQ(probe.firings[1].size, 7.0f);
  EXPECT_EQ(probe.deletes, std::vector<SoSensor*>{&first});
  EXPECT_EQ(second.getAttachedNode(), nullptr);
  probe.node = nullptr;
}

TEST_F(SoNodeSensorTest, destroyedSensorLeavesNode) {
  {
    SoNodeSensor sensor(Probe::fired, &probe);
    sensor.attach(node);
    EXPECT_EQ(node->getNumAuditors(), 1);
  }
  EXPECT_EQ(node->getNumAuditors(), 0);
  node->size = 2;
  EXPECT_TRUE(probe.firings.empty());
}
