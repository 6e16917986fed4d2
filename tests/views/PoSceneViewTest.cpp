// SPDX-License-Identifier: Apache-2.0
// The scene view: its background and border, how they are rebuilt, drawn,
// picked, written and copied.

#include "views/PoSceneView.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoCube.h"
#include "platform/scenar/nodes/SoFaceSet.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPickStyle.h"
#include "platform/scenarwin/SoWinViewer.h"

namespace {

SoGroup* partGroup(PoSceneView* view, const char* part) {
  return static_cast<SoGroup*>(view->getPart(part, FALSE));
}

// The upper-right quarter of a 400x300 window, drawing a cube seen from z = 5,
// with a red background and a blue border.
class SceneViewTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    root = new SoSeparator;
    root->ref();
    view = new PoSceneView;
    view->viewportOrigin.setValue(0.5f, 0.5f);
    view->viewportSize.setValue(0.5f, 0.5f);
    ASSERT_TRUE(view->set("cameraKit.camera", "position 0 0 5"));
    ASSERT_TRUE(view->set("backgroundApp.material", "diffuseColor 1 0 0"));
    ASSERT_TRUE(view->set("borderApp.material", "diffuseColor 0 0 1"));
    cube = new SoCube;
    static_cast<SoGroup*>(view->getPart("scene", TRUE))->addChild(cube);
    view->isBackgroundVisible = TRUE;
    view->isBorderVisible = TRUE;
    root->addChild(view);
  }
  void TearDown() override {
    root->unref();
    ViewTest::TearDown();
  }

  SoSeparator* root = nullptr;
  PoSceneView* view = nullptr;
  SoCube* cube = nullptr;
};

TEST_F(ViewTest, flagsBuildTheBackgroundAndBorderAndEmptyThemAgain) {
  const SoRef view(new PoSceneView);
  EXPECT_EQ(view->getPart("background", FALSE), nullptr);
  EXPECT_EQ(view->getPart("border", FALSE), nullptr);

  view->isBorderVisible = TRUE;  // rebuilt before the assignment returns
  SoGroup* border = partGroup(view.get(), "border");
  ASSERT_NE(border, nullptr);
  ASSERT_EQ(border->getNumChildren(), 4);
  auto* camera = dynamic_cast<SoOrthographicCamera*>(border->getChild(0));
  ASSERT_NE(camera, nullptr);
  EXPECT_EQ(camera->viewportMapping.getValue(), SoCamera::LEAVE_ALONE);
  EXPECT_EQ(static_cast<SoPickStyle*>(border->getChild(1))->style.getValue(),
            SoPickStyle::UNPICKABLE);
  EXPECT_EQ(static_cast<SoCoordinate3*>(border->getChild(2))->point.getNum(), 8);
  auto* lines = dynamic_cast<SoLineSet*>(border->getChild(3));
  ASSERT_NE(lines, nullptr);
  EXPECT_EQ(lines->numVertices.getNum(), 4);
  EXPECT_EQ(lines->numVertices[3], 2);

  view->isBackgroundVisible = TRUE;
  SoGroup* background = partGroup(view.get(), "background");
  ASSERT_NE(background, nullptr);
  auto* far = static_cast<SoOrthographicCamera*>(background->getChild(0));
  EXPECT_EQ(far->nearDistance.getValue(), 1.0f);
  EXPECT_EQ(far->farDistance.getValue(), 0.0f);
  const SoMFVec3f& corners = static_cast<SoCoordinate3*>(background->getChild(2))->point;
  ASSERT_EQ(corners.getNum(), 4);
  EXPECT_EQ(std::bit_cast<uint32_t>(corners[2][2]), 0x3F7FFFFEu);
  EXPECT_EQ(static_cast<SoFaceSet*>(background->getChild(3))->numVertices[0], 4);

  border->ref();
  view->isBorderVisible = FALSE;
  EXPECT_EQ(view->getPart("border", FALSE), nullptr);
  view->isBorderVisible = TRUE;
  EXPECT_NE(partGroup(view.get(), "border"), border) << "a fresh group";
  EXPECT_EQ(border->getRefCount(), 1) << "the kit released the old group";
  border->unref();
}

