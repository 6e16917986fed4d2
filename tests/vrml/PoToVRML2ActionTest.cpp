// SPDX-License-Identifier: Apache-2.0
// The module's conversion action: its class, the world it makes of scenes
// with and without scene views, and what it does with views it cannot place.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>
#include <string>

#include "ViewBackdropCheck.h"
#include "VrmlCheck.h"
#include "VrmlFileFixture.h"
#include "platform/plivex/Plivex.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ConversionScenes.h"
#include "support/ToolkitTestSupport.h"
#include "views/PoBaseView.h"
#include "views/PoSceneView.h"
#include "vrml/PoToVRML2Action.h"

namespace {

// The action, with the views its last apply met and their groups in sight.
class ViewedAction : public PoToVRML2Action {
 public:
  const PoConvertGuts* guts() const { return dynamic_cast<const PoConvertGuts*>(getConvertGuts()); }
  SoVRMLGroup* group(int index) const { return guts()->getSceneViewGroup(index); }
};

class PoToVRML2ActionTest : public VrmlFileFixture {
 protected:
  static void SetUpTestSuite() {
    PoBase::initClasses();
    PoBaseView::initClasses();
  }
  void SetUp() override {
    VrmlFileFixture::SetUp();
    root = new SoSeparator;
    root->ref();
  }
  void TearDown() override {
    root->unref();
    EXPECT_FALSE(PoBase::m_isRebuildBlocked);
    VrmlFileFixture::TearDown();
  }

  // A scene view of root whose scene is a group holding a cube, seen
  // through camera (none when nullptr).
  PoSceneView* addView(SbVec2f origin, SbVec2f size, SoCamera* camera) {
    auto* view = new PoSceneView;
    view->viewportOrigin.setValue(origin);
    view->viewportSize.setValue(size);
    auto* scene = new SoGroup;
    scene->addChild(makeCube(1, 1, 1));
    view->setPart("scene", scene);
    if (camera) view->setPart("cameraKit.camera", camera);
    root->addChild(view);
    return view;
  }

