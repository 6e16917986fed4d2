// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// The points an indexed face or line set indexes.
class SoVRMLCoordinate : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLCoordinate, SoVRMLNode);

 public:
  SoMFVec3f point;

  SoVRMLCoordinate();
  const char* getFileTypeName() const override { return "Coordinate"; }

 protected:
  ~SoVRMLCoordinate() override = default;
};
