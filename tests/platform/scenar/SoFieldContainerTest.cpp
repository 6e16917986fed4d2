// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoFieldContainer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

namespace {

class ContainerTestNode : public SoNode {
  SO_NODE_HEADER(ContainerTestNode, SoNode);

 public:
  enum Shape { ROUND = 0, SQUARE = 1 };
  SoSFFloat width;
  SoSFInt32 count;
  SoSFString label;
  SoSFEnum shape;
  SoMFInt32 indices;
  ContainerTestNode();
  ~ContainerTestNode() override = default;
};

const SoEnumEntry kShapes[] = {{"ROUND", ContainerTestNode::ROUND},
                               {"SQUARE", ContainerTestNode::SQUARE}};

SO_NODE_SOURCE(ContainerTestNode)

void ContainerTestNode::initClass() { SO_NODE_INIT_CLASS(ContainerTestNode, "ContainerTestNode"); }

ContainerTestNode::ContainerTestNode() {
  SO_NODE_CONSTRUCTOR(ContainerTestNode);
  SO_NODE_ADD_FIELD(width, (1.0f));
  SO_NODE_ADD_FIELD(count, (0));
  SO_NODE_ADD_FIELD(label, (""));
  SO_NODE_ADD_FIELD(shape, (ROUND));
  SO_NODE_ADD_EMPTY_FIELD(indices);
  shape.setEnums(kShapes, 2);
}

// A second class with some fields of the same names, one of another type.
class OtherTestNode : public SoNode {
  SO_NODE_HEADER(OtherTestNode, SoNode);

 public:
  SoSFFloat width;
  SoSFFloat count;
  SoSFBool extra;
  OtherTestNode();
  ~OtherTestNode() override = default;
};

SO_NODE_SOURCE(OtherTestNode)

void OtherTestNode::initClass() { SO_NODE_INIT_CLASS(OtherTestNode, "OtherTestNode"); }

OtherTestNode::OtherTestNode() {
  SO_NODE_CONSTRUCTOR(OtherTestNode);
  SO_NODE_ADD_FIELD(width, (2.0f));
  SO_NODE_ADD_FIELD(count, (0.0f));
  SO_NODE_ADD_FIELD(extra, (FALSE));
}

class SoFieldContainerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    ContainerTestNode::initClass();
    OtherTestNode::initClass();
  }
  std::string textOf(const SoFieldContainer& node) {
    SbString text;
    node.get(text);
    return text.str();
  }
};

}  // namespace

TEST_F(SoFieldContainerTest, fieldsAreFoundByNameAndNameByField) {
  ContainerTestNode node;
  EXPECT_EQ(node.getField("width"), &node.width);
  EXPECT_EQ(node.getField("indices"), &node.indices);
  EXPECT_EQ(node.getField("nothing"), nullptr);
  SbName name;
  ASSERT_TRUE(node.getFieldName(&node.count, name));
  EXPECT_EQ(name, "count");
  SoSFFloat stranger;
  EXPECT_FALSE(node.getFieldName(&stranger, name));

  std::vector<SoField*> fields;
  EXPECT_EQ(node.getFields(fields), 5);
  EXPECT_EQ(fields, (std::vector<SoField*>{&node.width, &node.count, &node.label, &node.shape,
                                           &node.indices}));
  EXPECT_EQ(node.width.getContainer(), &node);
}

TEST_F(SoFieldContainerTest, everyInstanceFindsItsOwnFields) {
  ContainerTestNode first;
  SoRef second(new ContainerTestNode);
  EXPECT_EQ(second->getField("label"), &second->label);
  EXPECT_EQ(first.getField("label"), &first.label);
  EXPECT_EQ(first.getFieldData(), second->getFieldData());
  second.reset();
  OtherTestNode other;
  EXPECT_EQ(other.getField("extra"), &other.extra);
  EXPECT_EQ(first.getField("extra"), nullptr);
}

TEST_F(SoFieldContainerTest, constructorGivesDefaultsThatAreNotWritten) {
  ContainerTestNode node;
  EXPECT_EQ(node.width.getValue(), 1.0f);
  EXPECT_EQ(node.shape.getValue(), ContainerTestNode::ROUND);
  for (SoField* field : {static_cast<SoField*>(&node.width), static_cast<SoField*>(&node.indices)})
    EXPECT_TRUE(field->isDefault());
  EXPECT_EQ(textOf(node), "");
}

