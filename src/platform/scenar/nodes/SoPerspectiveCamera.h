// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoCamera.h"

// A camera with perspective projection: heightAngle is the full vertical
// angle of the volume, in radians.
class SoPerspectiveCamera : public SoCamera {
  SO_NODE_HEADER(SoPerspectiveCamera, SoCamera);

 public:
  SoSFFloat heightAngle;

  SoPerspectiveCamera();
  SbViewVolume getViewVolume(float useAspectRatio = 0.0f) const override;

 protected:
  ~SoPerspectiveCamera() override = default;
};
