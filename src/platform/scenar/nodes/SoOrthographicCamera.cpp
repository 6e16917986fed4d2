// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoOrthographicCamera.h"

SO_NODE_SOURCE(SoOrthographicCamera)

void SoOrthographicCamera::initClass() {
  SO_NODE_INIT_CLASS(SoOrthographicCamera, "OrthographicCamera");
}

SoOrthographicCamera::SoOrthographicCamera() {
  SO_NODE_CONSTRUCTOR(SoOrthographicCamera);
  SO_NODE_ADD_FIELD(height, (2.0f));
}

SbViewVolume SoOrthographicCamera::getViewVolume(float useAspectRatio) const {
  const float halfHeight = 0.5f * height.getValue();
  const float halfWidth = halfHeight * effectiveAspect(useAspectRatio);
  SbViewVolume volume;
  volume.ortho(-halfWidth, halfWidth, -halfHeight, halfHeight, nearDistance.getValue(),
               farDistance.getValue());
  placeVolume(volume);
  return volume;
}
