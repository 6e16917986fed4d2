// SPDX-License-Identifier: Apache-2.0
// The elements that actions set up for the viewing nodes: what they hold, how
// separators keep changes to themselves, and that a repeated traversal does
// not allocate.

#include <gtest/gtest.h>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoLogicalViewportElement.h"
#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoTransform.h"
#include "platform/scenar/nodes/SoTranslation.h"
#include "support/AllocationCounter.h"
#include "support/ToolkitTestSupport.h"

namespace {

// What a callback saw of the state when it was traversed.
struct Seen {
  SbMatrix model;
  SbVec4f portion;
  int info = -99;
  SbViewportRegion region;
};

void record(void* data, SoAction* action) {
  auto* seen = static_cast<Seen*>(data);
  SoState* state = action->getState();
  seen->model = SoModelMatrixElement::get(state);
  seen->portion = SoModifyViewVolumeElement::get(state);
  seen->info = SoModifyViewVolumeElement::getInfo(state);
  seen->region = SoViewportRegionElement::get(state);
}

void narrowAndMark(void*, SoAction* action) {
  SoState* state = action->getState();
  SoModifyViewVolumeElement::set(state, SbVec4f(0.25f, 0.25f, 0.5f, 0.5f));
  SoModifyViewVolumeElement::setInfo(state, 1);
  SbViewportRegion half(100, 100);
  half.setViewport(0.5f, 0.0f, 0.5f, 1.0f);
  SoViewportRegionElement::set(state, half);
}

SoCallback* recorder(Seen* seen) {
  auto* node = new SoCallback;
  node->setCallback(record, seen);
  return node;
}

SbMatrix translation(float x, float y, float z) {
  SbMatrix m;
  m.setTranslate(SbVec3f(x, y, z));
  return m;
}

class SoViewingElementTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override { live_ = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live_); }

 private:
  long live_ = 0;
};

TEST_F(SoViewingElementTest, separatorUndoesWhatItsChildrenSet) {
  Seen before, inside, after;
  const SoRef root(new SoGroup);
  root->addChild(recorder(&before));
  auto* sep = new SoSeparator;
  auto* move = new SoTranslation;
  move->translation.setValue(1.0f, 2.0f, 3.0f);
  sep->addChild(move);
  auto* mark = new SoCallback;
  mark->setCallback(narrowAndMark);
  sep->addChild(mark);
  sep->addChild(recorder(&inside));
  root->addChild(sep);
  root->addChild(recorder(&after));

  SbViewportRegion window(100, 100);
  SoGLRenderAction render(window);
  render.apply(root.get());

  EXPECT_EQ(inside.model, translation(1, 2, 3));
  EXPECT_EQ(inside.portion, SbVec4f(0.25f, 0.25f, 0.5f, 0.5f));
  EXPECT_EQ(inside.info, 1);
  EXPECT_EQ(inside.region.getViewportOrigin(), SbVec2f(0.5f, 0.0f));
  for (const Seen* outside : {&before, &after}) {
    EXPECT_EQ(outside->model, SbMatrix());
    EXPECT_EQ(outside->portion, SbVec4f(0, 0, 1, 1));
    EXPECT_EQ(outside->region, window);
  }
  EXPECT_EQ(before.info, 0);
  EXPECT_EQ(after.info, 1) << "the info belongs to the traversal, not to the separator";
}

TEST_F(SoViewingElementTest, eachApplicationStartsFromTheInitialValues) {
  // A translation outside any separator must not pile up across applications.
  Seen seen;
  const SoRef root(new SoGroup);
  auto* move = new SoTranslation;
  move->translation.setValue(1.0f, 0.0f, 0.0f);
  root->addChild(move);
  auto* mark = new SoCallback;
  mark->setCallback(narrowAndMark);
  root->addChild(mark);
  root->addChild(recorder(&seen));

  SoGetBoundingBoxAction bbox(SbViewportRegion(100, 100));
  for (int pass = 0; pass < 2; ++pass) {
    seen = Seen();
    bbox.apply(root.get());
    EXPECT_EQ(seen.model, translation(1, 0, 0)) << "pass " << pass;
  }

  // The render action's info is 0 at the start of every render.
  SoGLRenderAction render(SbViewportRegion(100, 100));
  auto* probe = new SoCallback;
  Seen first;
  probe->setCallback(record, &first);
  root->insertChild(probe, 0);
  render.apply(root.get());
  render.apply(root.get());
  EXPECT_EQ(first.info, 0);
  EXPECT_EQ(first.portion, SbVec4f(0, 0, 1, 1));
}

