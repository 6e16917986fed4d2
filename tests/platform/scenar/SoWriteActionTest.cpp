// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoWriteAction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "SceneIoTestNodes.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoPath.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "support/TestFolder.h"

namespace {

class SoWriteActionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { initSceneIoTestNodes(); }
  void SetUp() override {
    live = SoBase::getLiveCount();
    root = new SoSeparator;
    root->ref();
  }
  void TearDown() override {
    root->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live);
  }

  static std::string write(SoNode* node) {
    SoWriteAction action;
    action.apply(node);
    return action.getOutput()->getBuffer();
  }
  // Reads text back, checks that it writes as text again and returns it held.
  static SoRef<SoGroup> readBack(const std::string& text) {
    SoInput in;
    in.setBuffer(text);
    SoNode* copy = nullptr;
    EXPECT_TRUE(SoDB::read(&in, copy)) << in.getErrorMessage().str();
    SoRef held(static_cast<SoGroup*>(copy));
    if (copy) {
      EXPECT_EQ(write(copy), text);
    }
    return held;
  }
  template <typename T>
  static T* add(SoGroup* parent, T* node) {
    parent->addChild(node);
    return node;
  }

  long live = 0;
  SoSeparator* root = nullptr;
};

}  // namespace

TEST_F(SoWriteActionTest, writesTheSceneFileFormat) {
  auto* shared = add(root, new IoTestNode);
  shared->size = 2;
  shared->position.setValue(0, 0, 5);
  add(root, new SoGroup)->addChild(shared);
  auto* inner = new IoTestHolder;
  add(root, new IoTestHolder)->part = inner;
  inner->part = new IoTestNode;
  add(root, new SoGroup);
  EXPECT_EQ(write(root),
            "#Scenar V1.0 ascii\n\n"
            "Separator {\n"
            "  DEF _0 IoTestNode {\n"
            "    size 2\n"
            "    position 0 0 5\n"
            "  }\n"
            "  Group {\n"
            "    USE _0\n"
            "  }\n"
            "  IoTestHolder {\n"
            "    part IoTestHolder {\n"
            "      part IoTestNode { }\n"
            "    }\n"
            "  }\n"
            "  Group { }\n"
            "}\n");
}

TEST_F(SoWriteActionTest, readBackGivesAnEqualScene) {
  auto* a = add(root, new IoTestNode);
  a->size = 0.1f;
  a->position.setValue(1e-38f, std::numeric_limits<float>::max(), -0.0f);
  a->label = "quote \" backslash \\ line\nbreak # not a comment";
  a->visible = FALSE;
  a->style = IoTestNode::POINTS;
  const float values[] = {1.0f / 3, 16777217.0f, std::numeric_limits<float>::denorm_min()};
  a->values.setValues(0, 3, values);
  add(root, new IoTestNode)->values.setNum(0);                     // an empty list, not the default
  add(add(root, new SoGroup), new IoTestHolder)->other = nullptr;  // NULL, not the default

  const SoRef copy = readBack(write(root));
  ASSERT_TRUE(copy);
  auto* a2 = static_cast<IoTestNode*>(copy->getChild(0));
  std::vector<SoField*> fields;
  a->getFields(fields);
  for (SoField* field : fields) {
    SbName name;
    a->getFieldName(field, name);
    EXPECT_TRUE(field->isSame(*a2->getField(name))) << name.getString();
  }
  EXPECT_TRUE(std::signbit(a2->position.getValue()[2]));
  EXPECT_FALSE(static_cast<IoTestNode*>(copy->getChild(1))->values.isDefault());
  EXPECT_TRUE(static_cast<IoTestNode*>(copy->getChild(1))->size.isDefault());
}

