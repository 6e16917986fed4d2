// SPDX-License-Identifier: Apache-2.0
// The conversion of toolkit scenes to VRML 2.0 graphs: what each class
// becomes, where shapes end up, the world's leading nodes, the settings, the
// worker and the results the action keeps.

#include "platform/scenar/vrml/SoToVRML2Action.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "SceneIoTestNodes.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ConversionScenes.h"
#include "support/ToolkitTestSupport.h"

namespace {

class SoToVRML2ActionTest : public LiveCountTest {
 protected:
  static void SetUpTestSuite() { initSceneIoTestNodes(); }
};

// The converted scene: the one child of the result's root.
SoVRMLGroup* convertedScene(const SoToVRML2Action& action) {
  return dynamic_cast<SoVRMLGroup*>(action.getVRML2SceneGraph()->getChild(0));
}

template <typename T>
T* childAs(const SoVRMLGroup* group, int index) {
  return dynamic_cast<T*>(group->getChild(index));
}

// What the node applied to, a group, became: the child after the world's
// two leading nodes.
SoVRMLGroup* convertedRoot(const SoToVRML2Action& action) {
  SoVRMLGroup* scene = convertedScene(action);
  EXPECT_EQ(scene->getNumChildren(), 3);
  return childAs<SoVRMLGroup>(scene, 2);
}

SoVRMLMaterial* materialOf(const SoVRMLShape* shape) {
  return static_cast<SoVRMLMaterial*>(
      static_cast<SoVRMLAppearance*>(shape->appearance.getValue())->material.getValue());
}

std::vector<int32_t> indicesOf(const SoVRMLShape* shape) {
  const auto* set = static_cast<SoVRMLIndexedShape*>(shape->geometry.getValue());
  return std::vector<int32_t>(set->coordIndex.getValues(0),
                              set->coordIndex.getValues(0) + set->coordIndex.getNum());
}

// The object-to-world matrix of every shape of a VRML graph, in order.
void collectVRMLShapes(const SoNode* node, const SbMatrix& above, std::vector<SbMatrix>& out) {
  if (dynamic_cast<const SoVRMLShape*>(node)) out.push_back(above);
  const auto* group = dynamic_cast<const SoVRMLGroup*>(node);
  if (!group) return;
  SbMatrix matrix = above;
  if (const auto* transform = dynamic_cast<const SoVRMLTransform*>(node))
    matrix = transform->getTransformMatrix() * above;
  for (int i = 0; i < group->getNumChildren(); ++i)
    collectVRMLShapes(group->getChild(i), matrix, out);
}

// The same for a toolkit scene, as its traversal places them.
std::vector<SbMatrix> toolkitShapes(SoNode* scene) {
  std::vector<SbMatrix> out;
  SoCallbackAction action;
  action.addPreCallback(
      SoShape::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoNode*) {
        static_cast<std::vector<SbMatrix>*>(data)->push_back(a->getModelMatrix());
        return SoCallbackAction::CONTINUE;
      },
      &out);
  action.apply(scene);
  return out;
}

// Expects the shapes of the action's result where the toolkit draws those of
// root, the scene it converted; returns how many the result has.
std::size_t expectShapesWhereDrawn(const SoToVRML2Action& action, SoNode* root) {
  std::vector<SbMatrix> converted;
  collectVRMLShapes(action.getVRML2SceneGraph(), SbMatrix(), converted);
  const std::vector<SbMatrix> drawn = toolkitShapes(root);
  EXPECT_EQ(drawn.size(), converted.size());
  for (std::size_t i = 0; i < std::min(drawn.size(), converted.size()); ++i)
    EXPECT_TRUE(converted[i].equals(drawn[i], 1e-5f)) << "shape " << i;
  return converted.size();
}

