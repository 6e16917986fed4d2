// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenarwin/SoSceneManager.h"
#include "platform/scenarwin/SoWinComponent.h"
#include "platform/scenarwin/Win32.h"

class SoEvent;
class SoNode;

// Runs on every message before the render area looks at it; TRUE consumes it.
using SoWinRenderAreaEventCB = SbBool(void* userData, MSG* message);

// A window component that draws a scene graph and passes the user's mouse
// messages on to it as toolkit events.
//
// A message goes first to the event callback; when the callback returns TRUE
// nothing else sees it. Otherwise the mouse button and move messages become
// toolkit events sent to the scene (where the area sends to the scene at all,
// see passesMessagesToScene), and then the processEvent hook gets the message.
//
// Message positions are window pixels counted from the top-left corner; event
// positions are counted from the bottom-left corner of the window:
// x' = x, y' = height - 1 - y, each saturated to the range of a short.
class SoWinRenderArea : public SoWinComponent {
 public:
  explicit SoWinRenderArea(HWND parent = nullptr, const char* name = nullptr,
                           SbBool buildInsideParent = TRUE);
  ~SoWinRenderArea() override;

  // Refs scene (nullptr clears it) and releases the former one.
  virtual void setSceneGraph(SoNode* scene);
  SoNode* getSceneGraph() const { return sceneManager_->getSceneGraph(); }
  SoSceneManager* getSceneManager() const { return sceneManager_.get(); }

  // The size of the drawing window in pixels, 100 x 100 at first.
  void setSize(const SbVec2s& size);
  SbVec2s getSize() const { return sceneManager_->getWindowSize(); }
  const SbViewportRegion& getViewportRegion() const { return sceneManager_->getViewportRegion(); }

  // Draws the scene.
  void render() { sceneManager_->render(); }

  // fn(userData, message) runs first on every message; nullptr removes it.
  void setEventCallback(SoWinRenderAreaEventCB* function, void* userData = nullptr);

  // What the window does when message arrives. TRUE when the event callback,
  // the scene or the processEvent hook handled it; FALSE for nullptr.
  virtual SbBool processMessage(MSG* message);

  // The event the area made of the last message it sent to the scene, or
  // nullptr before any; valid until the next message.
  const SoEvent* getLastEvent() const { return lastEvent_.get(); }

  // The event position of a message position in a window height pixels high.
  static SbVec2s toEventPosition(const POINT& point, short height);

 protected:
  // Called after the scene had its chance with a message the event callback
  // left; TRUE when the hook handled it. Does nothing here.
  virtual SbBool processEvent(MSG* message);
  // Whether messages go to the scene as events; always here.
  virtual SbBool passesMessagesToScene() const { return TRUE; }

  const char* getDefaultWidgetName() const override { return "SoWinRenderArea"; }
  const char* getDefaultTitle() const override { return "Win RenderArea"; }
  const char* getDefaultIconTitle() const override { return "Win RenderArea"; }

 private:
  // The toolkit event of message, or nullptr for messages that make none.
  std::unique_ptr<SoEvent> translateMessage(const MSG& message) const;

  std::unique_ptr<SoWinWindow> glWidget_;
  std::unique_ptr<SoSceneManager> sceneManager_;
  SoWinRenderAreaEventCB* eventCallback_ = nullptr;
  void* eventCallbackData_ = nullptr;
  std::unique_ptr<SoEvent> lastEvent_;
};