  SoSeparator* root = nullptr;
};

SoOrthographicCamera* ortho(float height, float focalDistance) {
  auto* camera = new SoOrthographicCamera;
  camera->height = height;
  camera->focalDistance = focalDistance;
  camera->position.setValue(0.5f, 0.5f, focalDistance);
  return camera;
}

template <typename T>
T* childOf(SoNode* group, int index) {
  auto* vrml = dynamic_cast<SoVRMLGroup*>(group);
  return vrml ? dynamic_cast<T*>(vrml->getChild(index)) : nullptr;
}

// Texts aside: the axes' labels come and go with their layout.
int shapesIn(SoNode* root) { return countShapesBesideTexts(root); }

int numChildren(SoNode* group) { return static_cast<SoVRMLGroup*>(group)->getNumChildren(); }

// What a view's group holds when the view follows the viewer.
struct Following {
  SoVRMLProximitySensor* sensor = nullptr;
  SoVRMLTransform* viewer = nullptr;
  SoVRMLTransform* place = nullptr;
  SoVRMLTransform* camera = nullptr;
  SoVRMLGroup* content = nullptr;
};

Following followingIn(SoVRMLGroup* group) {
  Following f;
  if (numChildren(group) != 2) return f;
  f.sensor = childOf<SoVRMLProximitySensor>(group, 0);
  f.viewer = childOf<SoVRMLTransform>(group, 1);
  if (!f.viewer || numChildren(f.viewer) != 1) return f;
  f.place = childOf<SoVRMLTransform>(f.viewer, 0);
  if (!f.place || numChildren(f.place) != 1) return f;
  f.camera = childOf<SoVRMLTransform>(f.place, 0);
  if (!f.camera || numChildren(f.camera) != 1) return f;
  f.content = childOf<SoVRMLGroup>(f.camera, 0);
  return f;
}

// The content of a view: what its cube converts to, without the world's
// WorldInfo and NavigationInfo.
void expectViewContent(SoVRMLGroup* content) {
  ASSERT_TRUE(content);
  ASSERT_EQ(content->getNumChildren(), 1);
  SoVRMLGroup* cubeGroup = childOf<SoVRMLGroup>(content, 0);
  ASSERT_TRUE(cubeGroup) << "the scene part's own group";
  EXPECT_TRUE(childOf<SoVRMLShape>(cubeGroup, 0));
}

void expectVec(const SbVec3f& actual, const SbVec3f& expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "coordinate " << i;
}

TEST_F(PoToVRML2ActionTest, classRegistersListsChainAndBadElementsAreRefused) {
  EXPECT_EQ(SoType::fromName("PoToVRML2Action"), PoToVRML2Action::getClassTypeId());
  EXPECT_TRUE(PoToVRML2Action::getClassTypeId().isDerivedFrom(SoToVRML2Action::getClassTypeId()));
  PoToVRML2Action action;
  EXPECT_EQ(action.getTypeId(), PoToVRML2Action::getClassTypeId());
  EXPECT_EQ(action.getEnabledElements().getParent(), SoToVRML2Action::getClassEnabledElements());
  EXPECT_EQ(action.getActionMethods()->getParent(), SoToVRML2Action::getClassActionMethods());
  // The parent's elements are the action's.
  for (int index : SoToVRML2Action::getClassEnabledElements()->getElements())
    EXPECT_TRUE(action.getEnabledElements().isEnabled(index)) << index;

  SoDebugError::clearMessages();
  const int counter = SoEnabledElementsList::getCounter();
  PoToVRML2Action::enableElement(SoType::badType(), 3);
  EXPECT_EQ(SoDebugError::getLastRoutine(), "SO_ENABLE_ELEMENT");
  EXPECT_EQ(SoDebugError::getLastMessage(),
            "Can't enable element for PoToVRML2Action until the element initClass function has "
            "been called");
  EXPECT_EQ(SoEnabledElementsList::getCounter(), counter) << "nothing enabled";
}

TEST_F(PoToVRML2ActionTest, anAddedMethodServesThisClassAloneUntilItIsRegisteredAgain) {
  root->addChild(makeCube(1, 1, 1));
  static int skipped = 0;
  skipped = 0;
  PoToVRML2Action::addMethod(SoCube::getClassTypeId(), [](SoAction*, SoNode*) { ++skipped; });
  {
    PoToVRML2Action action;
    action.apply(root);
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(shapesIn(action.getVRML2SceneGraph()), 0) << "the cube was not converted";
    SoToVRML2Action plain;
    plain.apply(root);
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(shapesIn(plain.getVRML2SceneGraph()), 1);
  }
  PoBaseView::exitClasses();
  EXPECT_TRUE(SoType::fromName("PoToVRML2Action").isBad());
  PoBaseView::initClasses();
  PoToVRML2Action action;
  action.apply(root);
  EXPECT_EQ(skipped, 1);
  EXPECT_EQ(shapesIn(action.getVRML2SceneGraph()), 1);
}

TEST_F(PoToVRML2ActionTest, aSceneWithoutViewsIsWrappedInACollisionGroupWithCollisionOff) {
  // An axis changed since it last drew converts with its new geometry; while
  // the scene converts, rebuilding is blocked.
  auto* axis = new PoLinearAxis;
  axis->end = 1;
  root->addChild(axis);
  SoGetBoundingBoxAction(SbViewportRegion()).apply(root);
  axis->end = 3;
  static bool blockedDuringApply = false;
  auto* probe = new SoCallback;
  probe->setCallback([](void*, SoAction*) { blockedDuringApply = PoBase::m_isRebuildBlocked; });
  root->addChild(probe);
  root->addChild(makeCube(1, 1, 1));

  PoToVRML2Action action;
  action.apply(root);
  EXPECT_TRUE(blockedDuringApply);
  EXPECT_FALSE(PoBase::m_isRebuildBlocked);
  auto* world = dynamic_cast<SoVRMLCollision*>(action.getVRML2SceneGraph());
  ASSERT_TRUE(world);
  EXPECT_FALSE(world->collide.getValue());
  ASSERT_EQ(world->getNumChildren(), 1);
  auto* scene = childOf<SoVRMLGroup>(world, 0);
  ASSERT_TRUE(scene);
  ASSERT_EQ(scene->getNumChildren(), 3);
  EXPECT_TRUE(childOf<SoVRMLWorldInfo>(scene, 0));
  EXPECT_TRUE(childOf<SoVRMLNavigationInfo>(scene, 1));
  EXPECT_EQ(shapesIn(scene), 2) << "the axis and the cube";

  float farthest = 0;
  SoSearchAction search;
  search.setType(SoVRMLShape::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(world);
  for (int i = 0; i < search.getPaths().getLength(); ++i) {
    const auto* shape = static_cast<SoVRMLShape*>(search.getPaths()[i]->getTail());
    const auto* lines = dynamic_cast<SoVRMLIndexedLineSet*>(shape->geometry.getValue());
    if (!lines) continue;
    const auto* points = static_cast<SoVRMLCoordinate*>(lines->coord.getValue());
    for (int p = 0; p < points->point.getNum(); ++p)
      farthest = std::fmax(farthest, points->point[p][0]);
  }
  EXPECT_FLOAT_EQ(farthest, 3) << "the axis's new end";
}

TEST_F(PoToVRML2ActionTest, everyViewFollowsTheViewerPlacedAtItsRectangle) {
  SoOrthographicCamera* whole = ortho(2, 5);
  addView({0, 0}, {1, 1}, whole);
  SoOrthographicCamera* corner = ortho(3, 7);
  addView({0.5f, 0.5f}, {0.5f, 0.25f}, corner);
  auto* perspective = new SoPerspectiveCamera;
  perspective->heightAngle = 0.5f;
  perspective->focalDistance = 4;
  perspective->position.setValue(1, 2, 3);
  perspective->orientation.setValue(SbRotation(SbVec3f(0, 1, 0), 0.3f));
  addView({0, 0.5f}, {0.5f, 0.5f}, perspective);

  ViewedAction action;
  action.setCreaseAngle(0.5f);
  action.apply(root);
  ASSERT_EQ(action.guts()->getNumSceneViews(), 3);
  const double h = 2 * 4 * std::tan(0.25);
  const SbVec3f offsets[3] = {
      {0, 0, 0}, {3 * 0.25f, 3 * 0.125f, 0}, {float(-h * 0.25), float(h * 0.25), 0}};
  const float scales[3] = {1, 0.25f, 0.5f};
  const SoCamera* cameras[3] = {whole, corner, perspective};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const Following f = followingIn(action.group(i));
    ASSERT_TRUE(f.sensor && f.viewer && f.place && f.camera);
    EXPECT_EQ(f.sensor->size.getValue(), SbVec3f(FLT_MAX, FLT_MAX, FLT_MAX));
    EXPECT_EQ(f.sensor->center.getConnectedField(), &f.sensor->position_changed);
    EXPECT_EQ(f.viewer->translation.getConnectedField(), &f.sensor->position_changed);
    EXPECT_EQ(f.viewer->rotation.getConnectedField(), &f.sensor->orientation_changed);
    expectVec(f.place->translation.getValue(), offsets[i]);
    expectVec(f.place->scale.getValue(), SbVec3f(scales[i], scales[i], 1));
    SbMatrix viewing, projection;
    cameras[i]->getViewVolume(0).getMatrices(viewing, projection);
    const SbMatrix placed = f.camera->getTransformMatrix();
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < 4; ++column)
        EXPECT_NEAR(placed[row][column], viewing[row][column], 1e-5f) << row << ' ' << column;
    expectViewContent(f.content);
    // The view's content takes the action's settings.
    const auto* faces = static_cast<SoVRMLIndexedFaceSet*>(
        childOf<SoVRMLShape>(childOf<SoVRMLGroup>(f.content, 0), 0)->geometry.getValue());
    EXPECT_FLOAT_EQ(faces->creaseAngle.getValue(), 0.5f);
  }
}

