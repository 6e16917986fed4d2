// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// How the shapes that follow are lit: PHONG shades them with the lights,
// BASE_COLOR draws them in their diffuse colour alone.
class SoLightModel : public SoNode {
  SO_NODE_HEADER(SoLightModel, SoNode);

 public:
  enum Model { BASE_COLOR = 0, PHONG = 1 };

  SoSFEnum model;

  SoLightModel();
  // Sets the light model for the shapes that follow.
  void doAction(SoAction* action) override;

 protected:
  ~SoLightModel() override = default;
};