TEST_F(SoWriteActionTest, sharingAndNamesSurviveTheRoundTrip) {
  // one node as a child, a part and a part of a part; a shared subgraph
  auto* node = add(root, new IoTestNode);
  auto* holder = add(root, new IoTestHolder);
  holder->part = node;
  auto* inner = new IoTestHolder;
  holder->other = inner;
  inner->part = node;
  auto* sub = add(root, new SoGroup);
  add(sub, new SoGroup)->addChild(inner);
  root->addChild(sub);
  // valid own names are kept, once each; made-up names avoid them
  auto* invalid = add(root, new IoTestNode);
  invalid->setName("not valid");
  root->addChild(invalid);
  add(root, new IoTestNode)->setName("_0");
  add(root, new IoTestNode)->setName("single");
  auto* twin = add(root, new IoTestNode);
  twin->setName("single");
  root->addChild(twin);

  const std::string text = write(root);
  EXPECT_EQ(text,
            "#Scenar V1.0 ascii\n\nSeparator {\n"
            "  DEF _1 IoTestNode { }\n"
            "  IoTestHolder {\n    part USE _1\n    other DEF _2 IoTestHolder {\n"
            "      part USE _1\n    }\n  }\n"
            "  DEF _3 Group {\n    Group {\n      USE _2\n    }\n  }\n  USE _3\n"
            "  DEF _4 IoTestNode { }\n  USE _4\n"
            "  DEF _0 IoTestNode { }\n"
            "  DEF single IoTestNode { }\n"
            "  DEF _5 IoTestNode { }\n  USE _5\n}\n");
  const SoRef copy = readBack(text);
  ASSERT_TRUE(copy);
  SoNode* node2 = copy->getChild(0);
  auto* holder2 = static_cast<IoTestHolder*>(copy->getChild(1));
  auto* inner2 = static_cast<IoTestHolder*>(holder2->other.getValue());
  auto* sub2 = static_cast<SoGroup*>(copy->getChild(2));
  EXPECT_EQ(holder2->part.getValue(), node2);
  EXPECT_EQ(inner2->part.getValue(), node2);
  EXPECT_EQ(static_cast<SoGroup*>(sub2->getChild(0))->getChild(0), inner2);
  EXPECT_EQ(copy->getChild(3), sub2);
  EXPECT_EQ(node2->getRefCount(), node->getRefCount());
  EXPECT_EQ(copy->getChild(4), copy->getChild(5));
  EXPECT_EQ(copy->getChild(8), copy->getChild(9));
  EXPECT_TRUE(copy->getChild(7)->getName() == "single");
}

TEST_F(SoWriteActionTest, writesToFilesAndBuffersUnderOneHeader) {
  auto* node = add(root, new IoTestNode);
  node->size = 3;
  SoOutput out;
  SoWriteAction action(&out);
  action.apply(node);
  action.apply(node);
  EXPECT_EQ(out.getBuffer(),
            "#Scenar V1.0 ascii\n\nIoTestNode {\n  size 3\n}\n\nIoTestNode {\n  size 3\n}\n");
  out.setBuffer();
  out.setHeaderEnabled(FALSE);
  action.apply(node);
  EXPECT_EQ(out.getBuffer(), "IoTestNode {\n  size 3\n}\n");

  const TestFolder folder("scenar");
  const std::string path = (folder.path() / "written.scn").string();
  ASSERT_TRUE(out.openFile(path.c_str()));
  out.setHeaderEnabled(TRUE);
  action.apply(node);
  EXPECT_TRUE(out.closeFile());
  SoInput in;
  ASSERT_TRUE(in.openFile(path.c_str()));
  SoSeparator* all = SoDB::readAll(&in);
  ASSERT_NE(all, nullptr) << in.getErrorMessage().str();
  all->ref();
  EXPECT_EQ(static_cast<IoTestNode*>(all->getChild(0))->size.getValue(), 3.0f);
  all->unref();
  EXPECT_FALSE(out.openFile((folder.path() / "none" / "x.scn").string().c_str()));
  EXPECT_TRUE(out.isToBuffer());
}

TEST_F(SoWriteActionTest, topLevelNodesOfOneFileShareTheirNodes) {
  auto* shared = new IoTestNode;
  auto* first = add(root, new IoTestHolder);
  auto* second = add(root, new IoTestHolder);
  first->part = shared;
  second->part = shared;
  SoNode* const tops[] = {first, second};
  SoWriteAction action;
  action.applyToTopLevel(tops);
  const std::string text = action.getOutput()->getBuffer();
  EXPECT_EQ(text,
            "#Scenar V1.0 ascii\n\nIoTestHolder {\n  part DEF _0 IoTestNode { }\n}\n\n"
            "IoTestHolder {\n  part USE _0\n}\n");
  EXPECT_EQ(SoWriteAction::measure(tops).expansion, 4u);

  SoInput in;
  in.setBuffer(text);
  const SoRef<SoSeparator> all(SoDB::readAll(&in));
  ASSERT_TRUE(all);
  EXPECT_EQ(static_cast<IoTestHolder*>(all->getChild(0))->part.getValue(),
            static_cast<IoTestHolder*>(all->getChild(1))->part.getValue());
}

