// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodekits/SoSubKit.h"

// How the shapes after the kit look. Its parts, both null until asked for:
//   lightModel  an SoLightModel
//   material    an SoMaterial
class SoAppearanceKit : public SoBaseKit {
  SO_KIT_HEADER(SoAppearanceKit, SoBaseKit);

 public:
  SoSFNode lightModel;
  SoSFNode material;

  SoAppearanceKit();

 protected:
  ~SoAppearanceKit() override = default;
};
