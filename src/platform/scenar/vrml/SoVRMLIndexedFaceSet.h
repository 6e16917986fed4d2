// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLIndexedShape.h"

// Polygons through indexed points, counterclockwise as seen from their front
// when ccw, convex when convex, seen from the front only when solid;
// creaseAngle in radians parts smooth from sharp edges.
class SoVRMLIndexedFaceSet : public SoVRMLIndexedShape {
  SO_NODE_HEADER(SoVRMLIndexedFaceSet, SoVRMLIndexedShape);

 public:
  SoSFBool ccw;
  SoSFBool convex;
  SoSFFloat creaseAngle;
  SoSFBool solid;

  SoVRMLIndexedFaceSet();
  const char* getFileTypeName() const override { return "IndexedFaceSet"; }

 protected:
  ~SoVRMLIndexedFaceSet() override = default;
};