TEST_F(SoWriteActionTest, nodeFieldTextIsTheNodeOutsideAWriteToo) {
  auto* holder = add(root, new IoTestHolder);
  SbString text;
  holder->part.get(text);
  EXPECT_EQ(text.str(), "NULL");
  auto* node = new IoTestNode;
  node->size = 3;
  holder->part = node;
  holder->other = node;
  holder->part.get(text);
  EXPECT_EQ(text.str(), "IoTestNode {\n  size 3\n}");
}

TEST_F(SoWriteActionTest, childrenGoThroughTheMethodListAndPaths) {
  static int calls = 0;
  SoWriteAction::addMethod(IoTestNode::getClassTypeId(), [](SoAction* action, SoNode* node) {
    ++calls;
    node->write(static_cast<SoWriteAction*>(action));
  });
  add(root, new IoTestNode);
  auto* group = add(root, new SoGroup);
  add(group, new IoTestNode);
  add(group, new IoTestNode)->size = 4;
  const SoRef path(new SoPath(root));
  path->append(1);
  path->append(1);
  SoWriteAction action;
  action.apply(path.get());
  EXPECT_EQ(action.getOutput()->getBuffer(),
            "#Scenar V1.0 ascii\n\nSeparator {\n  Group {\n    IoTestNode {\n      size 4\n"
            "    }\n  }\n}\n");
  EXPECT_EQ(calls, 2);  // the path's tail, once in each pass
}

TEST_F(SoWriteActionTest, deepestReadableSceneRoundTrips) {
  SoGroup* deep = new SoGroup;  // built from the bottom up: no change climbs a long chain
  for (int i = 1; i < SoInput::kMaxDepth; ++i) {
    auto* parent = new SoGroup;
    parent->addChild(deep);
    deep = parent;
  }
  root->addChild(deep);
  EXPECT_EQ(SoWriteAction::measure(deep).depth, SoInput::kMaxDepth);
  EXPECT_TRUE(readBack(write(deep)));

  // one level more is what the reader refuses, and what measure tells
  auto* deeper = add(root, new SoGroup);
  deeper->addChild(deep);
  EXPECT_EQ(SoWriteAction::measure(deeper).depth, SoInput::kMaxDepth + 1);
  SoInput in;
  in.setBuffer(write(deeper));
  EXPECT_EQ(SoDB::readAll(&in), nullptr);
  EXPECT_NE(in.getErrorMessage().str().find("nesting deeper than 1000 levels"), std::string::npos);
}

// What measure tells of a graph read is what the reader counts of its text.
TEST_F(SoWriteActionTest, measuresTheExtentTheReaderCountsOfItsText) {
  const std::pair<const char*, int> cases[] = {
      {"Group { Group { IoTestNode { } } }", 3},
      // a node used again adds what it expands to, but no depth
      {"Separator { DEF a Group { Group { } } USE a Group { USE a IoTestNode { } } }", 3},
      {"Separator { Group { DEF a Group { } } Group { Group { Group { USE a } } } }", 4},
      // parts count; NULL does not
      {"IoTestHolder { part IoTestHolder { part IoTestNode { } other NULL } }", 3},
  };
  for (const auto& [body, depth] : cases) {
    SCOPED_TRACE(body);
    SoInput in;
    in.setBuffer(std::string("#Scenar V1.0 ascii\n") + body);
    SoNode* node = nullptr;
    ASSERT_TRUE(SoDB::read(&in, node));
    const SoRef held(node);
    const SoWriteAction::Extent extent = SoWriteAction::measure(node);
    EXPECT_EQ(extent.depth, depth);
    EXPECT_EQ(extent.expansion, in.getExpansion());
    SoWriteAction action;  // a write finds the same
    action.apply(node);
    EXPECT_EQ(action.getExtent().depth, depth);
    EXPECT_EQ(action.getExtent().expansion, in.getExpansion());
  }
  // a graph written in another format is no scene file
  EXPECT_TRUE(SoWriteAction::measure(root).sceneFile);
  const SoRef<SoNode> world(new SoVRMLGroup);
  EXPECT_FALSE(SoWriteAction::measure(world.get()).sceneFile);
}