TEST_F(ViewTest, takenDownConnectionsRebuildNothingUntilSetUpAgain) {
  auto* view = new PoSceneView;
  view->ref();
  SoBaseKit* kit = view;
  EXPECT_EQ(kit->setUpConnections(FALSE), 1);
  view->isBackgroundVisible = TRUE;
  view->isBorderVisible = TRUE;
  EXPECT_EQ(view->getPart("background", FALSE), nullptr);
  EXPECT_EQ(view->getPart("border", FALSE), nullptr);
  EXPECT_EQ(kit->setUpConnections(FALSE), FALSE) << "nothing to change";

  EXPECT_EQ(kit->setUpConnections(TRUE), 0);
  EXPECT_NE(view->getPart("background", FALSE), nullptr);
  EXPECT_NE(view->getPart("border", FALSE), nullptr);
  view->isBorderVisible = FALSE;
  EXPECT_EQ(view->getPart("border", FALSE), nullptr) << "the sensors hear again";
  view->unref();

  SoDB::setRenderUnitMode(1);
  view = new PoSceneView;
  view->ref();
  view->isBackgroundVisible = TRUE;
  kit = view;
  kit->setUpConnections(TRUE, TRUE);
  EXPECT_EQ(view->getPart("background", FALSE), nullptr) << "render units draw no background";
  view->unref();
}

TEST_F(SceneViewTest, drawsBackgroundSceneAndBorderInItsRectangle) {
  SoGLRenderAction render(SbViewportRegion(400, 300));
  render.apply(root);
  const auto& log = render.getRenderLog();
  ASSERT_EQ(log.size(), 3u);
  for (const auto& record : log) {
    EXPECT_EQ(record.viewportRegion.getViewportOriginPixels(), SbVec2s(200, 150));
    EXPECT_EQ(record.viewportRegion.getViewportSizePixels(), SbVec2s(200, 150));
  }
  EXPECT_NE(dynamic_cast<SoFaceSet*>(log[0].node), nullptr);
  EXPECT_EQ(log[0].lightModel, SoLightModel::BASE_COLOR);
  EXPECT_EQ(log[0].diffuseColor, SbColor(1, 0, 0));
  SbVec3f corner;
  log[0].viewVolume.projectToScreen(SbVec3f(1, 1, 0.99999988f), corner);
  EXPECT_NEAR(corner[0], 1.0f, 1e-6f);
  EXPECT_GT(corner[2], 0.999f) << "at the far end of the depth range";

  EXPECT_EQ(log[1].node, cube);
  EXPECT_EQ(log[1].lightModel, SoLightModel::PHONG) << "the background's model stays behind";
  EXPECT_FALSE(log[1].annotation);
  EXPECT_NE(dynamic_cast<SoLineSet*>(log[2].node), nullptr);
  EXPECT_TRUE(log[2].annotation);
  EXPECT_EQ(log[2].diffuseColor, SbColor(0, 0, 1));

  // A tile across the view's lower-left corner: the view's corner lands in
  // the tile's middle, and the tile is scissored.
  render.setViewportRegion(SbViewportRegion(200, 150));
  render.setLogicalViewportRegion(SbViewportRegion(400, 300));
  render.setVVPortion(SbVec4f(0.25f, 0.25f, 0.75f, 0.75f));
  render.apply(root);
  ASSERT_EQ(log.size(), 3u);
  for (int i : {0, 2}) {
    log[i].viewVolume.projectToScreen(SbVec3f(-1, -1, i == 0 ? 0.99999988f : -1.0f), corner);
    EXPECT_NEAR(corner[0], 0.5f, 1e-6f);
    EXPECT_NEAR(corner[1], 0.5f, 1e-6f);
  }
  for (const auto& record : log) {
    EXPECT_TRUE(record.scissorEnabled);
    EXPECT_EQ(std::vector<int>(record.scissorBox, record.scissorBox + 4),
              (std::vector<int>{0, 0, 200, 150}));
  }
}

TEST_F(SceneViewTest, raysPickTheSceneButNeverTheBackground) {
  SoRayPickAction pick(SbViewportRegion(400, 300));
  pick.setPoint(SbVec2s(300, 225));  // the middle of the view: the cube
  pick.apply(root);
  ASSERT_NE(pick.getPickedPoint(), nullptr);
  for (const SoPickedPoint& point : pick.getPickedPointList()) EXPECT_EQ(point.node, cube);

  pick.setPoint(SbVec2s(205, 155));  // inside the view, beside the cube
  pick.apply(root);
  EXPECT_EQ(pick.getPickedPoint(), nullptr);
}

