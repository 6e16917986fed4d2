// The conversion of toolkit scenes to VRML 2.0 graphs: what each class
// becomes, where shapes end up, the world's leading nodes, the settings, the
// worker and the results the action keeps.

#include "platform/scenar/vrml/SoToVRML2Action.h"

#include <gtest/gtest.h>

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
  std::vector<SbMatrix> converted;
  collectVRMLShapes(action.getVRML2SceneGraph(), SbMatrix(), converted);
  const std::vector<SbMatrix> drawn = toolkitShapes(root.get());
  ASSERT_EQ(converted.size(), 5u);
  ASSERT_EQ(drawn.size(), converted.size());
  for (std::size_t i = 0; i < drawn.size(); ++i)
    EXPECT_TRUE(converted[i].equals(drawn[i], 1e-5f)) << "shape " << i;
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
