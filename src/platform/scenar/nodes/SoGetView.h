// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbLinear.h"

// Implemented by nodes that place their sub-scene in a rectangle of the window:
// the rectangle's origin and size in normalized window coordinates.
class SoGetView {
 public:
  virtual ~SoGetView() = default;
  virtual SbBool getViewportIsEnabled() const = 0;
  virtual const SbVec2f getViewportOrigin() const = 0;
  virtual const SbVec2f getViewportSize() const = 0;
};