TEST_F(PoToVRML2ActionTest, theFirstViewBecomesNavigableWithAViewpointFromItsCamera) {
  addView({0.5f, 0.5f}, {0.5f, 0.25f}, ortho(3, 7));
  addView({0, 0}, {1, 1}, ortho(2, 5));

  ViewedAction action;
  action.setFirstSceneViewSensitive(1);
  action.apply(root);
  SoVRMLGroup* first = action.group(0);
  ASSERT_EQ(first->getNumChildren(), 2);
  auto* viewpoint = childOf<SoVRMLViewpoint>(first, 0);
  auto* place = childOf<SoVRMLTransform>(first, 1);
  ASSERT_TRUE(viewpoint && place);
  expectVec(viewpoint->position.getValue(), SbVec3f(0.5f, 0.5f, 7));
  EXPECT_NEAR(viewpoint->fieldOfView.getValue(), 2 * std::atan(1.5 / 7), 1e-6);
  EXPECT_EQ(viewpoint->orientation.getValue(), SbRotation());
  expectVec(place->translation.getValue(), SbVec3f(0.75f, 0.375f, 0));
  expectVec(place->scale.getValue(), SbVec3f(0.25f, 0.25f, 0.25f));
  ASSERT_EQ(place->getNumChildren(), 1);
  expectViewContent(childOf<SoVRMLGroup>(place, 0));
  EXPECT_TRUE(followingIn(action.group(1)).content) << "the second view follows the viewer";

  // A default camera's viewpoint keeps the viewpoint's own defaults; the
  // flag goes with copies of the action.
  auto* defaultCamera = new PoSceneView;
  auto* scene = new SoGroup;
  scene->addChild(makeCube(1, 1, 1));
  defaultCamera->setPart("scene", scene);
  ASSERT_TRUE(dynamic_cast<SoPerspectiveCamera*>(defaultCamera->getPart("cameraKit.camera", TRUE)));
  root->insertChild(defaultCamera, 0);
  ViewedAction copy;
  copy = action;
  EXPECT_EQ(copy.isFirstSceneViewSensitive(), 1);
  copy.apply(root);
  viewpoint = childOf<SoVRMLViewpoint>(copy.group(0), 0);
  ASSERT_TRUE(viewpoint);
  EXPECT_TRUE(viewpoint->position.isDefault());
  EXPECT_TRUE(viewpoint->orientation.isDefault());
  EXPECT_TRUE(viewpoint->fieldOfView.isDefault());
  place = childOf<SoVRMLTransform>(copy.group(0), 1);
  ASSERT_TRUE(place);
  expectVec(place->translation.getValue(), SbVec3f(0, 0, 0));
  expectVec(place->scale.getValue(), SbVec3f(1, 1, 1));
  EXPECT_TRUE(followingIn(copy.group(1)).content) << "the former first view";
}