TEST_F(SoToVRML2ActionTest, everyToolkitClassBecomesWhatStandsForItInVRML) {
  int calls = 0;
  const SoRef root(makeEveryClassScene(new IoTestNode, &calls));
  SoToVRML2Action action;
  action.apply(root.get());
  EXPECT_EQ(calls, 1);
  SoVRMLGroup* scene = convertedRoot(action);
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->getNumChildren(), 7);

  // Faces and lines over the same coordinates share them; faces are lit,
  // lines show their colour as emissive.
  auto* faceShape = childAs<SoVRMLShape>(scene, 0);
  auto* lineShape = childAs<SoVRMLShape>(scene, 1);
  ASSERT_TRUE(faceShape && lineShape);
  // The second face, of two points, and the line of one point are left out.
  auto* faceSet = dynamic_cast<SoVRMLIndexedFaceSet*>(faceShape->geometry.getValue());
  auto* lineSet = dynamic_cast<SoVRMLIndexedLineSet*>(lineShape->geometry.getValue());
  ASSERT_TRUE(faceSet && lineSet);
  EXPECT_EQ(indicesOf(faceShape), (std::vector<int32_t>{0, 1, 2, -1}));
  EXPECT_EQ(indicesOf(lineShape), (std::vector<int32_t>{0, 1, -1, 3, 4, -1}));
  EXPECT_EQ(faceSet->coord.getValue(), lineSet->coord.getValue());
  EXPECT_EQ(static_cast<SoVRMLCoordinate*>(faceSet->coord.getValue())->point.getNum(), 5);
  EXPECT_FALSE(faceSet->solid.getValue());
  EXPECT_EQ(materialOf(faceShape)->diffuseColor.getValue(), SbColor(1, 0, 0));
  EXPECT_EQ(materialOf(faceShape)->transparency.getValue(), 0.5f);
  EXPECT_EQ(materialOf(lineShape)->emissiveColor.getValue(), SbColor(1, 0, 0));
  EXPECT_EQ(materialOf(lineShape)->diffuseColor.getValue(), SbColor(0, 0, 0));

  // The separator: a group; under BASE_COLOR the cube's colour is emissive.
  auto* unlitGroup = childAs<SoVRMLGroup>(scene, 2);
  ASSERT_TRUE(unlitGroup && unlitGroup->getNumChildren() == 1);
  auto* box = childAs<SoVRMLShape>(unlitGroup, 0);
  ASSERT_TRUE(box);
  EXPECT_EQ(materialOf(box)->emissiveColor.getValue(), SbColor(1, 0, 0));
  const auto* boxFaces = static_cast<SoVRMLIndexedFaceSet*>(box->geometry.getValue());
  EXPECT_TRUE(boxFaces->solid.getValue());
  EXPECT_EQ(indicesOf(box).size(), 30u);
  const SoMFVec3f& corners = static_cast<SoVRMLCoordinate*>(boxFaces->coord.getValue())->point;
  ASSERT_EQ(corners.getNum(), 8);
  EXPECT_EQ(corners[0], SbVec3f(-1, -2, -3));
  EXPECT_EQ(corners[6], SbVec3f(1, 2, 3));

  // The annotation and the kit are groups; what the kit's material set
  // colours the cube after it.
  EXPECT_EQ(childAs<SoVRMLGroup>(scene, 3)->getNumChildren(), 0);
  EXPECT_EQ(childAs<SoVRMLGroup>(scene, 4)->getNumChildren(), 0);
  auto* blue = childAs<SoVRMLShape>(scene, 5);
  ASSERT_TRUE(blue);
  EXPECT_EQ(materialOf(blue)->diffuseColor.getValue(), SbColor(0, 0, 1));
  // A class the conversion does not know: an empty group.
  auto* unknown = childAs<SoVRMLGroup>(scene, 6);
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->getNumChildren(), 0);
}

TEST_F(SoToVRML2ActionTest, shapesLandWhereTheToolkitDrawsThemWhateverGroupsTheTransformsSitIn) {
  const SoRef root(makeTransformScene());
  SoToVRML2Action action;
  action.apply(root.get());
  EXPECT_EQ(expectShapesWhereDrawn(action, root.get()), 5u);
}

TEST_F(SoToVRML2ActionTest, theWorldsTwoLeadingNodesComeFromTheSettingsAndNothingElseIsAhead) {
  const SoRef root(new SoSeparator);
  root->addChild(makeCube(1, 1, 1));
  root->addChild(new SoGroup);

  SoToVRML2Action action;
  action.setWorldTitle("Plot \"one\"");
  action.setNavigationType("WALK");
  action.setHeadlight(FALSE);
  action.apply(root.get());
  SoVRMLGroup* scene = convertedScene(action);
  ASSERT_EQ(action.getVRML2SceneGraph()->getNumChildren(), 1);
  ASSERT_EQ(scene->getNumChildren(), 3);
  EXPECT_EQ(childAs<SoVRMLWorldInfo>(scene, 0)->title.getValue(), "Plot \"one\"");
  auto* navigation = childAs<SoVRMLNavigationInfo>(scene, 1);
  ASSERT_EQ(navigation->type.getNum(), 1);
  EXPECT_EQ(navigation->type[0], "WALK");
  EXPECT_FALSE(navigation->headlight.getValue());

  // Removing the first child twice leaves exactly what the scene made.
  auto* converted = childAs<SoVRMLGroup>(scene, 2);
  ASSERT_TRUE(converted);
  EXPECT_EQ(converted->getNumChildren(), 2);
  scene->removeChild(0);
  scene->removeChild(0);
  ASSERT_EQ(scene->getNumChildren(), 1);
  EXPECT_EQ(scene->getChild(0), converted);
  EXPECT_EQ(converted->getNumChildren(), 2);

  // Nothing to convert: the two alone.
  SoConvertGutsVRML2 guts;
  const SoRef empty(guts.convertScenarToVRML2(nullptr));
  EXPECT_EQ(empty->getNumChildren(), 2);
}

