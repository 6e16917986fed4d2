// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoMFNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SceneIoTestNodes.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/sensors/SoNodeSensor.h"
#include "platform/scenar/vrml/SoVRMLTransform.h"
#include "support/ToolkitTestSupport.h"

namespace {

// The lists of nodes are the children of VRML transforms.
class SoMFNodeTest : public HeldNodesTest<SoVRMLTransform> {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
};

}  // namespace

TEST_F(SoMFNodeTest, editsKeepOneReferencePerEntryNoNullAndNoGap) {
  SoVRMLTransform* list = make();
  SoVRMLTransform* a = make();
  SoVRMLTransform* b = make();
  SoVRMLTransform* c = make();
  SoNodeSensor sensor;
  int changes = 0;
  sensor.setFunction([](void* count, SoSensor*) { ++*static_cast<int*>(count); });
  sensor.setData(&changes);
  sensor.attach(list);

  SoMFNode& items = list->children;
  items.setValue(a);
  items.set1Value(1, b);        // appends
  items.set1Value(3, c);        // a gap: refused
  items.set1Value(0, nullptr);  // NULL: refused
  items.insertValue(-5, c);
  items.insertValue(99, a);
  items.insertValue(0, list);  // itself: refused
  EXPECT_EQ(items.getNodes(), (std::vector<SoNode*>{c, a, b, a}));
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(a->getRefCount(), 3);
  EXPECT_EQ(items.find(a), 1);
  EXPECT_EQ(items[4], nullptr);

  // A node that stays after one of its entries goes is still heard from.
  items.deleteValues(1, 1);
  EXPECT_EQ(items.getNodes(), (std::vector<SoNode*>{c, b, a}));
  changes = 0;
  a->scale.setValue(2, 2, 2);
  EXPECT_EQ(changes, 1);
  items.set1Value(2, b);
  EXPECT_EQ(a->getRefCount(), 1);
  changes = 0;
  a->scale.setValue(3, 3, 3);
  EXPECT_EQ(changes, 0);

  // Copies and connections hold the same nodes, referenced again.
  SoVRMLTransform* other = make();
  other->children.connectFrom(&items);
  items.deleteValues(0, 1);
  EXPECT_TRUE(other->children.isSame(items));
  EXPECT_EQ(b->getRefCount(), 5);
  other->children.copyFrom(a->scale);  // another type: nothing
  EXPECT_EQ(other->children.getNum(), 2);
  items.setValue(nullptr);
  EXPECT_EQ(other->children.getNum(), 0);
  EXPECT_EQ(b->getRefCount(), 1);
}

TEST_F(SoMFNodeTest, sceneFilesKeepTheListAndItsSharing) {
  // In a toolkit graph VRML nodes are written as scene-file nodes under their
  // registered names, without routes.
  auto* root = new SoSeparator;
  held.emplace_back(root);
  SoVRMLTransform* list = make();
  root->addChild(list);
  SoVRMLTransform* shared = make();
  SoVRMLTransform* inner = make();
  inner->children.setValue(shared);
  inner->translation.connectFrom(&shared->translation);
  list->children.setValue(shared);
  list->children.set1Value(1, inner);
  list->children.set1Value(2, shared);
  list->translation.setValue(1, 2, 3);  // written before the list, which comes last
  const std::string text = writeScene(root);
  EXPECT_EQ(text,
            "#Scenar V1.0 ascii\n\n"
            "Separator {\n"
            "  VRMLTransform {\n"
            "    translation 1 2 3\n"
            "    children [\n"
            "      DEF _0 VRMLTransform { }\n"
            "      VRMLTransform {\n"
            "        children [\n"
            "          USE _0\n"
            "        ]\n"
            "      }\n"
            "      USE _0\n"
            "    ]\n"
            "  }\n"
            "}\n");
  SoNode* copy = held.emplace_back(readNode(text)).get();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(writeScene(copy), text);
  const SoMFNode& items =
      static_cast<SoVRMLTransform*>(static_cast<SoGroup*>(copy)->getChild(0))->children;
  ASSERT_EQ(items.getNum(), 3);
  EXPECT_EQ(items[0], items[2]);
  EXPECT_EQ(static_cast<SoVRMLTransform*>(items[1])->children[0], items[0]);

  // Commas and a lone node read too; NULL and an open list do not.
  const struct {
    const char* body;
    bool reads;
  } cases[] = {{"children [VRMLGroup { }, VRMLGroup { }]", true},
               {"children VRMLGroup { }", true},
               {"children [NULL]", false},
               {"children [VRMLGroup { }", false},
               {"children NULL", false}};
  for (const auto& c : cases) {
    SoNode* node = nullptr;
    SoInput input;
    input.setBuffer(std::string("#Scenar V1.0 ascii\nVRMLGroup { ") + c.body + " }");
    EXPECT_EQ(SoDB::read(&input, node), c.reads) << c.body;
    if (node) {
      node->ref();
      node->unref();
    }
  }
}

TEST_F(SoMFNodeTest, textOutsideAFileSharesNamesAndReadsOnlyTheEmptyList) {
  SoVRMLTransform* list = make();
  SoVRMLTransform* a = make();
  list->children.setValue(a);
  list->children.set1Value(1, a);
  SbString text;
  list->children.get(text);
  EXPECT_EQ(text.str(), "[\n  DEF _0 VRMLTransform { }\n  USE _0\n]");
  EXPECT_FALSE(list->children.set("[VRMLGroup { }]"));
  EXPECT_TRUE(list->children.set(" [ ] "));
  EXPECT_EQ(a->getRefCount(), 1);
}

TEST_F(SoMFNodeTest, longRemovalsStopHearingOnlyFromNodesThatLeft) {
  // Removals of many entries at once, some of whose nodes stay in the list.
  SoVRMLTransform* list = make();
  SoNodeSensor sensor;
  int changes = 0;
  sensor.setFunction([](void* count, SoSensor*) { ++*static_cast<int*>(count); });
  sensor.setData(&changes);
  sensor.attach(list);
  std::vector<SoVRMLTransform*> nodes;
  for (int i = 0; i < 20; ++i) nodes.push_back(make());
  SoMFNode& items = list->children;
  for (SoVRMLTransform* node : nodes) items.set1Value(items.getNum(), node);
  items.set1Value(items.getNum(), nodes[3]);  // stays after the removal

  items.deleteValues(0, 20);
  EXPECT_EQ(items.getNodes(), (std::vector<SoNode*>{nodes[3]}));
  changes = 0;
  nodes[3]->scale.setValue(2, 2, 2);
  nodes[4]->scale.setValue(2, 2, 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(nodes[4]->getNumAuditors(), 0);

  // A copy over the list keeps auditing the nodes in both.
  SoVRMLTransform* source = make();
  for (int i = 0; i < 12; ++i) source->children.set1Value(i, nodes[static_cast<std::size_t>(i)]);
  items.copyFrom(source->children);
  items.copyFrom(list->children);  // the same list: nothing leaves
  changes = 0;
  nodes[3]->scale.setValue(3, 3, 3);
  nodes[11]->scale.setValue(3, 3, 3);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(nodes[3]->getRefCount(), 3);
}
