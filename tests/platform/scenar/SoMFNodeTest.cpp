#include "platform/scenar/fields/SoMFNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SceneIoTestNodes.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoSubNode.h"
#include "platform/scenar/sensors/SoNodeSensor.h"

namespace {

// A node holding a list of nodes.
class ListNode : public SoNode {
  SO_NODE_HEADER(ListNode, SoNode);

 public:
  SoMFNode items;
  SoSFFloat size;
  ListNode();

 protected:
  ~ListNode() override = default;
};

SO_NODE_SOURCE(ListNode)

void ListNode::initClass() { SO_NODE_INIT_CLASS(ListNode, "ListNode"); }

ListNode::ListNode() {
  SO_NODE_CONSTRUCTOR(ListNode);
  SO_NODE_ADD_EMPTY_FIELD(items);
  SO_NODE_ADD_FIELD(size, (1.0f));
}

class SoMFNodeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    ListNode::initClass();
  }
  void SetUp() override { live = SoBase::getLiveCount(); }
  void TearDown() override {
    for (SoNode* node : held) node->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }
  ListNode* make() {
    auto* node = new ListNode;
    node->ref();
    held.push_back(node);
    return node;
  }
  static std::vector<SoNode*> nodesOf(const SoMFNode& field) { return field.getNodes(); }

  long live = 0;
  std::vector<SoNode*> held;
};

}  // namespace

TEST_F(SoMFNodeTest, editsKeepOneReferencePerEntryNoNullAndNoGap) {
  ListNode* list = make();
  ListNode* a = make();
  ListNode* b = make();
  ListNode* c = make();
  SoNodeSensor sensor;
  int changes = 0;
  sensor.setFunction([](void* count, SoSensor*) { ++*static_cast<int*>(count); });
  sensor.setData(&changes);
  sensor.attach(list);

  list->items.setValue(a);
  list->items.set1Value(1, b);        // appends
  list->items.set1Value(3, c);        // a gap: refused
  list->items.set1Value(0, nullptr);  // NULL: refused
  list->items.insertValue(-5, c);
  list->items.insertValue(99, a);
  list->items.insertValue(0, list);  // itself: refused
  EXPECT_EQ(nodesOf(list->items), (std::vector<SoNode*>{c, a, b, a}));
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(a->getRefCount(), 3);
  EXPECT_EQ(list->items.find(a), 1);
  EXPECT_EQ(list->items[4], nullptr);
  EXPECT_FALSE(list->items.isDefault());

  // A node that stays after one of its entries goes is still heard from.
  list->items.deleteValues(1, 1);
  EXPECT_EQ(nodesOf(list->items), (std::vector<SoNode*>{c, b, a}));
  changes = 0;
  a->size = 2;
  EXPECT_EQ(changes, 1);
  list->items.set1Value(2, b);
  EXPECT_EQ(a->getRefCount(), 1);
  changes = 0;
  a->size = 3;
  EXPECT_EQ(changes, 0);

  // Copies and connections hold the same nodes, referenced again.
  ListNode* other = make();
  other->items.connectFrom(&list->items);
  list->items.deleteValues(0, 1);
  EXPECT_TRUE(other->items.isSame(list->items));
  EXPECT_EQ(b->getRefCount(), 5);
  other->items.copyFrom(a->size);  // another type: nothing
  EXPECT_EQ(other->items.getNum(), 2);
  list->items.setValue(nullptr);
  EXPECT_EQ(other->items.getNum(), 0);
  EXPECT_EQ(b->getRefCount(), 1);
}

TEST_F(SoMFNodeTest, sceneFilesKeepTheListAndItsSharing) {
  auto* root = new SoSeparator;
  held.push_back(root);
  root->ref();
  ListNode* list = make();
  root->addChild(list);
  list->size = 2;  // written before the list, which comes last
  ListNode* shared = make();
  ListNode* inner = make();
  inner->items.setValue(shared);
  list->items.setValue(shared);
  list->items.set1Value(1, inner);
  list->items.set1Value(2, shared);
  const std::string text = writeScene(root);
  EXPECT_EQ(text,
            "#Scenar V1.0 ascii\n\n"
            "Separator {\n"
            "  ListNode {\n"
            "    size 2\n"
            "    items [\n"
            "      DEF _0 ListNode { }\n"
            "      ListNode {\n"
            "        items [\n"
            "          USE _0\n"
            "        ]\n"
            "      }\n"
            "      USE _0\n"
            "    ]\n"
            "  }\n"
            "}\n");

  SoNode* copy = readScene(text);
  ASSERT_NE(copy, nullptr);
  held.push_back(copy);
  EXPECT_EQ(writeScene(copy), text);
  const SoMFNode& items = static_cast<ListNode*>(static_cast<SoGroup*>(copy)->getChild(0))->items;
  ASSERT_EQ(items.getNum(), 3);
  EXPECT_EQ(items[0], items[2]);
  EXPECT_EQ(static_cast<ListNode*>(items[1])->items[0], items[0]);

  // Commas and a lone node read too; NULL and an open list do not.
  const struct {
    const char* body;
    bool reads;
  } cases[] = {{"items [ListNode { }, ListNode { }]", true},
               {"items ListNode { }", true},
               {"items [NULL]", false},
               {"items [ListNode { }", false},
               {"items NULL", false}};
  for (const auto& c : cases) {
    SoNode* node = nullptr;
    SoInput input;
    input.setBuffer(std::string("#Scenar V1.0 ascii\nListNode { ") + c.body + " }");
    EXPECT_EQ(SoDB::read(&input, node), c.reads) << c.body;
    if (node) {
      node->ref();
      node->unref();
    }
  }
}

TEST_F(SoMFNodeTest, textOutsideAFileSharesNamesAndReadsOnlyTheEmptyList) {
  ListNode* list = make();
  ListNode* a = make();
  list->items.setValue(a);
  list->items.set1Value(1, a);
  SbString text;
  list->items.get(text);
  EXPECT_EQ(text.str(), "[\n  DEF _0 ListNode { }\n  USE _0\n]");
  EXPECT_FALSE(list->items.set("[ListNode { }]"));
  EXPECT_TRUE(list->items.set(" [ ] "));
  EXPECT_EQ(a->getRefCount(), 1);
}