// Whatever its camera, a view's background and border cover its rectangle
// as its camera sees it, behind its scene, in the colours of its appearance
// parts: the follower's (the viewer's) frame, or the navigable view's world.
TEST_F(PoToVRML2ActionTest, backgroundAndBorderCoverTheRectangleTheCameraSeesBehindTheScene) {
  const SoRef turned(new SoPerspectiveCamera);
  turned->heightAngle = 0.5f;
  turned->focalDistance = 4;
  turned->farDistance = 1e30f;
  turned->position.setValue(1, 2, 3);
  turned->orientation.setValue(SbRotation(SbVec3f(1, 1, 0), 0.3f));
  const SoRef flat(ortho(3, 7));
  const SoRef plain(new SoPerspectiveCamera);  // the viewpoint's default position is not its own
  struct Case {
    SoCamera* camera;
    SbVec2f origin, size;
    double halfField;  // tangent of half the height angle
    float focal;
  };
  const Case cases[] = {
      {turned.get(), {0, 0.5f}, {0.5f, 0.5f}, std::tan(0.25), 4},
      {flat.get(), {0.5f, 0.5f}, {0.5f, 0.25f}, 1.5 / 7, 7},
      {plain.get(), {0.25f, 0}, {0.25f, 0.5f}, std::tan(std::numbers::pi / 8), 5}};
  for (int flag : {0, 1}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(flag) + " " + c.camera->getTypeId().getName().getString());
      root->removeAllChildren();
      PoSceneView* view = addView(c.origin, c.size, c.camera);
      view->set("backgroundApp.material", "diffuseColor 0.9 0.9 0.8 transparency 0.25");
      view->set("borderApp.material", "diffuseColor 2 0.25 -1");
      view->isBackgroundVisible = TRUE;
      view->isBorderVisible = TRUE;
      ViewedAction action;
      action.setFirstSceneViewSensitive(flag);
      action.apply(root);
      SoVRMLGroup* group = action.group(0);
      auto* place = flag ? childOf<SoVRMLTransform>(group, 1)
                         : childOf<SoVRMLTransform>(childOf<SoVRMLGroup>(group, 1), 0);
      ASSERT_TRUE(place);
      SbMatrix viewing, projection;
      c.camera->getViewVolume(0).getMatrices(viewing, projection);
      const SbMatrix toCamera =
          flag ? place->getTransformMatrix() * viewing : place->getTransformMatrix();

      const Backdrop backdrop = backdropIn(place);
      ASSERT_TRUE(backdrop.background && backdrop.border);
      EXPECT_EQ(unlitColorOf(backdrop.background), SbColor(0.9f, 0.9f, 0.8f));
      EXPECT_EQ(unlitColorOf(backdrop.border), SbColor(1, 0.25f, 0)) << "clamped";
      EXPECT_FLOAT_EQ(materialOf(backdrop.background)->transparency.getValue(), 0.25f);
      expectShowsRectangle(backdrop.background, toCamera, c.halfField, c.origin, c.size, c.focal);
      expectShowsRectangle(backdrop.border, toCamera, c.halfField, c.origin, c.size, c.focal);
    }
  }
}

