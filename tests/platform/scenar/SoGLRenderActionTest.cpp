// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoGLRenderAction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gl/GL.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoGLUpdateAreaElement.h"
#include "platform/scenar/actions/SoLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyLogicalViewportElement.h"
#include "platform/scenar/nodes/SoAnnotation.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPerspectiveCamera.h"
#include "platform/scenar/nodes/SoTranslation.h"

namespace {

class SoGLRenderActionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    live_ = SoBase::getLiveCount();
    root = new SoSeparator;
    root->ref();
    camera = new SoOrthographicCamera;
    camera->position.setValue(0.0f, 0.0f, 5.0f);
    root->addChild(camera);
  }
  void TearDown() override {
    root->unref();
    EXPECT_EQ(SoBase::getLiveCount(), live_);
  }

  SoCube* addCubeAt(float x, float y, float z) {
    auto* sep = new SoSeparator;
    auto* move = new SoTranslation;
    move->translation.setValue(x, y, z);
    sep->addChild(move);
    auto* cube = new SoCube;
    sep->addChild(cube);
    root->addChild(sep);
    return cube;
  }

  SoSeparator* root = nullptr;
  SoOrthographicCamera* camera = nullptr;

 private:
  long live_ = 0;
};

TEST_F(SoGLRenderActionTest, logRecordsEachShapeWithItsPlacement) {
  SoCube* first = addCubeAt(1.0f, 2.0f, 0.0f);
  SoCube* second = addCubeAt(-3.0f, 0.0f, 0.0f);
  const SbViewportRegion window(200, 100);
  SoGLRenderAction render(window);
  render.apply(root);

  const auto& log = render.getRenderLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].node, first);
  EXPECT_EQ(log[1].node, second);
  SbVec3f origin;
  log[0].modelMatrix.multVecMatrix(SbVec3f(0, 0, 0), origin);
  EXPECT_EQ(origin, SbVec3f(1, 2, 0));
  log[1].modelMatrix.multVecMatrix(SbVec3f(0, 0, 0), origin);
  EXPECT_EQ(origin, SbVec3f(-3, 0, 0));
  // The camera widens its volume to the 2:1 viewport.
  EXPECT_EQ(log[0].viewVolume, camera->getViewVolume(2.0f));
  EXPECT_FLOAT_EQ(log[0].viewVolume.getWidth(), 4.0f);
  EXPECT_FLOAT_EQ(log[0].viewVolume.getHeight(), 2.0f);
  EXPECT_EQ(log[0].viewportRegion, window);
  EXPECT_FALSE(log[0].scissorEnabled);
  EXPECT_FALSE(log[0].annotation);

  // Each render starts a new log.
  render.apply(root);
  EXPECT_EQ(render.getRenderLog().size(), 2u);
  render.setRenderLogEnabled(false);
  render.apply(root);
  EXPECT_TRUE(render.getRenderLog().empty());
}

TEST_F(SoGLRenderActionTest, leaveAloneKeepsTheCamerasAspectRatio) {
  addCubeAt(0, 0, 0);
  camera->viewportMapping = SoCamera::LEAVE_ALONE;
  camera->aspectRatio = 0.5f;
  SoGLRenderAction render(SbViewportRegion(200, 100));
  render.apply(root);
  ASSERT_EQ(render.getRenderLog().size(), 1u);
  EXPECT_FLOAT_EQ(render.getRenderLog()[0].viewVolume.getWidth(), 1.0f);
}

