// SPDX-License-Identifier: Apache-2.0
// The bounding-box, matrix and event actions.

#include <gtest/gtest.h>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoEvent.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoGetMatrixAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoPath.h"
#include "platform/scenar/nodes/SoTransform.h"
#include "platform/scenar/nodes/SoTranslation.h"

namespace {

void expectNear(const SbVec3f& actual, const SbVec3f& expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "component " << i;
}

SoTranslation* translation(float x, float y, float z) {
  auto* node = new SoTranslation;
  node->translation.setValue(x, y, z);
  return node;
}

class SoViewingActionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override { live_ = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live_); }

 private:
  long live_ = 0;
};

TEST_F(SoViewingActionTest, boundingBoxHoldsTheShapesInWorldSpace) {
  const SoRef root(new SoSeparator);
  auto* moved = new SoSeparator;
  moved->addChild(translation(1, 2, 3));
  moved->addChild(new SoCube);
  root->addChild(moved);
  auto* coords = new SoCoordinate3;
  const SbVec3f line[] = {{0, 0, 0}, {-4, 0, 0}};
  coords->point.setValues(0, 2, line);
  root->addChild(coords);
  root->addChild(new SoLineSet);

  SoGetBoundingBoxAction bbox(SbViewportRegion(100, 100));
  bbox.apply(root.get());
  // The translation stays inside its separator; the line spans x from -4.
  EXPECT_EQ(bbox.getBoundingBox(), SbBox3f(-4, 0, 0, 2, 3, 4));

  bbox.apply(moved);
  EXPECT_EQ(bbox.getBoundingBox(), SbBox3f(0, 1, 2, 2, 3, 4));
  EXPECT_EQ(bbox.getCenter(), SbVec3f(1, 2, 3));

  const SoRef empty(new SoSeparator);
  bbox.apply(empty.get());
  EXPECT_TRUE(bbox.getBoundingBox().isEmpty());
}

TEST_F(SoViewingActionTest, matrixOfAPathCountsTheTransformsActingOnItsTail) {
  // root: [ Separator{Translation 50}, Translation(1,0,0), arm, Translation(100,0,0) ]
  // arm:  [ Transform(scale 2), Separator{Translation 7}, Cube ]
  const SoRef root(new SoSeparator);
  auto* aside = new SoSeparator;
  aside->addChild(translation(50, 0, 0));
  root->addChild(aside);
  root->addChild(translation(1, 0, 0));
  auto* arm = new SoSeparator;
  auto* scale = new SoTransform;
  scale->scaleFactor.setValue(2, 2, 2);
  arm->addChild(scale);
  auto* inner = new SoSeparator;
  inner->addChild(translation(7, 0, 0));
  arm->addChild(inner);
  auto* cube = new SoCube;
  arm->addChild(cube);
  root->addChild(arm);
  root->addChild(translation(100, 0, 0));

  const SoRef path(new SoPath(root.get()));
  path->append(2);
  path->append(2);
  ASSERT_EQ(path->getTail(), cube);

  SoGetMatrixAction matrix(SbViewportRegion(100, 100));
  matrix.apply(path.get());
  SbVec3f world;
  matrix.getMatrix().multVecMatrix(SbVec3f(1, 0, 0), world);
  expectNear(world, SbVec3f(3, 0, 0));  // scaled, then moved
  EXPECT_TRUE((matrix.getMatrix() * matrix.getInverse()).equals(SbMatrix(), 1e-6f));

  // A path ending at the transform counts it; one ending at a separator does
  // not count what lies below.
  path->truncate(2);
  path->append(0);
  matrix.apply(path.get());
  matrix.getMatrix().multVecMatrix(SbVec3f(1, 0, 0), world);
  expectNear(world, SbVec3f(3, 0, 0));
  path->truncate(2);
  matrix.apply(path.get());
  matrix.getMatrix().multVecMatrix(SbVec3f(1, 0, 0), world);
  expectNear(world, SbVec3f(2, 0, 0));

  // Applied to a node: its own effect, which for a separator is none.
  matrix.apply(scale);
  matrix.getMatrix().multVecMatrix(SbVec3f(1, 0, 0), world);
  expectNear(world, SbVec3f(2, 0, 0));
  matrix.apply(root.get());
  EXPECT_EQ(matrix.getMatrix(), SbMatrix());
}

TEST_F(SoViewingActionTest, eventActionCarriesItsEventUntilHandled) {
  struct Seen {
    int calls = 0;
    const SoEvent* event = nullptr;
    SbViewportRegion region;
  } seen;
  const SoRef root(new SoGroup);
  auto* handler = new SoCallback;
  handler->setCallback(
      [](void* data, SoAction* action) {
        auto* s = static_cast<Seen*>(data);
        auto* events = static_cast<SoHandleEventAction*>(action);
        ++s->calls;
        s->event = events->getEvent();
        s->region = SoViewportRegionElement::get(action->getState());
        if (s->event && s->event->getType() == SoEvent::MOUSE_PRESS) events->setHandled();
      },
      &seen);
  root->addChild(handler);
  root->addChild(handler);  // not reached once the first handled the event

  const SbViewportRegion window(320, 240);
  SoHandleEventAction action(window);
  const SoEvent press(SoEvent::MOUSE_PRESS, SbVec2s(12, 34));
  action.setEvent(&press);
  action.apply(root.get());
  EXPECT_TRUE(action.isHandled());
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.event, &press);
  EXPECT_EQ(seen.event->getPosition(), SbVec2s(12, 34));
  EXPECT_EQ(seen.region, window);
  EXPECT_EQ(action.getViewportRegion(), window);

  const SoEvent move(SoEvent::MOUSE_MOVE, SbVec2s(0, 0));
  action.setEvent(&move);
  action.apply(root.get());
  EXPECT_FALSE(action.isHandled());
  EXPECT_EQ(seen.calls, 3);
}

}  // namespace
