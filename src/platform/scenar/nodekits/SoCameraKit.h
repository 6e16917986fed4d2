// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodekits/SoSubKit.h"

// A camera with an optional transform in front of it. Its parts:
//   transformGroup  a group (no separator: the camera stays in force after the kit)
//     transform     an SoTransform placing the camera
//     camera        an SoCamera, made as an SoPerspectiveCamera
// All are null until asked for.
class SoCameraKit : public SoBaseKit {
  SO_KIT_HEADER(SoCameraKit, SoBaseKit);

 public:
  SoSFNode transformGroup;
  SoSFNode transform;
  SoSFNode camera;

  SoCameraKit();

 protected:
  ~SoCameraKit() override = default;
};