TEST_F(SoToVRML2ActionTest, settingsDecideSharingAndFacesAndAreAllACopyTakes) {
  const SoRef root(new SoSeparator);
  auto* points = new SoCoordinate3;
  const SbVec3f three[3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  points->point.setValues(0, 3, three);
  root->addChild(points);
  root->addChild(new SoFaceSet);
  root->addChild(new SoFaceSet);
  // Colours beyond [0, 1] are clamped.
  root->addChild(makeMaterial(SbColor(2, -1, NAN)));
  root->addChild(new SoFaceSet);

  SoToVRML2Action action;
  action.setShareNodes(FALSE);
  action.setSolidFaces(TRUE);
  action.setCreaseAngle(-1.0f);
  EXPECT_EQ(action.getCreaseAngle(), 0.0f);
  action.setCreaseAngle(100.0f);
  EXPECT_FLOAT_EQ(action.getCreaseAngle(), 3.14159265f);
  action.setCreaseAngle(0.5f);
  action.apply(root.get());
  SoVRMLGroup* scene = convertedRoot(action);
  ASSERT_EQ(scene->getNumChildren(), 3);
  auto* first = childAs<SoVRMLShape>(scene, 0);
  auto* second = childAs<SoVRMLShape>(scene, 1);
  auto* firstFaces = static_cast<SoVRMLIndexedFaceSet*>(first->geometry.getValue());
  auto* secondFaces = static_cast<SoVRMLIndexedFaceSet*>(second->geometry.getValue());
  EXPECT_NE(firstFaces->coord.getValue(), secondFaces->coord.getValue());
  EXPECT_NE(first->appearance.getValue(), second->appearance.getValue());
  EXPECT_TRUE(firstFaces->solid.getValue());
  EXPECT_EQ(firstFaces->creaseAngle.getValue(), 0.5f);
  EXPECT_EQ(materialOf(childAs<SoVRMLShape>(scene, 2))->diffuseColor.getValue(), SbColor(1, 0, 0));

  // A copy and an assignment take the settings, never the result.
  SoToVRML2Action copy(action);
  EXPECT_FALSE(copy.getShareNodes());
  EXPECT_EQ(copy.getCreaseAngle(), 0.5f);
  EXPECT_EQ(copy.getVRML2SceneGraph(), nullptr);
  EXPECT_EQ(copy.getIntermediateSceneGraph(), nullptr);
  copy.apply(root.get());
  SoVRMLGroup* copied = copy.getVRML2SceneGraph();
  SoToVRML2Action plain;
  copy = plain;
  EXPECT_TRUE(copy.getShareNodes());
  EXPECT_EQ(copy.getVRML2SceneGraph(), copied);
  EXPECT_EQ(convertedRoot(action), scene);
}

TEST_F(SoToVRML2ActionTest, theClassesRegisterAgainAfterExitClassAndConvertAsBefore) {
  SoToVRML2Action::exitClass();
  SoToVRMLAction::exitClass();
  EXPECT_TRUE(SoType::fromName("ToVRML2Action").isBad());
  SoToVRML2Action::initClass();
  EXPECT_TRUE(SoToVRML2Action::getClassTypeId().isDerivedFrom(SoToVRMLAction::getClassTypeId()));
  EXPECT_TRUE(SoToVRML2Action::getClassEnabledElements()->isEnabled(
      SoModelMatrixElement::getClassStackIndex()));
  const SoRef box(makeCube(1, 1, 1));
  SoToVRML2Action action;
  action.apply(box.get());
  EXPECT_TRUE(childAs<SoVRMLShape>(convertedScene(action), 2));
}

// A separator met again stands for the group made the first time while
// what it inherits converts alike; shapes still land where the toolkit draws
// them, and a separator holding a callback node is converted at each meeting.
TEST_F(SoToVRML2ActionTest, aSeparatorMetAgainAsBeforeIsOneGroupAndUnderAnotherColourAnother) {
  //   root: shared, move, shared, red, shared, calling, calling
  const SoRef root(new SoSeparator);
  auto* shared = new SoSeparator;
  auto* up = new SoTranslation;
  up->translation.setValue(0, 1, 0);
  shared->addChild(up);
  shared->addChild(makeCube(1, 1, 1));
  auto* move = new SoTranslation;
  move->translation.setValue(2, 0, 0);
  int calls = 0;
  auto* calling = new SoSeparator;
  auto* callback = new SoCallback;
  callback->setCallback([](void* count, SoAction*) { ++*static_cast<int*>(count); }, &calls);
  calling->addChild(callback);
  for (SoNode* node : std::vector<SoNode*>{shared, move, shared, makeMaterial(SbColor(1, 0, 0)),
                                           shared, calling, calling})
    root->addChild(node);

  SoToVRML2Action action;
  action.apply(root.get());
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(expectShapesWhereDrawn(action, root.get()), 3u);

  //   scene: first, Transform (first, red, calling, calling)
  SoVRMLGroup* scene = convertedRoot(action);
  auto* first = childAs<SoVRMLGroup>(scene, 0);
  auto* moved = childAs<SoVRMLTransform>(scene, 1);
  ASSERT_TRUE(first && moved && moved->getNumChildren() == 4);
  auto* red = childAs<SoVRMLGroup>(moved, 1);
  EXPECT_EQ(moved->getChild(0), first);
  EXPECT_NE(red, first);
  EXPECT_NE(moved->getChild(2), moved->getChild(3));
  auto colourIn = [](SoVRMLGroup* holder) {
    return materialOf(childAs<SoVRMLShape>(childAs<SoVRMLTransform>(holder, 0), 0))
        ->diffuseColor.getValue();
  };
  EXPECT_EQ(colourIn(first), SbColor(0.8f, 0.8f, 0.8f));
  EXPECT_EQ(colourIn(red), SbColor(1, 0, 0));

  // Without sharing, every meeting has a group of its own.
  action.setShareNodes(FALSE);
  action.apply(root.get());
  scene = convertedRoot(action);
  EXPECT_NE(scene->getChild(0), childAs<SoVRMLGroup>(scene, 1)->getChild(0));
}

// What a separator inherits counts by value, for each part of the state its
// shapes are made with.
TEST_F(SoToVRML2ActionTest, aSeparatorIsSharedWhenTheStateItsShapesReadIsEqual) {
  auto font = [](const char* name, float size) {
    auto* node = new SoFont;
    node->name = name;
    node->size = size;
    return node;
  };
  auto* unlit = new SoLightModel;
  unlit->model = SoLightModel::BASE_COLOR;
  auto* points = new SoCoordinate3;
  points->point.setValue(SbVec3f(0, 0, 0));
  const struct {
    const char* between;
    SoNode* before;  // nothing when nullptr
    SoNode* node;
    bool shared;
  } cases[] = {
      {"colours clamped alike", makeMaterial(SbColor(1, 0, 0)), makeMaterial(SbColor(2, -1, NAN)),
       true},
      {"font sizes that are not numbers", font("a", NAN), font("a", NAN), true},
      {"another light model", nullptr, unlit, false},
      {"another font name", font("Serif", 1), font("Mono", 1), false},
      {"other coordinates", nullptr, points, false},
  };
  for (const auto& row : cases) {
    //   root: coordinates, before, shared (faces, text), between, shared
    const SoRef root(new SoSeparator);
    auto* base = new SoCoordinate3;
    base->point.setValues(0, 3, std::vector<SbVec3f>{{0, 0, 0}, {2, 0, 0}, {0, 2, 0}}.data());
    auto* shared = new SoSeparator;
    shared->addChild(new SoFaceSet);
    auto* text = new SoText3;
    text->string.setValue("x");
    shared->addChild(text);
    for (SoNode* node : {static_cast<SoNode*>(base), row.before, static_cast<SoNode*>(shared),
                         row.node, static_cast<SoNode*>(shared)})
      if (node) root->addChild(node);
    SoToVRML2Action action;
    action.apply(root.get());
    SoVRMLGroup* scene = convertedRoot(action);
    ASSERT_EQ(scene->getNumChildren(), 2) << row.between;
    EXPECT_EQ(scene->getChild(0) == scene->getChild(1), row.shared) << row.between;
  }
}

// A worker that also converts IoTestNode, as a cube, and counts its
// instances.
class CubeGuts : public SoConvertGuts {
 public:
  CubeGuts() {
    ++alive;
    setConverter(IoTestNode::getClassTypeId(), [](SoConvertGuts* guts, SoToVRMLAction*, SoNode*) {
      static_cast<CubeGuts*>(guts)->addToOutput(new SoCube);
    });
  }
  ~CubeGuts() override { --alive; }
  static int alive;
};
int CubeGuts::alive = 0;

class CubeAction : public SoToVRML2Action {
 public:
  SoConvertGuts* worker() const { return getConvertGuts(); }

 protected:
  SoConvertGuts* getNewConvertGuts() const override { return new CubeGuts; }
};

TEST_F(SoToVRML2ActionTest, eachApplyHasANewWorkerAndReplacesTheResultsOfTheLast) {
  const SoRef root(new SoSeparator);
  root->addChild(new IoTestNode);
  {
    CubeAction action;
    EXPECT_EQ(action.worker(), nullptr);
    action.apply(root.get());
    EXPECT_EQ(CubeGuts::alive, 1);
    SoVRMLGroup* scene = convertedRoot(action);
    ASSERT_EQ(scene->getNumChildren(), 1);
    EXPECT_TRUE(childAs<SoVRMLShape>(scene, 0));

    // Repeated applies keep one worker and one result each.
    const long live = SoBase::getLiveCount();
    SoConvertGuts* firstWorker = action.worker();
    action.apply(root.get());
    EXPECT_EQ(SoBase::getLiveCount(), live);
    EXPECT_EQ(CubeGuts::alive, 1);
    EXPECT_NE(action.worker(), firstWorker);

    // The first pass alone, called as the base's: a new intermediate graph,
    // the VRML 2.0 result left as it was.
    SoVRMLGroup* result = action.getVRML2SceneGraph();
    const SoRef intermediate(action.getIntermediateSceneGraph());
    action.SoToVRMLAction::apply(root.get());
    EXPECT_EQ(action.getVRML2SceneGraph(), result);
    EXPECT_NE(action.getIntermediateSceneGraph(), intermediate.get());
    ASSERT_EQ(action.getIntermediateSceneGraph()->getNumChildren(), 1);
    auto* converted = dynamic_cast<SoSeparator*>(action.getIntermediateSceneGraph()->getChild(0));
    ASSERT_TRUE(converted && converted->getNumChildren() == 1);
    EXPECT_TRUE(dynamic_cast<SoCube*>(converted->getChild(0)));
  }
  EXPECT_EQ(CubeGuts::alive, 0);
}

TEST_F(SoToVRML2ActionTest, pathsConvertWhatLiesOnThemWithTheStateBefore) {
  const SoRef root(new SoSeparator);
  root->addChild(makeMaterial(SbColor(0, 1, 0)));
  for (int i = 0; i < 3; ++i) {
    auto* holder = new SoSeparator;
    holder->addChild(makeCube(1.0f + static_cast<float>(i), 1, 1));
    root->addChild(holder);
  }
  auto pathTo = [&](int child) {
    auto* path = new SoPath(root.get());
    path->append(child);
    return path;
  };
  SoToVRML2Action action;
  SoRef last(pathTo(3));
  action.apply(last.get());
  last.reset();
  // The separators beside the path are left out.
  SoVRMLGroup* scene = convertedRoot(action);
  ASSERT_EQ(scene->getNumChildren(), 1);
  auto* holder = childAs<SoVRMLGroup>(scene, 0);
  ASSERT_TRUE(holder && holder->getNumChildren() == 1);
  EXPECT_EQ(materialOf(childAs<SoVRMLShape>(holder, 0))->diffuseColor.getValue(), SbColor(0, 1, 0));

  SoPathList paths;
  paths.append(pathTo(3));
  paths.append(pathTo(1));
  action.apply(paths);
  scene = convertedRoot(action);
  // Both paths in one traversal, in the scene's order.
  ASSERT_EQ(scene->getNumChildren(), 2);
  auto sizeOf = [](SoVRMLGroup* group) {
    const auto* shape = childAs<SoVRMLShape>(group, 0);
    const auto* faces = static_cast<SoVRMLIndexedFaceSet*>(shape->geometry.getValue());
    return static_cast<SoVRMLCoordinate*>(faces->coord.getValue())->point[6][0] * 2.0f;
  };
  EXPECT_EQ(sizeOf(childAs<SoVRMLGroup>(scene, 0)), 1.0f);
  EXPECT_EQ(sizeOf(childAs<SoVRMLGroup>(scene, 1)), 3.0f);
}

}  // namespace
