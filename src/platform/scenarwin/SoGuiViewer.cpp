// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/SoGuiViewer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/scenar/basic/SbRotation.h"
#include "platform/scenar/nodes/SoCamera.h"

SoGuiViewer::SoGuiViewer() = default;

SoGuiViewer::~SoGuiViewer() { setCamera(nullptr); }

void SoGuiViewer::setCamera(SoCamera* camera) { camera_.reset(camera); }

void SoGuiViewer::rotateCamera(const SbVec2s& from, const SbVec2s& to, const SbVec2s& windowSize) {
  if (!camera_) return;
  const float dx = static_cast<float>(to[0]) - static_cast<float>(from[0]);
  const float dy = static_cast<float>(to[1]) - static_cast<float>(from[1]);
  const float pixels = std::sqrt(dx * dx + dy * dy);
  if (pixels == 0.0f) return;
  const float span = static_cast<float>(std::max<short>(1, std::min(windowSize[0], windowSize[1])));
  const float angle = std::numbers::pi_v<float> * pixels / span;

  // The scene turns by angle about the view-plane axis perpendicular to the
  // drag; the camera turns the other way about the focal point.
  const SbRotation orientation = camera_->orientation.getValue();
  SbVec3f axis;
  orientation.multVec(SbVec3f(-dy, dx, 0.0f), axis);
  const SbRotation turn(axis, -angle);

  const SbVec3f position = camera_->position.getValue();
  SbVec3f viewDirection;
  orientation.multVec(SbVec3f(0.0f, 0.0f, -1.0f), viewDirection);
  const SbVec3f focalPoint = position + viewDirection * camera_->focalDistance.getValue();
  SbVec3f offset;
  turn.multVec(position - focalPoint, offset);

  camera_->orientation.setValue(orientation * turn);
  camera_->position.setValue(focalPoint + offset);
}