TEST_F(SoFieldContainerTest, setAssignsFieldsByName) {
  ContainerTestNode node;
  SbString error;
  ASSERT_TRUE(node.set("width 2.5 count 3", &error)) << error.str();
  EXPECT_EQ(node.width.getValue(), 2.5f);
  EXPECT_EQ(node.count.getValue(), 3);
  ASSERT_TRUE(node.set("label \"a b\"\nshape SQUARE # comment\nindices [4, 5]", &error))
      << error.str();
  EXPECT_EQ(node.label.getValue(), "a b");
  EXPECT_EQ(node.shape.getValue(), ContainerTestNode::SQUARE);
  EXPECT_EQ(node.indices.getNum(), 2);
  EXPECT_TRUE(node.set(""));
  EXPECT_TRUE(node.set(nullptr));
}

TEST_F(SoFieldContainerTest, setFailsOnUnknownNameWithItInMessage) {
  ContainerTestNode node;
  SbString error;
  EXPECT_FALSE(node.set("width 2 height 3", &error));
  EXPECT_NE(error.str().find("height"), std::string::npos) << error.str();
  EXPECT_EQ(node.width.getValue(), 2.0f);  // fields before the bad one are set
  EXPECT_FALSE(node.set("nothing"));
}

TEST_F(SoFieldContainerTest, setFailsWhereANameShouldStand) {
  ContainerTestNode node;
  for (const char* text : {"\"width\" 2", "width 2 , count 3", "[count] 3", "count 3 }"}) {
    SbString error;
    EXPECT_FALSE(node.set(text, &error)) << text;
    EXPECT_FALSE(error.isEmpty()) << text;
  }
  EXPECT_EQ(node.count.getValue(), 3);
}

TEST_F(SoFieldContainerTest, setFailsOnBadValueNamingTheField) {
  ContainerTestNode node;
  SbString error;
  EXPECT_FALSE(node.set("count abc", &error));
  EXPECT_NE(error.str().find("count"), std::string::npos) << error.str();
  EXPECT_NE(error.str().find("abc"), std::string::npos) << error.str();
  EXPECT_EQ(node.count.getValue(), 0);
  EXPECT_TRUE(node.count.isDefault());
  EXPECT_FALSE(node.set("width", &error));  // a name without a value
  EXPECT_NE(error.str().find("width"), std::string::npos) << error.str();
}

TEST_F(SoFieldContainerTest, getWritesOnlyChangedFieldsAndReadsBack) {
  ContainerTestNode node;
  node.count = 7;
  node.label = "say \"x\"";
  node.indices.set1Value(1, 9);
  std::string text = textOf(node);
  EXPECT_EQ(text, "count 7\nlabel \"say \\\"x\\\"\"\nindices [0, 9]\n");

  ContainerTestNode copy;
  SbString error;
  ASSERT_TRUE(copy.set(text.c_str(), &error)) << error.str();
  EXPECT_EQ(textOf(copy), text);
  EXPECT_TRUE(copy.width.isDefault());

  node.width = 1.0f;  // set to the default value: written all the same
  EXPECT_NE(textOf(node).find("width 1\n"), std::string::npos);
}

TEST_F(SoFieldContainerTest, copyFieldValuesTakesValuesAndDefaultState) {
  ContainerTestNode source;
  source.count = 4;
  source.indices.set("[1, 2, 3]");
  source.shape = ContainerTestNode::SQUARE;
  ContainerTestNode target;
  target.width = 9;
  target.copyFieldValues(&source);

  EXPECT_EQ(target.count.getValue(), 4);
  EXPECT_EQ(target.indices.getNum(), 3);
  EXPECT_EQ(target.shape.getValue(), ContainerTestNode::SQUARE);
  EXPECT_EQ(target.width.getValue(), 1.0f);
  EXPECT_TRUE(target.width.isDefault());
  EXPECT_EQ(textOf(target), textOf(source));
  target.copyFieldValues(nullptr);
  EXPECT_EQ(textOf(target), textOf(source));
}

TEST_F(SoFieldContainerTest, copyFieldValuesBetweenClassesMatchesNameAndType) {
  OtherTestNode source;
  source.width = 5;
  source.count = 6;  // a float here, an int32 in the target: left alone
  source.extra = TRUE;
  ContainerTestNode target;
  target.copyFieldValues(&source);
  EXPECT_EQ(target.width.getValue(), 5.0f);
  EXPECT_EQ(target.count.getValue(), 0);
  EXPECT_TRUE(target.count.isDefault());
}
