// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoSFNode.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// Geometry (an indexed face or line set, or a text) drawn with an appearance
// (an SoVRMLAppearance); either may be NULL. Its bounding box is its indexed
// geometry's; a text, whose glyphs are the browser's, adds none.
// Actions do not look into the two fields: a search does not find the nodes
// they hold.
class SoVRMLShape : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLShape, SoVRMLNode);

 public:
  SoSFNode appearance;
  SoSFNode geometry;

  SoVRMLShape();
  const char* getFileTypeName() const override { return "Shape"; }

  void getBoundingBox(SoGetBoundingBoxAction* action) override;

 protected:
  ~SoVRMLShape() override = default;
};
