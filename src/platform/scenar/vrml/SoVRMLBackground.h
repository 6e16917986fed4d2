// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// What the world shows behind everything else: a sky of colours from the
// zenith down (skyColor at the angles skyAngle, in radians from straight up;
// black by default), a ground of colours from the nadir up (groundColor at
// groundAngle) and six pictures of a box around the viewer (the URL fields).
// One colour with no angle paints the whole sky.
class SoVRMLBackground : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLBackground, SoVRMLNode);

 public:
  SoMFFloat groundAngle;
  SoMFColor groundColor;
  SoMFString backUrl;
  SoMFString bottomUrl;
  SoMFString frontUrl;
  SoMFString leftUrl;
  SoMFString rightUrl;
  SoMFString topUrl;
  SoMFFloat skyAngle;
  SoMFColor skyColor;

  SoVRMLBackground();
  const char* getFileTypeName() const override { return "Background"; }

 protected:
  ~SoVRMLBackground() override = default;
};
