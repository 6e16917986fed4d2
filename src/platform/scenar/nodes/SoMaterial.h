// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// The surface of the shapes that follow: their diffuse colours and
// transparencies (0 opaque, 1 clear), one per shape part.
class SoMaterial : public SoNode {
  SO_NODE_HEADER(SoMaterial, SoNode);

 public:
  SoMFColor diffuseColor;
  SoMFFloat transparency;

  SoMaterial();
  // Sets the first diffuse colour and the first transparency for the shapes
  // that follow; an empty list leaves the value in force.
  void doAction(SoAction* action) override;

 protected:
  ~SoMaterial() override = default;
};
