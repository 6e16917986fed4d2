// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/nodes/SoShape.h"

// Polygons made of the current coordinates taken in order: each entry of
// numVertices is the vertex count of one face; a negative entry, or an empty
// list, takes all the coordinates left. Faces stop where the coordinates do;
// a face of fewer than three vertices is not picked.
class SoFaceSet : public SoShape {
  SO_NODE_HEADER(SoFaceSet, SoShape);

 public:
  SoMFInt32 numVertices;

  SoFaceSet();
  void computeBBox(SoAction* action, SbBox3f& box) override;

 protected:
  ~SoFaceSet() override = default;
  void drawGeometry(SoGLRenderAction* action) override;
  void rayPickGeometry(SoRayPickAction* action) override;
};