TEST_F(PoToVRML2ActionTest, viewsThatCannotBePlacedAreLeftEmptyAndTheFileHoldsOnlyFiniteNumbers) {
  addView({0, 0}, {0.5f, 0.5f}, nullptr);  // no camera
  addView({0, 0}, {0.5f, 0.5f}, ortho(2, 5))->setPart("scene", nullptr);
  addView({0, 0}, {0.5f, 0.5f}, ortho(2, 0));  // focal distance 0
  addView({0, 0}, {0.5f, 0.5f}, ortho(0, 0));  // 0 / 0
  auto* flat = new SoPerspectiveCamera;
  flat->focalDistance = 0;
  addView({0, 0}, {0.5f, 0.5f}, flat);
  auto* closed = new SoPerspectiveCamera;
  closed->heightAngle = 0;
  addView({0, 0}, {0.5f, 0.5f}, closed);
  addView({0, 0}, {0, 0.5f}, ortho(2, 5));              // no width
  addView({0.25f, 0.25f}, {0.5f, -0.5f}, ortho(2, 5));  // negative height
  addView({NAN, 0}, {0.5f, 0.5f}, ortho(2, 5));
  addView({0, 0}, {INFINITY, INFINITY}, ortho(2, 5));
  addView({0, 0}, {0.5f, 0.5f}, ortho(2, 5));  // the one that is placed
  constexpr int kViews = 11;

  for (int flag : {0, 1}) {
    SCOPED_TRACE(flag);
    ViewedAction action;
    action.setFirstSceneViewSensitive(flag);
    action.apply(root);
    ASSERT_EQ(action.guts()->getNumSceneViews(), kViews);
    for (int i = 0; i < kViews - 1; ++i)
      EXPECT_EQ(action.group(i)->getNumChildren(), 0) << "view " << i;
    EXPECT_TRUE(followingIn(action.group(kViews - 1)).content);

    const std::string file =
        writeFile(action.getVRML2SceneGraph(), "unplaced" + std::to_string(flag) + ".wrl");
    const std::string text = contentsOf(file);
    for (const char* word : {"nan", "inf", "NAN", "INF"})
      EXPECT_EQ(text.find(word), std::string::npos) << word << "\n" << text;
    EXPECT_EQ(text.find("scale 0 "), std::string::npos) << text;
  }
}

