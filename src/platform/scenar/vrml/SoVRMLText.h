// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoSFNode.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// Flat text in the XY plane, one line per string of UTF-8, set in the font
// style of fontStyle (an SoVRMLFontStyle, or NULL for its defaults). length
// stretches or squeezes each line to a width, maxExtent squeezes every line
// longer than it (0 for no limit).
class SoVRMLText : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLText, SoVRMLNode);

 public:
  SoMFString string;
  SoSFNode fontStyle;
  SoMFFloat length;
  SoSFFloat maxExtent;

  SoVRMLText();
  const char* getFileTypeName() const override { return "Text"; }

 protected:
  ~SoVRMLText() override = default;
};
