// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/vrml/SoVRMLNode.h"

// How an SoVRMLText is set: the font family ("SERIF", "SANS" or
// "TYPEWRITER", in order of preference), PLAIN, BOLD, ITALIC or BOLDITALIC
// style, the height of an em (size) and of a line in ems (spacing), the
// direction of the lines and of the text in them, the justification along
// and across them ("BEGIN", "MIDDLE", "END"; then "FIRST" and the like) and
// the language. Files set its fields once: VRML97 routes none of them.
class SoVRMLFontStyle : public SoVRMLNode {
  SO_NODE_HEADER(SoVRMLFontStyle, SoVRMLNode);

 public:
  SoMFString family;     // "SERIF"
  SoSFBool horizontal;   // TRUE
  SoMFString justify;    // "BEGIN"
  SoSFString language;   // ""
  SoSFBool leftToRight;  // TRUE
  SoSFFloat size;        // 1
  SoSFFloat spacing;     // 1
  SoSFString style;      // "PLAIN"
  SoSFBool topToBottom;  // TRUE

  SoVRMLFontStyle();
  const char* getFileTypeName() const override { return "FontStyle"; }

 protected:
  ~SoVRMLFontStyle() override = default;
  SbBool isExposedField(const SbName& fieldName) const override;
};
