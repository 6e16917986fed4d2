// SPDX-License-Identifier: Apache-2.0
// How a view narrows traversals to its rectangle, and routes mouse presses.

#include "views/PoBaseView.h"

#include "ViewTestSupport.h"
#include "platform/plivex/PoBase.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoCamera.h"
#include "platform/scenarwin/SoWinRenderArea.h"
#include "platform/scenarwin/SoWinViewer.h"
#include "platform/scenarwin/Win32.h"
#include "support/AllocationCounter.h"
#include "views/PoView.h"

namespace {

const SbVec4f kWhole(0, 0, 1, 1);

// Drawn whole and as a tile, each after a warming render and bounding box,
// times renders and bounding boxes of root allocate nothing.
void expectWarmTraversalsAllocateNothing(SoNode* root, SoGLRenderAction& render,
                                         SoGetBoundingBoxAction& bbox, int times) {
  for (int tiled : {0, 1}) {
    render.setVVPortion(tiled ? SbVec4f(0, 0, 0.5f, 0.5f) : kWhole);
    render.apply(root);  // warm: geometry, element pools, glyphs
    bbox.apply(root);
    const long allocations = allocationsOf([&] {
      for (int i = 0; i < times; ++i) {
        render.apply(root);
        bbox.apply(root);
      }
    });
    EXPECT_EQ(allocations, 0) << (tiled ? "tiled" : "whole");
  }
}

TEST_F(ViewTest, defaultViewCoversTheWholeWindow) {
  const SoRef view(new PoView);
  EXPECT_EQ(view->getViewportOrigin(), SbVec2f(0, 0));
  EXPECT_EQ(view->getViewportSize(), SbVec2f(1, 1));
  EXPECT_TRUE(view->getViewportIsEnabled());
  EXPECT_TRUE(view->isPointWithinViewport(0, 0));
  EXPECT_TRUE(view->isPointWithinViewport(1, 1));
  view->viewportOrigin.setValue(0.25f, 0.5f);
  view->viewportSize.setValue(0.5f, 0.25f);
  EXPECT_TRUE(view->isPointWithinViewport(0.75f, 0.75f)) << "right and top edges belong";
  EXPECT_FALSE(view->isPointWithinViewport(0.76f, 0.6f));
  EXPECT_FALSE(view->isPointWithinViewport(0.5f, 0.49f));
}

TEST_F(ViewTest, everyActionSeesTheViewsRectangleBelowIt) {
  ProbeRecord record;
  PoView* view = new PoView;
  const SoRef root(framedProbe(view, SbVec2f(0.5f, 0.25f), SbVec2f(0.5f, 0.5f), &record));

  SoGLRenderAction render(SbViewportRegion(200, 100));
  render.apply(root.get());
  EXPECT_EQ(record.viewport.getViewportOriginPixels(), SbVec2s(100, 25));
  EXPECT_EQ(record.viewport.getViewportSizePixels(), SbVec2s(100, 50));
  EXPECT_EQ(record.updateOrigin, SbVec2f(0.5f, 0.25f));
  EXPECT_FLOAT_EQ(record.updateSize[0], 0.5f + 1.0f / 200);
  EXPECT_FLOAT_EQ(record.updateSize[1], 0.5f + 1.0f / 100);
  EXPECT_FALSE(record.scissor) << "no tile, no scissor";

  SoGetBoundingBoxAction bbox(SbViewportRegion(400, 400));
  bbox.apply(root.get());
  EXPECT_EQ(record.viewport.getViewportSizePixels(), SbVec2s(200, 200));
  SoRayPickAction pick(SbViewportRegion(400, 400));
  pick.setNormalizedPoint(SbVec2f(0.5f, 0.5f));
  pick.apply(root.get());
  EXPECT_EQ(record.viewport.getViewportOriginPixels(), SbVec2s(200, 100));
  SoHandleEventAction event(SbViewportRegion(40, 40));
  event.apply(root.get());
  EXPECT_EQ(record.viewport.getViewportSizePixels(), SbVec2s(20, 20));
  EXPECT_EQ(record.calls, 4);
}

TEST_F(ViewTest, searchAndWriteActionsAreNotNarrowed) {
  const SoRef view(new PoView);
  SoSearchAction search;
  search.setType(SoCallback::getClassTypeId());
  search.apply(view.get());
  SoWriteAction write;
  write.apply(view.get());
  // Reaching catchActionCB directly: it must leave the states alone.
  PoBaseView::m_vvPortion = SbVec4f(0.5f, 0.5f, 1, 1);
  auto* callback = static_cast<SoCallback*>(view->getPart("catchActionCallback", FALSE));
  callback->getCallback()(callback->getCallbackData(), &search);
  callback->getCallback()(callback->getCallbackData(), &write);
  EXPECT_EQ(PoBaseView::m_vvPortion, SbVec4f(0.5f, 0.5f, 1, 1)) << "not even reset";
}

TEST_F(ViewTest, classicTileIsCapturedByTheFirstViewAndReusedByTheNext) {
  ProbeRecord first, second;
  PoView* a = new PoView;
  PoView* b = new PoView;
  const SoRef root(new SoSeparator);
  // Siblings without separators: the second view sees what the first left.
  a->viewportSize.setValue(0.5f, 1.0f);
  b->viewportOrigin.setValue(0.5f, 0.0f);
  b->viewportSize.setValue(0.5f, 1.0f);
  root->addChild(a);
  root->addChild(makeProbe(&first));
  root->addChild(b);
  root->addChild(makeProbe(&second));

  SoGLRenderAction render(SbViewportRegion(100, 100));
  render.setLogicalViewportRegion(SbViewportRegion(200, 200));
  render.setVVPortion(SbVec4f(0, 0, 0.5f, 0.5f));  // the lower-left tile of a 200x200 image
  render.apply(root.get());

  EXPECT_EQ(PoBaseView::m_vvPortion, SbVec4f(0, 0, 0.5f, 0.5f));
  EXPECT_EQ(PoBaseView::m_currentLogicalViewportSize, SbVec2s(200, 200));
  EXPECT_TRUE(first.scissor);
  EXPECT_EQ(first.scissorBox[2], 100);
  EXPECT_EQ(first.scissorBox[3], 100);
  // The tile in view a's own coordinates: its left half is the whole tile width.
  EXPECT_EQ(first.portion, SbVec4f(0, 0, 1, 0.5f));
  EXPECT_EQ(first.logical.getViewportSizePixels(), SbVec2s(100, 200));
  // View b reuses the captured tile, not what view a left in the element.
  EXPECT_EQ(second.portion, SbVec4f(-1, 0, 0, 0.5f));
  EXPECT_EQ(second.logical.getViewportOriginPixels(), SbVec2s(100, 0));
}

TEST_F(ViewTest, viewsInSeparatorsShareTheTileTheFirstOneCaptured) {
  ProbeRecord first, second;
  const SoRef root(new SoSeparator);
  root->addChild(framedProbe(new PoView, SbVec2f(0, 0), SbVec2f(0.5f, 1), &first));
  // Between the two views the tile changes; the second view keeps the one captured.
  auto* retile = new SoCallback;
  retile->setCallback([](void*, SoAction* action) {
    SoModifyViewVolumeElement::set(action->getState(), SbVec4f(0.5f, 0.5f, 1, 1));
  });
  root->addChild(retile);
  root->addChild(framedProbe(new PoView, SbVec2f(0.5f, 0), SbVec2f(0.5f, 1), &second));
  SoGLRenderAction render(SbViewportRegion(100, 100));
  render.setVVPortion(SbVec4f(0, 0, 0.5f, 0.5f));
  render.apply(root.get());
  EXPECT_EQ(first.portion, SbVec4f(0, 0, 1, 0.5f));
  EXPECT_EQ(second.portion, SbVec4f(-1, 0, 0, 0.5f));
}

TEST_F(ViewTest, nonRenderActionResetsTheCapturedPortion) {
  const SoRef view(new PoView);
  PoBaseView::m_vvPortion = SbVec4f(0.5f, 0.5f, 1, 1);
  SoGetBoundingBoxAction bbox(SbViewportRegion(10, 10));
  bbox.apply(view.get());
  EXPECT_EQ(PoBaseView::m_vvPortion, kWhole);
}

struct RenderUnitCase {
  const char* name;
  SbVec2f origin, size;  // the view
  SbVec4f tile;          // the tile's portion of the logical image
  SbVec2s pixelOrigin, pixelSize;
};

class RenderUnitTest : public ViewTest, public ::testing::WithParamInterface<RenderUnitCase> {};

TEST_P(RenderUnitTest, clipsTheViewAgainstTheTile) {
  const RenderUnitCase& c = GetParam();
  SoDB::setRenderUnitMode(1);
  ProbeRecord record;
  PoView* view = new PoView;
  const SoRef root(framedProbe(view, c.origin, c.size, &record));
  // A 400x400 logical image drawn in 200x200 tiles.
  SoGLRenderAction render(SbViewportRegion(200, 200));
  render.setLogicalViewportRegion(SbViewportRegion(400, 400));
  render.setVVPortion(c.tile);
  render.apply(root.get());
  EXPECT_EQ(PoBaseView::m_vvPortion, c.tile);
  EXPECT_EQ(record.viewport.getViewportOriginPixels(), c.pixelOrigin);
  EXPECT_EQ(record.viewport.getViewportSizePixels(), c.pixelSize);
}

INSTANTIATE_TEST_SUITE_P(
    Views, RenderUnitTest,
    ::testing::Values(
        RenderUnitCase{
            "inside", {0.1f, 0.1f}, {0.25f, 0.25f}, {0, 0, 0.5f, 0.5f}, {40, 40}, {100, 100}},
        RenderUnitCase{
            "rightEdgeCut", {0.25f, 0}, {0.5f, 0.25f}, {0, 0, 0.5f, 0.5f}, {100, 0}, {100, 100}},
        RenderUnitCase{
            "leftEdgeCut", {0.25f, 0}, {0.5f, 0.25f}, {0.5f, 0, 1, 0.5f}, {0, 0}, {100, 100}},
        RenderUnitCase{
            "whollyOutside", {0.6f, 0.6f}, {0.2f, 0.2f}, {0, 0, 0.5f, 0.5f}, {0, 0}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewTest, renderUnitModeLeavesOtherActionsAlone) {
  SoDB::setRenderUnitMode(1);
  ProbeRecord record;
  PoView* view = new PoView;
  const SoRef root(framedProbe(view, SbVec2f(0.5f, 0.5f), SbVec2f(0.5f, 0.5f), &record));
  SoGetBoundingBoxAction bbox(SbViewportRegion(100, 100));
  bbox.apply(root.get());
  EXPECT_EQ(record.viewport.getViewportSizePixels(), SbVec2s(100, 100));
}

TEST_F(ViewTest, zeroSizedWindowsAndViewsDoNotCrash) {
  for (int mode : {0, 1}) {
    SoDB::setRenderUnitMode(mode);
    ProbeRecord record;
    PoView* view = new PoView;
    const SoRef root(framedProbe(view, SbVec2f(0.5f, 0.5f), SbVec2f(0, 0), &record));
    SoGLRenderAction render(SbViewportRegion(0, 0));
    render.setVVPortion(SbVec4f(0, 0, 0.5f, 0.5f));
    render.apply(root.get());
    render.setViewportRegion(SbViewportRegion(100, 100));
    render.apply(root.get());
    EXPECT_EQ(record.calls, 2);
  }
}

TEST_F(ViewTest, traversalsAllocateNothingOnceWarm) {
  PoView* a = new PoView;
  PoView* b = new PoView;
  const SoRef root(new SoSeparator);
  b->viewportOrigin.setValue(0.5f, 0.5f);
  b->viewportSize.setValue(0.5f, 0.5f);
  root->addChild(a);
  root->addChild(b);
  SoGLRenderAction render(SbViewportRegion(100, 100));
  render.setRenderLogEnabled(false);
  SoGetBoundingBoxAction bbox(SbViewportRegion(100, 100));
  expectWarmTraversalsAllocateNothing(root.get(), render, bbox, 100);
}

// Drawn into a framebuffer, plots with texts and legends allocate nothing
// either once their geometry is built and their glyphs are cached.
TEST_F(ViewTest, rendersOfPlotsWithTextsAllocateNothingOnceWarm) {
  PoBase::initClasses();
  SoNode* root = readScene(
      "#Scenar V1.0 ascii\nSeparator { PoSceneView { viewportOrigin 0.1 0.1 viewportSize 0.8 0.8"
      " cameraKit CameraKit { camera OrthographicCamera { position 0.5 0.5 5 height 1.6 } }"
      " scene Group { PoLinearAxis { titleString \"x\" } PoLinearAxis { type YX }"
      " PoItemLegend { start 0.5 0.6 end 1 1 itemString [\"a\", \"b\"] titleString \"key\" }"
      " Font { size 0.1 } Text3 { string \"caption\" } }"
      " isBackgroundVisible TRUE isBorderVisible TRUE } }\n");
  ASSERT_NE(root, nullptr);
  glstandin::Framebuffer buffer(120, 120);
  glstandin::bindFramebuffer(&buffer);
  SoGLRenderAction render(SbViewportRegion(120, 120));
  render.setRenderLogEnabled(false);
  SoGetBoundingBoxAction bbox(SbViewportRegion(120, 120));
  expectWarmTraversalsAllocateNothing(root, render, bbox, 20);
  glstandin::bindFramebuffer(nullptr);
  root->unref();
}

class RoutingTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    viewer = new SoWinViewer;
    viewer->setSize(SbVec2s(200, 100));
    lower = new PoView;
    upper = new PoView;
    lower->viewportSize.setValue(0.75f, 1);
    upper->viewportOrigin.setValue(0.5f, 0);
    upper->viewportSize.setValue(0.5f, 1);
    lower->sensitiveOnEvents(1);
    upper->sensitiveOnEvents(1);
    auto* root = new SoSeparator;
    auto* first = new SoSeparator;
    first->addChild(lower);
    auto* second = new SoSeparator;
    second->addChild(upper);
    root->addChild(first);
    root->addChild(second);
    viewer->setSceneGraph(root);
    viewer->setEventCallback(PoBaseView::viewingEventCB, viewer);
  }
  void TearDown() override {
    delete viewer;
    ViewTest::TearDown();
  }
  MSG message(unsigned int kind, long x, long y) {
    MSG m;
    m.message = kind;
    m.pt.x = x;
    m.pt.y = y;
    return m;
  }
  SoCamera* cameraOf(PoView* view) {
    return static_cast<SoCamera*>(view->getPart("cameraKit.camera", FALSE));
  }

  SoWinViewer* viewer = nullptr;
  PoView* lower = nullptr;
  PoView* upper = nullptr;
};

TEST_F(RoutingTest, laterViewWinsWhereViewsOverlap) {
  EXPECT_EQ(PoBaseView::getView(viewer, 120, 50), upper);
  EXPECT_EQ(PoBaseView::getView(viewer, 20, 50), lower);
  upper->sensitiveOnEvents(0);
  EXPECT_EQ(PoBaseView::getView(viewer, 120, 50), lower);
  lower->sensitiveOnEvents(0);
  EXPECT_EQ(PoBaseView::getView(viewer, 120, 50), nullptr);
}

TEST_F(RoutingTest, pressInViewingModeHandsTheViewsCameraToTheViewer) {
  EXPECT_EQ(cameraOf(upper), nullptr) << "the camera is made when asked for";
  MSG press = message(WM_RBUTTONDOWN, 150, 10);
  viewer->processMessage(&press);
  ASSERT_NE(cameraOf(upper), nullptr);
  EXPECT_EQ(viewer->getCamera(), cameraOf(upper));
  EXPECT_EQ(viewer->getNumProcessedMessages(), 1) << "the viewer still processes the press";

  MSG left = message(WM_LBUTTONDOWN, 10, 10);
  viewer->processMessage(&left);
  EXPECT_EQ(viewer->getCamera(), cameraOf(lower));
}

TEST_F(RoutingTest, releasesMovesAndNonViewingPressesChangeNoCamera) {
  MSG release = message(WM_LBUTTONUP, 150, 10);
  MSG move = message(WM_MOUSEMOVE, 150, 10);
  viewer->processMessage(&release);
  viewer->processMessage(&move);
  EXPECT_EQ(viewer->getCamera(), nullptr);
  viewer->setViewing(FALSE);
  MSG press = message(WM_LBUTTONDOWN, 150, 10);
  viewer->processMessage(&press);
  EXPECT_EQ(viewer->getCamera(), nullptr);
  EXPECT_EQ(PoBaseView::viewingEventCB(nullptr, &press), 0);
}

TEST_F(ViewTest, mousePointsNormalizeWithRowsCountedFromTheTop) {
  SoWinRenderArea area;
  area.setSize(SbVec2s(200, 100));
  float x, y;
  struct Exposed : PoBaseView {
    using PoBaseView::normalizeMousePoint;
  };
  Exposed::normalizeMousePoint(&area, 50, 25, x, y);
  EXPECT_FLOAT_EQ(x, 0.25f);
  EXPECT_FLOAT_EQ(y, 0.75f);
  area.setSize(SbVec2s(0, 0));
  Exposed::normalizeMousePoint(&area, 50, 25, x, y);
  EXPECT_EQ(x, 0.0f);
}

}  // namespace
