// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoPerspectiveCamera.h"

#include <numbers>

SO_NODE_SOURCE(SoPerspectiveCamera)

void SoPerspectiveCamera::initClass() {
  SO_NODE_INIT_CLASS(SoPerspectiveCamera, "PerspectiveCamera");
}

SoPerspectiveCamera::SoPerspectiveCamera() {
  SO_NODE_CONSTRUCTOR(SoPerspectiveCamera);
  SO_NODE_ADD_FIELD(heightAngle, (std::numbers::pi_v<float> / 4.0f));
}

SbViewVolume SoPerspectiveCamera::getViewVolume(float useAspectRatio) const {
  SbViewVolume volume;
  volume.perspective(heightAngle.getValue(), effectiveAspect(useAspectRatio),
                     nearDistance.getValue(), farDistance.getValue());
  placeVolume(volume);
  return volume;
}