TEST_F(SoGLRenderActionTest, tileRenderNarrowsTheCamerasVolume) {
  addCubeAt(0, 0, 0);
  auto* perspective = new SoPerspectiveCamera;
  perspective->position.setValue(0.0f, 0.0f, 5.0f);
  root->replaceChild(0, perspective);
  SbViewportRegion logical(400, 400);
  const SbVec4f tile(0.0f, 0.0f, 0.5f, 0.5f);

  struct Seen {
    SbViewportRegion logical;
    SbVec4f logicalPortion;
    SbVec2f origin, size;
  } seen;
  auto* probe = new SoCallback;
  probe->setCallback(
      [](void* data, SoAction* action) {
        auto* s = static_cast<Seen*>(data);
        SoState* state = action->getState();
        s->logical = SoLogicalViewportElement::get(state);
        s->logicalPortion = SoModifyLogicalViewportElement::get(state);
        SoGLUpdateAreaElement::get(state, s->origin, s->size);
      },
      &seen);
  root->insertChild(probe, 0);

  SoGLRenderAction render(SbViewportRegion(200, 200));
  EXPECT_EQ(render.getLogicalViewportRegion(), SbViewportRegion(200, 200));
  render.setVVPortion(tile);
  render.setLogicalViewportRegion(logical);
  render.apply(root);

  ASSERT_EQ(render.getRenderLog().size(), 1u);
  const SbViewVolume whole = perspective->getViewVolume(1.0f);
  const SbViewVolume& drawn = render.getRenderLog()[0].viewVolume;
  EXPECT_EQ(drawn, whole.narrow(0.0f, 0.0f, 0.5f, 0.5f));
  EXPECT_FLOAT_EQ(drawn.getWidth(), 0.5f * whole.getWidth());
  EXPECT_EQ(seen.logical, logical);
  EXPECT_EQ(seen.logicalPortion, tile);
  EXPECT_EQ(seen.origin, SbVec2f(0, 0));
  EXPECT_EQ(seen.size, SbVec2f(1, 1));
}

TEST_F(SoGLRenderActionTest, recordsScissorAndAnnotationAtEachShape) {
  addCubeAt(0, 0, 0);
  auto* scissor = new SoCallback;
  scissor->setCallback([](void*, SoAction*) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(10, 20, 30, 40);
  });
  root->addChild(scissor);
  auto* annotation = new SoAnnotation;
  SoCube* overlay = new SoCube;
  annotation->addChild(overlay);
  root->addChild(annotation);
  root->addChild(new SoCube);

  SoGLRenderAction render(SbViewportRegion(100, 100));
  for (int pass = 0; pass < 2; ++pass) {  // the GL state is reset for each render
    render.apply(root);
    const auto& log = render.getRenderLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_FALSE(log[0].scissorEnabled) << "pass " << pass;
    EXPECT_TRUE(log[1].scissorEnabled);
    const int box[4] = {10, 20, 30, 40};
    EXPECT_TRUE(std::equal(box, box + 4, log[1].scissorBox));
    EXPECT_EQ(log[1].node, overlay);
    EXPECT_TRUE(log[1].annotation);
    EXPECT_FALSE(log[2].annotation);
  }
}

TEST_F(SoGLRenderActionTest, recordsLightModelAndDiffuseColourInForceUntilTheSeparatorEnds) {
  auto* inner = new SoSeparator;
  auto* flat = new SoLightModel;
  flat->model = SoLightModel::BASE_COLOR;
  auto* red = new SoMaterial;
  red->diffuseColor.setValues(0, 2, std::vector<SbColor>{{1, 0, 0}, {0, 1, 0}}.data());
  auto* noColour = new SoMaterial;
  noColour->diffuseColor.setNum(0);
  inner->addChild(flat);
  inner->addChild(red);
  inner->addChild(noColour);  // an empty list keeps the colour in force
  inner->addChild(new SoCube);
  root->addChild(inner);
  root->addChild(new SoCube);

  SoGLRenderAction render(SbViewportRegion(100, 100));
  render.apply(root);
  const auto& log = render.getRenderLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].lightModel, SoLightModel::BASE_COLOR);
  EXPECT_EQ(log[0].diffuseColor, SbColor(1, 0, 0));
  EXPECT_EQ(log[1].lightModel, SoLightModel::PHONG);
  EXPECT_EQ(log[1].diffuseColor, SbColor(0.8f, 0.8f, 0.8f));
}

}  // namespace
