// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/nodes/SoSFNode.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// The base of the indexed face and line sets: polygons or polylines through
// the points of coord (an SoVRMLCoordinate), each a run of indices into them
// ended by -1 or by the end of coordIndex.
class SoVRMLIndexedShape : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLIndexedShape, SoVRMLNode);

 public:
  SoSFNode coord;
  SoMFInt32 coordIndex;

  // Makes box the box around the points that coordIndex names; an index
  // outside the points names none. Empty without coordinates.
  void computeBBox(SbBox3f& box) const;

 protected:
  SoVRMLIndexedShape();
  ~SoVRMLIndexedShape() override = default;
  // Both are set once in VRML97 files: only coord is routed.
  SbBool isExposedField(const SbName& fieldName) const override;
};
