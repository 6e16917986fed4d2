// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoWinViewer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/basic/SbRotation.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoPerspectiveCamera.h"

namespace {

MSG mouseMessage(unsigned int message, long x, long y) {
  MSG msg;
  msg.message = message;
  msg.pt.x = x;
  msg.pt.y = y;
  return msg;
}

void countEvent(void* count, SoAction* action) {
  if (action->isOfType(SoHandleEventAction::getClassTypeId())) ++*static_cast<int*>(count);
}

struct CallbackLog {
  int calls = 0;
  SbBool consume = FALSE;
  static SbBool record(void* self, MSG*) {
    auto* log = static_cast<CallbackLog*>(self);
    ++log->calls;
    return log->consume;
  }
};

SbVec3f viewDirection(const SoCamera* camera) {
  SbVec3f direction;
  camera->orientation.getValue().multVec(SbVec3f(0, 0, -1), direction);
  return direction;
}

void expectNear(const SbVec3f& actual, const SbVec3f& expected) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-4f) << "component " << i;
}

// A viewer of 200 x 100 pixels with a camera 10 units in front of the origin,
// looking at it, and a scene that counts the events it gets.
class SoWinViewerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override {
    live_ = SoBase::getLiveCount();
    viewer_ = std::make_unique<SoWinViewer>();
    viewer_->setSize(SbVec2s(200, 100));
    auto* scene = new SoCallback;
    scene->setCallback(countEvent, &sceneEvents_);
    viewer_->setSceneGraph(scene);
    camera_ = new SoPerspectiveCamera;
    camera_->position.setValue(0, 0, 10);
    camera_->focalDistance.setValue(10);
    viewer_->setCamera(camera_);
  }
  void TearDown() override {
    viewer_.reset();
    EXPECT_EQ(SoBase::getLiveCount(), live_);
  }

  // Presses the left button at (x0, y), moves to (x1, y), releases there.
  void drag(long x0, long x1, long y) {
    MSG down = mouseMessage(WM_LBUTTONDOWN, x0, y);
    MSG move = mouseMessage(WM_MOUSEMOVE, x1, y);
    MSG up = mouseMessage(WM_LBUTTONUP, x1, y);
    viewer_->processMessage(&down);
    viewer_->processMessage(&move);
    viewer_->processMessage(&up);
  }

  std::unique_ptr<SoWinViewer> viewer_;
  SoPerspectiveCamera* camera_ = nullptr;
  int sceneEvents_ = 0;

 private:
  long live_ = 0;
};

TEST_F(SoWinViewerTest, cameraSetterHoldsTheCameraInTheGenericPart) {
  EXPECT_EQ(viewer_->getCamera(), camera_);
  EXPECT_EQ(viewer_->getGuiViewer()->getCamera(), camera_);
  EXPECT_EQ(camera_->getRefCount(), 1);

  const long before = SoBase::getLiveCount();
  auto* other = new SoPerspectiveCamera;
  viewer_->setCamera(other);
  EXPECT_EQ(SoBase::getLiveCount(), before) << "the former camera was released and deleted";
  EXPECT_EQ(viewer_->getCamera(), other);
  viewer_->setCamera(other);
  EXPECT_EQ(other->getRefCount(), 1);
  viewer_->setCamera(nullptr);
  EXPECT_EQ(viewer_->getCamera(), nullptr);
  EXPECT_EQ(SoBase::getLiveCount(), before - 1);
  camera_ = nullptr;

  drag(0, 50, 50);  // no camera: the drag moves nothing and breaks nothing
  EXPECT_EQ(viewer_->getNumProcessedMessages(), 3);
}

