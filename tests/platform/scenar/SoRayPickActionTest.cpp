// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoRayPickAction.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPickStyle.h"
#include "platform/scenar/nodes/SoTranslation.h"

namespace {

void expectNear(const SbVec3f& actual, const SbVec3f& expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "component " << i;
}

// A camera looking down -Z from z = 5 at a scene 2 units high.
class SoRayPickActionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    live_ = SoBase::getLiveCount();
    root = new SoSeparator;
    root->ref();
    auto* camera = new SoOrthographicCamera;
    camera->position.setValue(0.0f, 0.0f, 5.0f);
    root->addChild(camera);
  }
  void TearDown() override {
    root->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live_);
  }

  SoCube* addCube(float size) {
    auto* cube = new SoCube;
    cube->width = size;
    cube->height = size;
    cube->depth = size;
    root->addChild(cube);
    return cube;
  }

  const SoPickedPoint* pickAt(const SbViewportRegion& region, const SbVec2f& point) {
    action_ = std::make_unique<SoRayPickAction>(region);
    action_->setNormalizedPoint(point);
    action_->apply(root);
    return action_->getPickedPoint();
  }

  SoSeparator* root = nullptr;
  std::unique_ptr<SoRayPickAction> action_;

 private:
  long live_ = 0;
};

TEST_F(SoRayPickActionTest, hitsTheCubeInTheMiddleAndMissesBesideIt) {
  SoCube* cube = addCube(1.0f);
  const SbViewportRegion window(100, 100);
  const SoPickedPoint* hit = pickAt(window, SbVec2f(0.5f, 0.5f));
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->node, cube);
  expectNear(hit->point, SbVec3f(0, 0, 0.5f));
  // The ray goes in through the front face and out through the back, near to far.
  const auto& all = action_->getPickedPointList();
  ASSERT_EQ(all.size(), 2u);
  expectNear(all[1].point, SbVec3f(0, 0, -0.5f));
  EXPECT_LT(all[0].distance, all[1].distance);

  EXPECT_EQ(pickAt(window, SbVec2f(0.8f, 0.5f)), nullptr);  // x = 0.6, beside the cube
  ASSERT_NE(pickAt(window, SbVec2f(0.7f, 0.7f)), nullptr);  // (0.4, 0.4) is on it

  SoRayPickAction byPixel(window);
  byPixel.setPoint(SbVec2s(30, 70));
  byPixel.apply(root);
  ASSERT_NE(byPixel.getPickedPoint(), nullptr);
  expectNear(byPixel.getPickedPoint()->point, SbVec3f(-0.4f, 0.4f, 0.5f));
}

TEST_F(SoRayPickActionTest, picksInTheTransformedShapesPlace) {
  auto* move = new SoTranslation;
  move->translation.setValue(0.6f, 0.0f, 0.0f);
  root->addChild(move);
  addCube(0.2f);
  const SbViewportRegion window(100, 100);
  ASSERT_NE(pickAt(window, SbVec2f(0.8f, 0.5f)), nullptr);
  expectNear(action_->getPickedPoint()->point, SbVec3f(0.6f, 0.0f, 0.1f));
  EXPECT_EQ(pickAt(window, SbVec2f(0.5f, 0.5f)), nullptr);
}

TEST_F(SoRayPickActionTest, unpickableShapesAreSkippedUntilTheSeparatorEnds) {
  auto* hidden = new SoSeparator;
  auto* style = new SoPickStyle;
  style->style = SoPickStyle::UNPICKABLE;
  hidden->addChild(style);
  auto* near = new SoCube;
  near->depth = 4.0f;  // in front of the other cube
  hidden->addChild(near);
  root->addChild(hidden);
  SoCube* far = addCube(1.0f);

  const SoPickedPoint* hit = pickAt(SbViewportRegion(100, 100), SbVec2f(0.5f, 0.5f));
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->node, far);
  EXPECT_EQ(action_->getPickedPointList().size(), 2u);

  style->style = SoPickStyle::SHAPE;
  hit = pickAt(SbViewportRegion(100, 100), SbVec2f(0.5f, 0.5f));
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->node, near);
}

TEST_F(SoRayPickActionTest, faceSetIsPickedByItsFacesOrItsBox) {
  auto* coords = new SoCoordinate3;
  const SbVec3f triangle[] = {{-1, -1, 0}, {1, -1, 0}, {-1, 1, 0}};
  coords->point.setValues(0, 3, triangle);
  root->addChild(coords);
  auto* style = new SoPickStyle;
  root->addChild(style);
  auto* faces = new SoFaceSet;
  root->addChild(faces);

  const SbViewportRegion window(100, 100);
  ASSERT_NE(pickAt(window, SbVec2f(0.25f, 0.25f)), nullptr);
  EXPECT_EQ(action_->getPickedPoint()->node, faces);
  expectNear(action_->getPickedPoint()->point, SbVec3f(-0.5f, -0.5f, 0.0f));
  // (0.8, 0.8) lies outside the triangle but inside its box.
  EXPECT_EQ(pickAt(window, SbVec2f(0.9f, 0.9f)), nullptr);
  style->style = SoPickStyle::BOUNDING_BOX;
  EXPECT_NE(pickAt(window, SbVec2f(0.9f, 0.9f)), nullptr);

  // Counts beyond the coordinates stop at their end; too few make no face.
  style->style = SoPickStyle::SHAPE;
  faces->numVertices.setValue(2);
  EXPECT_EQ(pickAt(window, SbVec2f(0.25f, 0.25f)), nullptr);
  faces->numVertices.setValue(40);
  EXPECT_NE(pickAt(window, SbVec2f(0.25f, 0.25f)), nullptr);
}

TEST_F(SoRayPickActionTest, pointIsTakenInTheCurrentViewport) {
  // The scene draws into the right half of a 200 x 100 window.
  auto* narrow = new SoCallback;
  narrow->setCallback([](void*, SoAction* action) {
    SbViewportRegion right(200, 100);
    right.setViewport(0.5f, 0.0f, 0.5f, 1.0f);
    SoViewportRegionElement::set(action->getState(), right);
  });
  root->insertChild(narrow, 0);
  SoCube* cube = addCube(1.0f);

  SoRayPickAction pick(SbViewportRegion(200, 100));
  pick.setPoint(SbVec2s(150, 50));  // the middle of the right half
  pick.apply(root);
  ASSERT_NE(pick.getPickedPoint(), nullptr);
  EXPECT_EQ(pick.getPickedPoint()->node, cube);
  expectNear(pick.getPickedPoint()->point, SbVec3f(0, 0, 0.5f));

  pick.setPoint(SbVec2s(50, 50));  // the left half shows nothing
  pick.apply(root);
  EXPECT_EQ(pick.getPickedPoint(), nullptr);

  // A viewport of no size picks nothing.
  narrow->setCallback([](void*, SoAction* action) {
    SoViewportRegionElement::set(action->getState(), SbViewportRegion(0, 0));
  });
  pick.apply(root);
  EXPECT_EQ(pick.getPickedPoint(), nullptr);
}

}  // namespace
