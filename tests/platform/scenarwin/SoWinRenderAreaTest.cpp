// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoWinRenderArea.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoEvent.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoHandleEventAction.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/nodes/SoCallback.h"

namespace {

// What the scene saw: the events handed to it and the viewports it was drawn in.
struct SceneLog {
  std::vector<SoEvent> events;
  std::vector<SbViewportRegion> renders;
  bool handle = false;  // whether the scene handles the events it gets
  static void record(void* self, SoAction* action) {
    auto* log = static_cast<SceneLog*>(self);
    if (action->isOfType(SoHandleEventAction::getClassTypeId())) {
      auto* eventAction = static_cast<SoHandleEventAction*>(action);
      log->events.push_back(*eventAction->getEvent());
      if (log->handle) eventAction->setHandled();
    } else if (action->isOfType(SoGLRenderAction::getClassTypeId())) {
      log->renders.push_back(static_cast<SoGLRenderAction*>(action)->getViewportRegion());
    }
  }
};

SoCallback* makeScene(SceneLog& log) {
  auto* node = new SoCallback;
  node->setCallback(SceneLog::record, &log);
  return node;
}

MSG mouseMessage(unsigned int message, long x, long y) {
  MSG msg;
  msg.message = message;
  msg.pt.x = x;
  msg.pt.y = y;
  return msg;
}

// The messages the event callback saw, and what it answers.
struct CallbackLog {
  std::vector<unsigned int> messages;
  SbBool consume = FALSE;
  static SbBool record(void* self, MSG* message) {
    auto* log = static_cast<CallbackLog*>(self);
    log->messages.push_back(message->message);
    return log->consume;
  }
};

class SoWinRenderAreaTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
  void SetUp() override { live_ = SoBase::getLiveCount(); }
  void TearDown() override { EXPECT_EQ(SoBase::getLiveCount(), live_); }

 private:
  long live_ = 0;
};

TEST_F(SoWinRenderAreaTest, holdsItsSceneAndReleasesItOnReplaceAndDestruction) {
  const long before = SoBase::getLiveCount();
  SceneLog log;
  {
    SoWinRenderArea area;
    EXPECT_EQ(area.getSceneGraph(), nullptr);
    SoCallback* first = makeScene(log);
    area.setSceneGraph(first);
    area.setSceneGraph(first);  // the same scene again takes no second reference
    EXPECT_EQ(first->getRefCount(), 1);
    EXPECT_EQ(area.getSceneGraph(), first);
    EXPECT_EQ(area.getSceneManager()->getSceneGraph(), first);

    SoCallback* second = makeScene(log);
    second->ref();  // kept alive by the test as well
    area.setSceneGraph(second);
    EXPECT_EQ(SoBase::getLiveCount(), before + 1) << "the first scene was released and deleted";
    EXPECT_EQ(second->getRefCount(), 2);

    area.setSceneGraph(nullptr);
    EXPECT_EQ(second->getRefCount(), 1);
    area.setSceneGraph(second);
    second->unref();
    EXPECT_EQ(second->getRefCount(), 1);
  }
  EXPECT_EQ(SoBase::getLiveCount(), before) << "destroying the area releases its scene";
}

TEST_F(SoWinRenderAreaTest, sizeSetsTheViewportTheSceneIsDrawnAndHandledIn) {
  SceneLog log;
  SoWinRenderArea area;
  EXPECT_EQ(area.getSize(), SbVec2s(100, 100));
  area.render();  // no scene: nothing happens
  EXPECT_EQ(area.getSceneManager()->getNumRenders(), 0);

  area.setSceneGraph(makeScene(log));
  area.setSize(SbVec2s(320, 200));
  EXPECT_EQ(area.getSize(), SbVec2s(320, 200));
  EXPECT_EQ(area.getSceneManager()->getWindowSize(), SbVec2s(320, 200));
  EXPECT_EQ(area.getViewportRegion().getViewportSizePixels(), SbVec2s(320, 200));
  EXPECT_EQ(area.getViewportRegion().getViewportOriginPixels(), SbVec2s(0, 0));

  area.render();
  ASSERT_EQ(log.renders.size(), 1u);
  EXPECT_EQ(log.renders[0], SbViewportRegion(320, 200));
  EXPECT_EQ(area.getSceneManager()->getHandleEventAction()->getViewportRegion(),
            SbViewportRegion(320, 200));

  area.setSize(SbVec2s(64, 48));
  area.render();
  ASSERT_EQ(log.renders.size(), 2u);
  EXPECT_EQ(log.renders[1].getWindowSize(), SbVec2s(64, 48));
}

