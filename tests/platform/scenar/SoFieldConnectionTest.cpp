// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "SceneIoTestNodes.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

namespace {

// A node with fields and an output, as a sensor of the browser has, that
// records the changes it hears of.
class LinkNode : public SoNode, private SoNodeAuditor {
  SO_NODE_HEADER(LinkNode, SoNode);
  SO_NODE_OUTPUT_HEADER(LinkNode);

 public:
  SoSFVec3f position;
  SoSFVec3f other;
  SoSFColor color;
  SoSFInt32 number;
  SoSFEnum choice;
  SoSFVec3f position_changed;  // an output

  LinkNode();
  std::vector<SoField*> heard;
  std::function<void(SoField*)> onChange;

 protected:
  ~LinkNode() override { removeAuditor(this); }

 private:
  void nodeChanged(SoNode*, SoField* field) override {
    heard.push_back(field);
    if (onChange) onChange(field);
  }
  void nodeDying(SoNode*) override {}
};

SO_NODE_SOURCE(LinkNode)
SO_NODE_OUTPUT_SOURCE(LinkNode)

void LinkNode::initClass() { SO_NODE_INIT_CLASS(LinkNode, "LinkNode"); }

LinkNode::LinkNode() {
  SO_NODE_CONSTRUCTOR(LinkNode);
  SO_NODE_ADD_FIELD(position, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(other, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(color, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(number, (0));
  SO_NODE_ADD_FIELD(choice, (0));
  SO_NODE_ADD_OUTPUT(position_changed);
  addAuditor(this);
}

class SoFieldConnectionTest : public HeldNodesTest<LinkNode> {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    LinkNode::initClass();
  }
};

}  // namespace

TEST_F(SoFieldConnectionTest, connectedFieldsTakeEveryChangeOfTheirSourceFirst) {
  LinkNode* source = make();
  LinkNode* a = make();
  LinkNode* b = make();
  source->position.setValue(1, 2, 3);
  ASSERT_TRUE(a->position.connectFrom(&source->position));
  ASSERT_TRUE(b->other.connectFrom(&source->position));
  // Connecting takes no value at once.
  EXPECT_TRUE(a->position.isDefault());
  EXPECT_EQ(a->position.getConnectedField(), &source->position);
  std::vector<SoField*> forward;
  EXPECT_EQ(source->position.getForwardConnections(forward), 2);
  EXPECT_EQ(forward, (std::vector<SoField*>{&a->position, &b->other}));

  // The connected fields have the value, and their nodes heard of it, when
  // the source's node hears of the change.
  source->heard.clear();
  source->onChange = [&](SoField*) {
    EXPECT_EQ(a->position.getValue(), SbVec3f(4, 5, 6));
    EXPECT_EQ(b->other.getValue(), SbVec3f(4, 5, 6));
    EXPECT_EQ(a->heard, std::vector<SoField*>{&a->position});
  };
  source->position.setValue(4, 5, 6);
  EXPECT_FALSE(a->position.isDefault());
  EXPECT_EQ(source->heard, std::vector<SoField*>{&source->position});
  EXPECT_EQ(b->heard, std::vector<SoField*>{&b->other});

  // A chain passes a change on to its end, a touch too; a field whose
  // notification is off changes silently.
  LinkNode* end = make();
  end->position.connectFrom(&a->position);
  source->onChange = nullptr;
  source->position.setValue(7, 8, 9);
  EXPECT_EQ(end->position.getValue(), SbVec3f(7, 8, 9));
  end->heard.clear();
  source->position.touch();
  EXPECT_EQ(end->heard, std::vector<SoField*>{&end->position});
  source->position.enableNotify(FALSE);
  source->position.setValue(0, 0, 1);
  EXPECT_EQ(end->position.getValue(), SbVec3f(7, 8, 9));
}

TEST_F(SoFieldConnectionTest, onlyFieldsOfTheSameTypeConnectAndNothingIntoAnOutput) {
  LinkNode* source = make();
  LinkNode* sink = make();
  ASSERT_TRUE(sink->position.connectFrom(&source->other));
  // Each refusal leaves the connection there was.
  EXPECT_FALSE(sink->position.connectFrom(nullptr));
  EXPECT_FALSE(sink->position.connectFrom(&sink->position));
  EXPECT_FALSE(sink->position.connectFrom(&source->color));  // SFColor: another type
  EXPECT_FALSE(sink->number.connectFrom(&source->choice));   // an enum is no SFInt32
  EXPECT_FALSE(sink->position_changed.connectFrom(&source->position));
  EXPECT_EQ(sink->position.getConnectedField(), &source->other);

  // A new source replaces the old one; disconnect leaves it.
  ASSERT_TRUE(sink->position.connectFrom(&source->position_changed));
  source->other.setValue(1, 1, 1);
  EXPECT_TRUE(sink->position.isDefault());
  source->position_changed.setValue(2, 2, 2);
  EXPECT_EQ(sink->position.getValue(), SbVec3f(2, 2, 2));
  sink->position.disconnect();
  EXPECT_FALSE(sink->position.isConnected());
  source->position_changed.setValue(3, 3, 3);
  EXPECT_EQ(sink->position.getValue(), SbVec3f(2, 2, 2));

  // The output is found among the outputs only, and is neither written nor
  // read with the node's fields.
  EXPECT_EQ(source->getOutput("position_changed"), &source->position_changed);
  EXPECT_EQ(source->getField("position_changed"), nullptr);
  SbString text;
  sink->get(text);
  EXPECT_EQ(text.str(), "position 2 2 2\n");
  EXPECT_FALSE(sink->set("position_changed 1 2 3"));
}

TEST_F(SoFieldConnectionTest, ringsAndANodeFedByItsOwnOutputDoNotLoop) {
  // The position connected from the node's own output, as a proximity
  // sensor's centre follows the viewer.
  LinkNode* node = make();
  ASSERT_TRUE(node->position.connectFrom(&node->position_changed));
  node->position_changed.setValue(1, 2, 3);
  EXPECT_EQ(node->position.getValue(), SbVec3f(1, 2, 3));
  EXPECT_EQ(node->heard, (std::vector<SoField*>{&node->position, &node->position_changed}));

  // Two fields connected from each other: a change goes round once.
  LinkNode* a = make();
  LinkNode* b = make();
  ASSERT_TRUE(b->other.connectFrom(&a->other));
  ASSERT_TRUE(a->other.connectFrom(&b->other));
  a->other.setValue(1, 0, 0);
  EXPECT_EQ(b->other.getValue(), SbVec3f(1, 0, 0));
  EXPECT_EQ(a->heard.size(), 1u);
  EXPECT_EQ(b->heard.size(), 1u);
  b->other.setValue(0, 1, 0);
  EXPECT_EQ(a->other.getValue(), SbVec3f(0, 1, 0));
  EXPECT_EQ(a->heard.size(), 2u);
}

TEST_F(SoFieldConnectionTest, deletingEitherEndRemovesTheConnectionEvenDuringAChange) {
  LinkNode* source = make();
  LinkNode* first = make();
  LinkNode* second = make();
  LinkNode* third = make();
  LinkNode* gone = make();
  for (LinkNode* sink : {first, gone, second, third}) sink->position.connectFrom(&source->position);
  drop(gone);
  std::vector<SoField*> forward;
  source->position.getForwardConnections(forward);
  EXPECT_EQ(forward,
            (std::vector<SoField*>{&first->position, &second->position, &third->position}));

  // The first connected node, hearing of a change, drops the last references
  // of the second and of the source's node.
  bool dropped = false;
  first->onChange = [&](SoField*) {
    if (dropped) return;
    dropped = true;
    drop(second);
    drop(source);
  };
  source->position.setValue(1, 2, 3);
  EXPECT_EQ(third->position.getValue(), SbVec3f(1, 2, 3));
  EXPECT_FALSE(third->position.isConnected());
  EXPECT_FALSE(first->position.isConnected());
}
