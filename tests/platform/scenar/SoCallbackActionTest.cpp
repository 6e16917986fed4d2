// SPDX-License-Identifier: Apache-2.0
// The state-keeping traversal conversions are built on: callbacks around the
// nodes of chosen types, and the state they read.

#include "platform/scenar/actions/SoCallbackAction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoPickStyle.h"
#include "platform/scenar/nodes/SoTranslation.h"
#include "support/ToolkitTestSupport.h"

namespace {

// What a shape saw of the state.
struct Seen {
  std::string name;
  SbVec3f origin;  // the object origin in world coordinates
  int numCoordinates;
  SbColor diffuse;
  float transparency;
  int lightModel;
  int pickStyle;
};

SoCallbackAction::Response recordShape(void* data, SoCallbackAction* action, const SoNode* node) {
  SbVec3f origin;
  action->getModelMatrix().multVecMatrix(SbVec3f(0, 0, 0), origin);
  static_cast<std::vector<Seen>*>(data)->push_back(
      {node->getName().getString(), origin, action->getNumCoordinates(), action->getDiffuseColor(),
       action->getTransparency(), action->getLightModel(), action->getPickStyle()});
  return SoCallbackAction::CONTINUE;
}

// Logs "pre NAME" or "post NAME"; before the node named answering the
// callback answers answer.
struct Log {
  std::vector<std::string> lines;
  std::string answering;
  SoCallbackAction::Response answer = SoCallbackAction::CONTINUE;
};

SoCallbackAction::Callback* logAs(bool pre) {
  if (pre)
    return [](void* data, SoCallbackAction*, const SoNode* node) {
      auto* log = static_cast<Log*>(data);
      log->lines.push_back(std::string("pre ") + node->getName().getString());
      return node->getName() == SbName(log->answering.c_str()) ? log->answer
                                                               : SoCallbackAction::CONTINUE;
    };
  return [](void* data, SoCallbackAction*, const SoNode* node) {
    static_cast<Log*>(data)->lines.push_back(std::string("post ") + node->getName().getString());
    return SoCallbackAction::CONTINUE;
  };
}

class SoCallbackActionTest : public LiveCountTest {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
};

TEST_F(SoCallbackActionTest, shapesSeeTheStateTheirPropertiesSetAndSeparatorsKeepIt) {
  const SoRef root(new SoSeparator);
  auto* inner = new SoSeparator;
  auto* move = new SoTranslation;
  move->translation.setValue(1, 2, 3);
  auto* material = new SoMaterial;
  material->diffuseColor.setValue(SbColor(1, 0, 0));
  material->transparency.setValue(0.25f);
  auto* model = new SoLightModel;
  model->model = SoLightModel::BASE_COLOR;
  auto* pick = new SoPickStyle;
  pick->style = SoPickStyle::UNPICKABLE;
  auto* points = new SoCoordinate3;
  const SbVec3f corners[3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  points->point.setValues(0, 3, corners);
  for (SoNode* node : std::vector<SoNode*>{move, material, model, pick, points})
    inner->addChild(node);
  inner->addChild(named(new SoFaceSet, "faces"));
  root->addChild(inner);
  root->addChild(named(new SoCube, "cube"));

  std::vector<Seen> seen;
  SoCallbackAction action;
  action.addPreCallback(SoShape::getClassTypeId(), recordShape, &seen);
  action.apply(root.get());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].name, "faces");
  EXPECT_EQ(seen[0].origin, SbVec3f(1, 2, 3));
  EXPECT_EQ(seen[0].numCoordinates, 3);
  EXPECT_EQ(seen[0].diffuse, SbColor(1, 0, 0));
  EXPECT_EQ(seen[0].transparency, 0.25f);
  EXPECT_EQ(seen[0].lightModel, SoLightModel::BASE_COLOR);
  EXPECT_EQ(seen[0].pickStyle, SoPickStyle::UNPICKABLE);
  // After the separator: the defaults again.
  EXPECT_EQ(seen[1].origin, SbVec3f(0, 0, 0));
  EXPECT_EQ(seen[1].numCoordinates, 0);
  EXPECT_EQ(seen[1].diffuse, SbColor(0.8f, 0.8f, 0.8f));
  EXPECT_EQ(seen[1].transparency, 0.0f);
  EXPECT_EQ(seen[1].lightModel, SoLightModel::PHONG);
  EXPECT_EQ(seen[1].pickStyle, SoPickStyle::SHAPE);

  // A second application starts from the defaults too.
  seen.clear();
  action.apply(inner->getChild(5));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].numCoordinates, 0);
}

TEST_F(SoCallbackActionTest, callbacksRunAroundEachNodeAndTheirAnswersPruneOrStop) {
  const SoRef root(named(new SoSeparator, "root"));
  auto* group = named(new SoGroup, "group");
  group->addChild(named(new SoCube, "inside"));
  root->addChild(group);
  root->addChild(named(new SoCube, "after"));

  auto run = [&](const char* answering, SoCallbackAction::Response answer) {
    Log log{{}, answering, answer};
    SoCallbackAction action;
    action.addPreCallback(SoNode::getClassTypeId(), logAs(true), &log);
    action.addPostCallback(SoGroup::getClassTypeId(), logAs(false), &log);
    action.apply(root.get());
    return log.lines;
  };
  using Lines = std::vector<std::string>;
  EXPECT_EQ(run("", SoCallbackAction::CONTINUE),
            (Lines{"pre root", "pre group", "pre inside", "post group", "pre after", "post root"}));
  // A pruned group's children and post callbacks do not run.
  EXPECT_EQ(run("group", SoCallbackAction::PRUNE),
            (Lines{"pre root", "pre group", "pre after", "post root"}));
  // An abort stops everything, post callbacks of the nodes above included.
  EXPECT_EQ(run("inside", SoCallbackAction::ABORT), (Lines{"pre root", "pre group", "pre inside"}));
}

}  // namespace
