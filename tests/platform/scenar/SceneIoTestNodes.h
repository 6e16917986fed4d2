// SPDX-License-Identifier: Apache-2.0
#pragma once

// Node classes the scene-file tests read and write.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSFNode.h"
#include "platform/scenar/nodes/SoSubNode.h"

// A node with a field of each kind of value.
class IoTestNode : public SoNode {
  SO_NODE_HEADER(IoTestNode, SoNode);

 public:
  enum Style { SOLID, WIRE, POINTS };
  SoSFFloat size;
  SoSFVec3f position;
  SoSFString label;
  SoSFBool visible;
  SoSFEnum style;
  SoMFFloat values;
  IoTestNode();

 protected:
  ~IoTestNode() override = default;
};

// A node holding nodes in fields, as node kits hold their parts.
class IoTestHolder : public SoNode {
  SO_NODE_HEADER(IoTestHolder, SoNode);

 public:
  SoSFNode part;
  SoSFNode other;
  IoTestHolder();

 protected:
  ~IoTestHolder() override = default;
};

// Runs SoDB::init and registers the classes above.
void initSceneIoTestNodes();

// The text a write action applied to node writes.
std::string writeScene(SoNode* node);

// A test that makes nodes of class Node, each held by one reference until the
// test ends, and checks then that no node made during the test is left.
template <typename Node>
class HeldNodesTest : public ::testing::Test {
 protected:
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override {
    held.clear();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }
  Node* make() {
    auto* node = new Node;
    held.emplace_back(node);
    return node;
  }
  // Releases the reference of a node made by make().
  void drop(SoNode* node) {
    std::erase_if(held, [node](const SoRef<SoNode>& ref) { return ref.get() == node; });
  }

  long live = 0;
  std::vector<SoRef<SoNode>> held;
};