TEST_F(PoToVRML2ActionTest, referencesBalanceOverRepeatedAppliesCopiesAndPaths) {
  addView({0, 0}, {0.5f, 0.5f}, ortho(2, 5));
  addView({0.5f, 0}, {0.5f, 0.5f}, new SoPerspectiveCamera);
  root->addChild(new PoLinearAxis);

  PoToVRML2Action action;
  action.apply(root);
  SoRef first(action.getVRML2SceneGraph());
  action.apply(root);
  EXPECT_NE(action.getVRML2SceneGraph(), first.get());
  EXPECT_EQ(first->getRefCount(), 1) << "the action let the first world go";
  first.reset();

  PoToVRML2Action copy(action);
  EXPECT_EQ(copy.getVRML2SceneGraph(), nullptr) << "a copy takes no result";
  copy.apply(root);
  copy = action;
  copy.apply(root);

  // A path apply is the toolkit's conversion: views are converted as they
  // are met, in a plain group, and rebuilding is not blocked.
  const SoRef path(new SoPath(root));
  path->append(1);
  copy.apply(path.get());
  SoVRMLGroup* world = copy.getVRML2SceneGraph();
  EXPECT_FALSE(dynamic_cast<SoVRMLCollision*>(world));
  EXPECT_EQ(countBelow(world, SoVRMLProximitySensor::getClassTypeId()), 0);
  EXPECT_EQ(shapesIn(world), 1) << "the view's cube";
}

TEST_F(PoToVRML2ActionTest, callbacksOfTheActionMeetWhatViewsHoldAndTheWorldStaysTheSame) {
  addView({0, 0}, {0.5f, 0.5f}, ortho(2, 5));
  addView({0.5f, 0}, {0.5f, 0.5f}, ortho(3, 7));

  PoToVRML2Action plain;
  plain.apply(root);
  PoToVRML2Action watched;
  int cubes = 0;
  watched.addPreCallback(
      SoCube::getClassTypeId(),
      [](void* count, SoCallbackAction*, const SoNode*) {
        ++*static_cast<int*>(count);
        return SoCallbackAction::CONTINUE;
      },
      &cubes);
  watched.apply(root);
  EXPECT_EQ(cubes, 2) << "each view's cube, though the views are rebuilt";
  EXPECT_EQ(contentsOf(writeFile(watched.getVRML2SceneGraph(), "watched.wrl")),
            contentsOf(writeFile(plain.getVRML2SceneGraph(), "plain.wrl")));
}

TEST_F(PoToVRML2ActionTest, worldsWithAndWithoutViewsPassBothParsers) {
  SoRef plain(new SoSeparator);
  plain->addChild(makeCube(1, 2, 3));
  PoToVRML2Action action;
  action.apply(plain.get());
  plain.reset();
  const std::string none = writeFile(action.getVRML2SceneGraph(), "no-views.wrl");

  addView({0, 0}, {0.5f, 0.5f}, ortho(2, 5));
  addView({0.5f, 0}, {0.5f, 0.5f}, new SoPerspectiveCamera);
  addView({0.5f, 0.5f}, {0.25f, 0.5f}, ortho(1, 3))->isBorderVisible = TRUE;
  root->addChild(new PoLinearAxis);
  action.apply(root);
  const std::string following = writeFile(action.getVRML2SceneGraph(), "following.wrl");
  action.setFirstSceneViewSensitive(1);
  action.apply(root);
  const std::string navigable = writeFile(action.getVRML2SceneGraph(), "navigable.wrl");
  const std::string text = contentsOf(navigable);
  EXPECT_NE(text.find("Viewpoint"), std::string::npos) << text;
  EXPECT_NE(text.find("ROUTE"), std::string::npos) << text;

  const VrmlVerdict verdict = checkVrml({none, following, navigable});
  SKIP_WITHOUT_VRML_PARSERS(verdict);
  for (const std::string& file : {none, following, navigable})
    EXPECT_TRUE(verdict.acceptedByBoth(file)) << verdict.output << "\n" << contentsOf(file);
}

}  // namespace