TEST_F(SceneViewTest, fileHoldsWhatTheApplicationSetAndReadsBackItsDecorations) {
  const std::string text = writeScene(view);
  for (const char* written : {"viewportOrigin 0.5 0.5", "cameraKit CameraKit", "scene Group",
                              "backgroundApp AppearanceKit", "borderApp AppearanceKit",
                              "isBackgroundVisible TRUE", "isBorderVisible TRUE"})
    EXPECT_NE(text.find(written), std::string::npos) << written;
  for (const char* internal : {"topSep", "catchActionCallback", "backgroundSep", "sceneSep",
                               "borderSep", "background Group", "border Group"})
    EXPECT_EQ(text.find(internal), std::string::npos) << internal;

  SbString error;
  SoNode* back = readScene(text, &error);
  ASSERT_NE(back, nullptr) << error.getString();
  auto* read = dynamic_cast<PoSceneView*>(static_cast<SoGroup*>(back)->getChild(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(writeScene(read), text);
  SoGLRenderAction render(SbViewportRegion(400, 300));
  render.apply(back);
  ASSERT_EQ(render.getRenderLog().size(), 3u);
  EXPECT_EQ(render.getRenderLog()[0].diffuseColor, SbColor(1, 0, 0));
  EXPECT_EQ(render.getRenderLog()[2].diffuseColor, SbColor(0, 0, 1));
  back->unref();
}

TEST_F(SceneViewTest, readInRenderUnitModeHooksItsCallbackAndDrawsNothing) {
  const std::string text = writeScene(view);
  SoDB::setRenderUnitMode(1);
  SoNode* back = readScene(text);
  ASSERT_NE(back, nullptr);
  auto* read = static_cast<PoSceneView*>(static_cast<SoGroup*>(back)->getChild(0));
  auto* callback = static_cast<SoCallback*>(read->getPart("catchActionCallback", FALSE));
  EXPECT_EQ(callback->getCallbackData(), read);
  EXPECT_EQ(read->getPart("background", FALSE), nullptr);
  const SoRef fresh(new PoSceneView);
  EXPECT_EQ(callback->getRefCount(),
            static_cast<SoNode*>(fresh->getPart("catchActionCallback", FALSE))->getRefCount())
      << "no reference gained";
  back->unref();
}

TEST_F(SceneViewTest, copyDrawsItsOwnDecorationsInItsOwnRectangle) {
  auto* copy = new PoSceneView(*view);
  copy->viewportOrigin.setValue(0.0f, 0.0f);
  root->addChild(copy);
  EXPECT_EQ(copy->getPart("scene", FALSE), view->getPart("scene", FALSE));
  EXPECT_NE(copy->getPart("border", FALSE), nullptr);
  EXPECT_NE(copy->getPart("border", FALSE), view->getPart("border", FALSE));
  EXPECT_NE(copy->getPart("catchActionCallback", FALSE),
            view->getPart("catchActionCallback", FALSE));

  SoGLRenderAction render(SbViewportRegion(400, 300));
  render.apply(root);
  const auto& log = render.getRenderLog();
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[2].viewportRegion.getViewportOriginPixels(), SbVec2s(200, 150));
  EXPECT_EQ(log[5].viewportRegion.getViewportOriginPixels(), SbVec2s(0, 0));
  EXPECT_EQ(log[5].diffuseColor, SbColor(0, 0, 1)) << "the border's appearance came along";

  view->isBorderVisible = FALSE;
  EXPECT_NE(copy->getPart("border", FALSE), nullptr) << "the original's flag is its own";
  *copy = *view;
  EXPECT_EQ(copy->getPart("border", FALSE), nullptr);
  EXPECT_EQ(copy->viewportOrigin.getValue(), SbVec2f(0.5f, 0.5f));
}

TEST_F(SceneViewTest, pressesFindSceneViewsLikeLightViews) {
  view->sensitiveOnEvents(1);
  SoWinViewer viewer;
  viewer.setSize(SbVec2s(400, 300));
  viewer.setSceneGraph(root);
  EXPECT_EQ(PoBaseView::getView(&viewer, 300, 50), view);  // rows count from the top
  EXPECT_EQ(PoBaseView::getView(&viewer, 100, 50), nullptr);
  viewer.setSceneGraph(nullptr);
}

}  // namespace
