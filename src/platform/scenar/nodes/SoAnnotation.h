// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoGroup.h"

// A separator whose shapes are drawn over the rest of the scene. The stand-in
// draws them in place and marks their render-log records as annotation.
class SoAnnotation : public SoSeparator {
  SO_NODE_HEADER(SoAnnotation, SoSeparator);

 public:
  SoAnnotation();
  void GLRender(SoGLRenderAction* action) override;

 protected:
  ~SoAnnotation() override = default;
};
