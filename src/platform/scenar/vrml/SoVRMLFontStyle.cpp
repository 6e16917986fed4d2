// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/vrml/SoVRMLFontStyle.h"

SO_NODE_SOURCE(SoVRMLFontStyle)

void SoVRMLFontStyle::initClass() { SO_NODE_INIT_CLASS(SoVRMLFontStyle, "VRMLFontStyle"); }

SoVRMLFontStyle::SoVRMLFontStyle() {
  SO_NODE_CONSTRUCTOR(SoVRMLFontStyle);
  family.setValue(SbString("SERIF"));
  justify.setValue(SbString("BEGIN"));
  SO_NODE_ADD_EMPTY_FIELD(family);
  SO_NODE_ADD_FIELD(horizontal, (TRUE));
  SO_NODE_ADD_EMPTY_FIELD(justify);
  SO_NODE_ADD_FIELD(language, (""));
  SO_NODE_ADD_FIELD(leftToRight, (TRUE));
  SO_NODE_ADD_FIELD(size, (1.0f));
  SO_NODE_ADD_FIELD(spacing, (1.0f));
  SO_NODE_ADD_FIELD(style, ("PLAIN"));
  SO_NODE_ADD_FIELD(topToBottom, (TRUE));
  family.setDefault(TRUE);
  justify.setDefault(TRUE);
}

SbBool SoVRMLFontStyle::isExposedField(const SbName&) const { return FALSE; }