TEST_F(SoWinRenderAreaTest, eventCallbackSeesMessagesFirstAndConsumesThemWithTrue) {
  SceneLog scene;
  CallbackLog callback;
  SoWinRenderArea area;
  area.setSceneGraph(makeScene(scene));
  area.setEventCallback(CallbackLog::record, &callback);

  callback.consume = TRUE;
  MSG press = mouseMessage(WM_LBUTTONDOWN, 5, 5);
  EXPECT_TRUE(area.processMessage(&press));
  EXPECT_EQ(callback.messages, std::vector<unsigned int>{WM_LBUTTONDOWN});
  EXPECT_TRUE(scene.events.empty()) << "a consumed message never reaches the scene";
  EXPECT_EQ(area.getLastEvent(), nullptr);

  callback.consume = FALSE;
  MSG release = mouseMessage(WM_LBUTTONUP, 5, 5);
  EXPECT_FALSE(area.processMessage(&release)) << "nobody handled it";
  EXPECT_EQ(callback.messages.size(), 2u);
  ASSERT_EQ(scene.events.size(), 1u);
  EXPECT_EQ(scene.events[0].getType(), SoEvent::MOUSE_RELEASE);

  scene.handle = true;
  EXPECT_TRUE(area.processMessage(&release)) << "the scene handled it";

  area.setEventCallback(nullptr);
  EXPECT_TRUE(area.processMessage(&press));
  EXPECT_EQ(callback.messages.size(), 3u) << "a removed callback is not called";
  EXPECT_EQ(scene.events.size(), 3u);

  EXPECT_FALSE(area.processMessage(nullptr));
}

TEST_F(SoWinRenderAreaTest, mouseMessagesBecomeEventsWithYCountedFromTheBottom) {
  SceneLog scene;
  SoWinRenderArea area;
  area.setSceneGraph(makeScene(scene));
  area.setSize(SbVec2s(200, 100));

  const struct {
    MSG msg;
    SoEvent::Type type;
    SbVec2s position;
  } cases[] = {
      {mouseMessage(WM_LBUTTONDOWN, 10, 0), SoEvent::MOUSE_PRESS, SbVec2s(10, 99)},
      {mouseMessage(WM_LBUTTONUP, 10, 99), SoEvent::MOUSE_RELEASE, SbVec2s(10, 0)},
      {mouseMessage(WM_MOUSEMOVE, 199, 30), SoEvent::MOUSE_MOVE, SbVec2s(199, 69)},
      {mouseMessage(WM_LBUTTONDBLCLK, 1, 2), SoEvent::MOUSE_PRESS, SbVec2s(1, 97)},
      // outside the window (captured mouse), and beyond what a short holds
      {mouseMessage(WM_MOUSEMOVE, -5, 120), SoEvent::MOUSE_MOVE, SbVec2s(-5, -21)},
      {mouseMessage(WM_MOUSEMOVE, 100000, -100000), SoEvent::MOUSE_MOVE, SbVec2s(32767, 32767)},
  };
  for (const auto& c : cases) {
    MSG msg = c.msg;
    scene.events.clear();
    area.processMessage(&msg);
    ASSERT_EQ(scene.events.size(), 1u) << "message " << c.msg.message;
    EXPECT_EQ(scene.events[0].getType(), c.type) << "message " << c.msg.message;
    EXPECT_EQ(scene.events[0].getPosition(), c.position) << "message " << c.msg.message;
    ASSERT_NE(area.getLastEvent(), nullptr);
    EXPECT_EQ(area.getLastEvent()->getPosition(), c.position);
  }

  scene.events.clear();
  MSG key = mouseMessage(0x0100, 1, 1);  // a key press: no mouse event
  EXPECT_FALSE(area.processMessage(&key));
  EXPECT_TRUE(scene.events.empty());

  area.setSceneGraph(nullptr);
  MSG press = mouseMessage(WM_LBUTTONDOWN, 1, 1);
  EXPECT_FALSE(area.processMessage(&press)) << "no scene to handle it";
}

}  // namespace
