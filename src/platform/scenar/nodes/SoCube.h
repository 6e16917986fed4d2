// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoShape.h"

// A box centred on the origin; a negative extent counts as its size.
class SoCube : public SoShape {
  SO_NODE_HEADER(SoCube, SoShape);

 public:
  SoSFFloat width;
  SoSFFloat height;
  SoSFFloat depth;

  SoCube();
  void computeBBox(SoAction* action, SbBox3f& box) override;

 protected:
  ~SoCube() override = default;
  void drawGeometry(SoGLRenderAction* action) override;
  void rayPickGeometry(SoRayPickAction* action) override;
};