TEST_F(SoWinViewerTest, viewingModeDecidesWhetherADragOrbitsTheCamera) {
  EXPECT_TRUE(viewer_->isViewing());
  EXPECT_TRUE(viewer_->getGuiViewer()->isViewing());

  // Half the smaller window dimension to the right: the scene turns a quarter
  // turn about the vertical, so the camera orbits to -X and looks along +X.
  drag(20, 70, 40);
  expectNear(camera_->position.getValue(), SbVec3f(-10, 0, 0));
  expectNear(viewDirection(camera_), SbVec3f(1, 0, 0));
  EXPECT_EQ(sceneEvents_, 0) << "in viewing mode the drag stays out of the scene";
  EXPECT_FALSE(viewer_->isDragging());

  // A move without the button held does nothing.
  MSG move = mouseMessage(WM_MOUSEMOVE, 150, 10);
  viewer_->processMessage(&move);
  expectNear(camera_->position.getValue(), SbVec3f(-10, 0, 0));

  viewer_->setViewing(FALSE);
  EXPECT_FALSE(viewer_->getGuiViewer()->isViewing());
  const SbRotation orientation = camera_->orientation.getValue();
  drag(20, 70, 40);
  EXPECT_EQ(camera_->orientation.getValue(), orientation);
  expectNear(camera_->position.getValue(), SbVec3f(-10, 0, 0));
  EXPECT_EQ(sceneEvents_, 3) << "outside viewing mode the messages go to the scene";

  viewer_->setViewing(TRUE);
  MSG down = mouseMessage(WM_LBUTTONDOWN, 100, 50);
  viewer_->processMessage(&down);
  EXPECT_TRUE(viewer_->isDragging());
  viewer_->setViewing(FALSE);
  EXPECT_FALSE(viewer_->isDragging()) << "leaving viewing mode ends the drag";
  viewer_->setViewing(TRUE);
  MSG away = mouseMessage(WM_MOUSEMOVE, 0, 0);
  viewer_->processMessage(&away);
  EXPECT_EQ(camera_->orientation.getValue(), orientation);
}

TEST_F(SoWinViewerTest, verticalDragsTiltAndKeepTheFocalPoint) {
  // Upward on screen (y falls in window pixels): the near side of the scene
  // rises, so the camera sinks below the focal point and looks up.
  MSG down = mouseMessage(WM_LBUTTONDOWN, 100, 80);
  viewer_->processMessage(&down);
  for (long y = 75; y >= 30; y -= 5) {  // in steps: the turns add up
    MSG move = mouseMessage(WM_MOUSEMOVE, 100, y);
    viewer_->processMessage(&move);
    const SbVec3f position = camera_->position.getValue();
    EXPECT_NEAR(length(position), 10.0f, 1e-3f) << "stays at focal distance from the origin";
    expectNear(position + viewDirection(camera_) * 10.0f, SbVec3f(0, 0, 0));
  }
  expectNear(camera_->position.getValue(), SbVec3f(0, -10, 0));
  expectNear(viewDirection(camera_), SbVec3f(0, 1, 0));

  viewer_->setSize(SbVec2s(0, 0));  // no size: the turn stays finite
  MSG move = mouseMessage(WM_MOUSEMOVE, 100, 31);
  viewer_->processMessage(&move);
  const SbVec3f position = camera_->position.getValue();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(std::isfinite(position[i]));
}

TEST_F(SoWinViewerTest, eventCallbackStillRunsFirstInViewingMode) {
  CallbackLog callback;
  viewer_->setEventCallback(CallbackLog::record, &callback);
  const SbRotation orientation = camera_->orientation.getValue();

  callback.consume = TRUE;
  drag(20, 70, 40);
  EXPECT_EQ(callback.calls, 3);
  EXPECT_EQ(viewer_->getNumProcessedMessages(), 0);
  EXPECT_EQ(camera_->orientation.getValue(), orientation) << "consumed: the viewer never saw it";

  callback.consume = FALSE;
  drag(20, 70, 40);
  EXPECT_EQ(callback.calls, 6);
  EXPECT_EQ(viewer_->getNumProcessedMessages(), 3) << "the viewer went on after the callback";
  expectNear(camera_->position.getValue(), SbVec3f(-10, 0, 0));
  EXPECT_EQ(sceneEvents_, 0);

  viewer_->setViewing(FALSE);
  callback.consume = TRUE;
  drag(20, 70, 40);
  EXPECT_EQ(sceneEvents_, 0) << "consumed outside viewing mode too";
  EXPECT_EQ(viewer_->getNumProcessedMessages(), 3);
}

}  // namespace
