// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSubNode.h"

// Sets how the shapes that follow are picked.
class SoPickStyle : public SoNode {
  SO_NODE_HEADER(SoPickStyle, SoNode);

 public:
  enum Style { SHAPE = 0, BOUNDING_BOX = 1, UNPICKABLE = 2 };

  SoSFEnum style;

  SoPickStyle();
  void doAction(SoAction* action) override;

 protected:
  ~SoPickStyle() override = default;
};
