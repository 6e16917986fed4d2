#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

namespace {

// A node with fields and outputs, as a sensor of the browser has.
class LinkNode : public SoNode, private SoNodeAuditor {
  SO_NODE_HEADER(LinkNode, SoNode);
  SO_NODE_OUTPUT_HEADER(LinkNode);

 public:
  SoSFVec3f position;
  SoSFVec3f other;
  SoSFColor color;
  SoSFInt32 number;
  SoSFEnum choice;
  SoSFRotation turn;
  SoSFVec3f position_changed;  // outputs
  SoSFRotation turn_changed;

  LinkNode();
  // Field changes this node heard of, in order, and what to do on each.
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
  SO_NODE_ADD_FIELD(turn, (SbRotation()));
  SO_NODE_ADD_OUTPUT(position_changed);
  SO_NODE_ADD_OUTPUT(turn_changed);
  addAuditor(this);
}

class SoFieldConnectionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    LinkNode::initClass();
  }
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override {
    for (LinkNode* node : nodes) node->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }
  LinkNode* make() {
    nodes.push_back(new LinkNode);
    nodes.back()->ref();
    return nodes.back();
  }
  // Unreferences the node made by make(): it is deleted.
  void drop(LinkNode* node) {
    std::erase(nodes, node);
    node->unref();
  }

  long live = 0;
  std::vector<LinkNode*> nodes;
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
  EXPECT_FALSE(sink->position_changed.isConnected());

  // A new source replaces the old one; disconnect leaves it.
  ASSERT_TRUE(sink->position.connectFrom(&source->position_changed));
  source->other.setValue(1, 1, 1);
  EXPECT_TRUE(sink->position.isDefault());
  source->position_changed.setValue(2, 2, 2);
  EXPECT_EQ(sink->position.getValue(), SbVec3f(2, 2, 2));
  sink->position.disconnect();
  sink->position.disconnect();
  EXPECT_FALSE(sink->position.isConnected());
  std::vector<SoField*> forward;
  EXPECT_EQ(source->position_changed.getForwardConnections(forward), 0);
  source->position_changed.setValue(3, 3, 3);
  EXPECT_EQ(sink->position.getValue(), SbVec3f(2, 2, 2));
}

TEST_F(SoFieldConnectionTest, outputsAreListedApartFromTheFields) {
  LinkNode* node = make();
  EXPECT_EQ(node->getOutput("position_changed"), &node->position_changed);
  EXPECT_EQ(node->getField("position_changed"), nullptr);
  EXPECT_EQ(node->getOutput("position"), nullptr);
  SbName name;
  EXPECT_TRUE(node->getOutputName(&node->turn_changed, name));
  EXPECT_EQ(name, "turn_changed");
  EXPECT_FALSE(node->getFieldName(&node->turn_changed, name));
  // Neither read nor written with the node.
  node->position_changed.setValue(1, 2, 3);
  SbString text;
  node->get(text);
  EXPECT_EQ(text.str(), "");
  EXPECT_FALSE(node->set("position_changed 1 2 3"));
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
  ASSERT_TRUE(b->turn.connectFrom(&a->turn));
  ASSERT_TRUE(a->turn.connectFrom(&b->turn));
  const SbRotation quarter(SbVec3f(0, 0, 1), 1.5707964f);
  a->turn.setValue(quarter);
  EXPECT_EQ(b->turn.getValue(), quarter);
  EXPECT_EQ(a->heard.size(), 1u);
  EXPECT_EQ(b->heard.size(), 1u);
  b->turn.setValue(SbRotation());
  EXPECT_EQ(a->turn.getValue(), SbRotation());
  EXPECT_EQ(a->heard.size(), 2u);
}

TEST_F(SoFieldConnectionTest, deletingEitherEndRemovesTheConnection) {
  LinkNode* source = make();
  LinkNode* sink = make();
  LinkNode* other = make();
  sink->position.connectFrom(&source->position);
  other->position.connectFrom(&source->position);
  drop(sink);
  std::vector<SoField*> forward;
  source->position.getForwardConnections(forward);
  EXPECT_EQ(forward, std::vector<SoField*>{&other->position});
  source->position.setValue(1, 0, 0);
  drop(source);
  EXPECT_FALSE(other->position.isConnected());
  EXPECT_EQ(other->position.getValue(), SbVec3f(1, 0, 0));
}

TEST_F(SoFieldConnectionTest, aChangeThatDeletesNodesOnTheWayIsSafe) {
  // The first connected node, hearing of the change, drops the last
  // references of the source's node and of the second connected node.
  LinkNode* source = make();
  LinkNode* first = make();
  LinkNode* second = make();
  first->position.connectFrom(&source->position);
  second->position.connectFrom(&source->position);
  LinkNode* third = make();
  third->position.connectFrom(&source->position);
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
