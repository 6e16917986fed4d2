// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbViewportRegion.h"
#include "platform/scenar/basic/SoRef.h"

class SoEvent;
class SoGLRenderAction;
class SoHandleEventAction;
class SoNode;

// What a render area hands its scene to: the scene graph, the size of the
// window it is drawn in, and the two traversals a window needs, drawing and
// passing on user events. The viewport is the whole window.
class SoSceneManager {
 public:
  SoSceneManager();
  ~SoSceneManager();
  SoSceneManager(const SoSceneManager&) = delete;
  SoSceneManager& operator=(const SoSceneManager&) = delete;

  // Refs scene (which may be nullptr) and releases the former one.
  void setSceneGraph(SoNode* scene);
  SoNode* getSceneGraph() const { return scene_.get(); }

  // Sets the window size and with it the viewport region of both actions.
  void setWindowSize(const SbVec2s& size);
  const SbVec2s& getWindowSize() const { return region_.getWindowSize(); }
  const SbViewportRegion& getViewportRegion() const { return region_; }

  // Draws the scene with the render action; nothing without a scene.
  void render();
  // How many times render() has traversed a scene.
  int getNumRenders() const { return numRenders_; }

  // Applies the event action with event to the scene. TRUE when a node
  // handled the event; FALSE without a scene or event.
  SbBool processEvent(const SoEvent* event);

  SoGLRenderAction* getGLRenderAction() const { return renderAction_.get(); }
  SoHandleEventAction* getHandleEventAction() const { return eventAction_.get(); }

 private:
  SoRef<SoNode> scene_;
  SbViewportRegion region_;
  std::unique_ptr<SoGLRenderAction> renderAction_;
  std::unique_ptr<SoHandleEventAction> eventAction_;
  int numRenders_ = 0;
};
