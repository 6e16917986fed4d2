// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/nodes/SoShape.h"

// Polylines made of the current coordinates taken in order, numVertices as
// for SoFaceSet. Picking rays hit a line passing within the action's radius
// of their point on the screen (its box, under pick style BOUNDING_BOX).
class SoLineSet : public SoShape {
  SO_NODE_HEADER(SoLineSet, SoShape);

 public:
  SoMFInt32 numVertices;

  SoLineSet();
  void computeBBox(SoAction* action, SbBox3f& box) override;

 protected:
  ~SoLineSet() override = default;
  void drawGeometry(SoGLRenderAction* action) override;
  void rayPickGeometry(SoRayPickAction* action) override;
};
