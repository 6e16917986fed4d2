// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFRotation.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// A place to view the world from: position, orientation (looking down -z by
// default) and the vertical field of view in radians.
class SoVRMLViewpoint : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLViewpoint, SoVRMLNode);

 public:
  SoSFFloat fieldOfView;
  SoSFBool jump;
  SoSFRotation orientation;
  SoSFVec3f position;
  SoSFString description;

  SoVRMLViewpoint();
  const char* getFileTypeName() const override { return "Viewpoint"; }

 protected:
  ~SoVRMLViewpoint() override = default;
  // description is set once, not routed.
  SbBool isExposedField(const SbName& fieldName) const override;
};