TEST_F(SoViewingElementTest, settersDoNothingOnAStateWithoutTheElement) {
  const SoRef node(new SoCallback);
  node->setCallback([](void*, SoAction* action) {
    SoState* state = action->getState();
    SoModelMatrixElement::translateBy(state, SbVec3f(1, 1, 1));
    SoViewportRegionElement::set(state, SbViewportRegion(5, 5));
    EXPECT_EQ(SoModelMatrixElement::get(state), SbMatrix());
    EXPECT_EQ(SoViewportRegionElement::get(state), SbViewportRegion());
    EXPECT_EQ(SoModifyViewVolumeElement::getInfo(state), 0);
  });
  SoSearchAction search;
  search.setType(SoCube::getClassTypeId());
  search.apply(node.get());
  EXPECT_EQ(SoModelMatrixElement::get(nullptr), SbMatrix());
}

TEST_F(SoViewingElementTest, viewVolumePortionAsBoxKeepsDepthAndInfo) {
  const SoRef node(new SoCallback);
  node->setCallback([](void*, SoAction* action) {
    SoState* state = action->getState();
    SoModifyViewVolumeElement::setInfo(state, 7);
    SoModifyViewVolumeElement::set(state, SbBox3f(0.1f, 0.2f, 0.3f, 0.6f, 0.7f, 0.8f));
    EXPECT_EQ(SoModifyViewVolumeElement::get(state), SbVec4f(0.1f, 0.2f, 0.6f, 0.7f));
    EXPECT_EQ(SoModifyViewVolumeElement::getBox(state),
              SbBox3f(0.1f, 0.2f, 0.3f, 0.6f, 0.7f, 0.8f));
    EXPECT_EQ(SoModifyViewVolumeElement::getInfo(state), 7);
    // The vector form resets the depth range; an empty box means the whole volume.
    SoModifyViewVolumeElement::set(state, SbVec4f(0.0f, 0.0f, 0.5f, 0.5f));
    EXPECT_EQ(SoModifyViewVolumeElement::getBox(state), SbBox3f(0, 0, 0, 0.5f, 0.5f, 1));
    SoModifyViewVolumeElement::set(state, SbBox3f());
    EXPECT_EQ(SoModifyViewVolumeElement::get(state), SbVec4f(0, 0, 1, 1));
    EXPECT_EQ(SoLogicalViewportElement::get(state).getWindowSize(), SbVec2s(40, 30));
  });
  SoGLRenderAction render(SbViewportRegion(40, 30));
  render.apply(node.get());
}

TEST_F(SoViewingElementTest, repeatedTraversalAllocatesNothing) {
  const SoRef root = cameraScene();
  root->addChild(new SoTransform);
  auto* inner = new SoSeparator;
  auto* coords = new SoCoordinate3;
  const SbVec3f quad[] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
  coords->point.setValues(0, 4, quad);
  inner->addChild(coords);
  inner->addChild(new SoFaceSet);
  root->addChild(inner);
  root->addChild(new SoCube);

  SoGLRenderAction render(SbViewportRegion(100, 100));
  SoRayPickAction pick(SbViewportRegion(100, 100));
  pick.setNormalizedPoint(SbVec2f(0.5f, 0.5f));
  render.apply(root.get());
  pick.apply(root.get());
  ASSERT_EQ(render.getRenderLog().size(), 2u);
  ASSERT_EQ(pick.getPickedPointList().size(), 3u);

  EXPECT_EQ(allocationsOf([&] {
              render.apply(root.get());
              pick.apply(root.get());
            }),
            0);
  EXPECT_EQ(render.getRenderLog().size(), 2u);
}

}  // namespace
