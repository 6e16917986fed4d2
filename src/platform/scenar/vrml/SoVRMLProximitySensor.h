// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// Tells where the viewer is while inside the box of size around center: the
// browser sets the outputs isActive, position_changed and orientation_changed,
// which fields can be connected from (a test or an application sets them in
// its place). enabled FALSE switches the sensor off.
class SoVRMLProximitySensor : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLProximitySensor, SoVRMLNode);
  SO_NODE_OUTPUT_HEADER(SoVRMLProximitySensor);

 public:
  SoSFVec3f center;
  SoSFVec3f size;
  SoSFBool enabled;

  // Outputs.
  SoSFBool isActive;
  SoSFVec3f position_changed;
  SoSFRotation orientation_changed;

  SoVRMLProximitySensor();
  const char* getFileTypeName() const override { return "ProximitySensor"; }

 protected:
  ~SoVRMLProximitySensor() override = default;
};
