// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenarwin/SoGuiViewer.h"
#include "platform/scenarwin/SoWinRenderArea.h"

class SoCamera;

// A render area whose user moves a camera. In viewing mode a drag with the
// left button held orbits the camera about its focal point and the messages
// stay out of the scene; outside viewing mode every message goes to the scene
// as in a plain render area. Either way the event callback has the first say.
class SoWinViewer : public SoWinRenderArea {
 public:
  explicit SoWinViewer(HWND parent = nullptr, const char* name = nullptr,
                       SbBool buildInsideParent = TRUE);
  ~SoWinViewer() override;

  // The window-system independent part, which holds the mode and the camera.
  SoGuiViewer* getGuiViewer() { return &gui_; }
  const SoGuiViewer* getGuiViewer() const { return &gui_; }

  // Leaving viewing mode ends a drag under way.
  virtual void setViewing(SbBool viewing);
  SbBool isViewing() const { return gui_.isViewing(); }

  // Refs camera (nullptr clears it) and releases the former one.
  virtual void setCamera(SoCamera* camera);
  SoCamera* getCamera() const { return gui_.getCamera(); }

  // How many messages the viewer went on to handle itself after the event
  // callback left them, in either mode.
  int getNumProcessedMessages() const { return numProcessed_; }
  // Whether a left-button drag is under way.
  SbBool isDragging() const { return dragging_; }

 protected:
  SbBool processEvent(MSG* message) override;
  SbBool passesMessagesToScene() const override { return !isViewing(); }

  const char* getDefaultWidgetName() const override { return "SoWinViewer"; }
  const char* getDefaultTitle() const override { return "Win Viewer"; }
  const char* getDefaultIconTitle() const override { return "Win Viewer"; }

 private:
  SoGuiViewer gui_;
  SbBool dragging_ = FALSE;
  SbVec2s dragPoint_;  // last drag position, in event pixels
  int numProcessed_ = 0;
};
