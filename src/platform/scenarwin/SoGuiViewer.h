// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SoRef.h"

class SoCamera;

// The part of a viewer that does not depend on the window system: whether the
// viewer is in viewing mode (the user's mouse moves the camera) or not (the
// mouse goes to the scene), the camera it moves, and how a drag moves it.
class SoGuiViewer {
 public:
  SoGuiViewer();
  ~SoGuiViewer();
  SoGuiViewer(const SoGuiViewer&) = delete;
  SoGuiViewer& operator=(const SoGuiViewer&) = delete;

  // Viewing mode is on at first.
  SbBool isViewing() const { return viewing_; }
  void setViewing(SbBool viewing) { viewing_ = viewing ? TRUE : FALSE; }

  // Refs camera (nullptr clears it) and releases the former one.
  void setCamera(SoCamera* camera);
  SoCamera* getCamera() const { return camera_.get(); }

  // Orbits the camera about its focal point (focalDistance in front of it) as
  // if the scene were turned by a drag from `from` to `to`, in event pixels
  // (y up) of a window of windowSize: the scene turns about the view-plane
  // axis perpendicular to the drag, by pi radians per smaller window
  // dimension dragged. Nothing without a camera or for a null drag.
  void rotateCamera(const SbVec2s& from, const SbVec2s& to, const SbVec2s& windowSize);

 private:
  SbBool viewing_ = TRUE;
  SoRef<SoCamera> camera_;
};
