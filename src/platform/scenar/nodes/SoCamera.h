// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbViewVolume.h"
#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// The base of the cameras. A camera sits at position, turned by orientation
// from looking down -Z with +Y up. When an action traverses it, it makes its
// view volume for the current viewport, narrows it to the view-volume portion
// the traversal draws, and sets the view volume and the viewing and
// projection matrices for the shapes that follow.
//
// The view volume's width over height is the current viewport's aspect
// ratio; with LEAVE_ALONE it is the camera's own aspectRatio. The other
// mappings are treated alike: the viewport's aspect, no cropping.
class SoCamera : public SoNode {
  SO_NODE_HEADER(SoCamera, SoNode);

 public:
  enum ViewportMapping {
    CROP_VIEWPORT_FILL_FRAME = 0,
    CROP_VIEWPORT_LINE_FRAME = 1,
    CROP_VIEWPORT_NO_FRAME = 2,
    ADJUST_CAMERA = 3,
    LEAVE_ALONE = 4
  };

  SoSFVec3f position;
  SoSFRotation orientation;
  SoSFFloat aspectRatio;
  SoSFFloat nearDistance;
  SoSFFloat farDistance;
  SoSFFloat focalDistance;
  SoSFEnum viewportMapping;

  // The volume seen with the given width over height; a ratio that is not
  // positive means the aspectRatio field.
  virtual SbViewVolume getViewVolume(float useAspectRatio = 0.0f) const = 0;

  void doAction(SoAction* action) override;

 protected:
  SoCamera();
  ~SoCamera() override = default;

  // Places a volume made at the origin looking down -Z where the camera is.
  void placeVolume(SbViewVolume& volume) const;
  // useAspectRatio, or the aspectRatio field when it is not positive.
  float effectiveAspect(float useAspectRatio) const;
};
