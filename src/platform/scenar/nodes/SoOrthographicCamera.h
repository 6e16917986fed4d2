// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoCamera.h"

// A camera with parallel projection: height is the height of the volume.
class SoOrthographicCamera : public SoCamera {
  SO_NODE_HEADER(SoOrthographicCamera, SoCamera);

 public:
  SoSFFloat height;

  SoOrthographicCamera();
  SbViewVolume getViewVolume(float useAspectRatio = 0.0f) const override;

 protected:
  ~SoOrthographicCamera() override = default;
};
