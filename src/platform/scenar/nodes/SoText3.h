// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/fields/SoMFields.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenar/nodes/SoShape.h"

// Flat text in the XY plane of its own coordinates, the front of the
// toolkit's three-dimensional text (it has no sides or back, and no parts
// field): one line per string, the first line's base line along x from the
// origin, each next line spacing ems lower. An em is the current font's
// size, in these coordinates, so text scales with the scene like any shape.
// justification puts each line's start (LEFT), end (RIGHT) or middle
// (CENTER) at x = 0.
//
// Drawn by the GL stand-in from the current font's glyphs in the diffuse
// colour, unlit. Its box spans every line's advance, from the last line's
// descent to the first line's ascent, at z = 0; picking rays hit that box.
// Empty lines add nothing to it. A font size that is not positive and finite
// draws and bounds nothing; a spacing that is not finite counts as 1.
class SoText3 : public SoShape {
  SO_NODE_HEADER(SoText3, SoShape);

 public:
  enum Justification { LEFT = 1, RIGHT = 2, CENTER = 3 };

  SoMFString string;
  SoSFFloat spacing;       // 1
  SoSFEnum justification;  // LEFT

  SoText3();
  void computeBBox(SoAction* action, SbBox3f& box) override;

 protected:
  ~SoText3() override = default;
  void drawGeometry(SoGLRenderAction* action) override;
  void rayPickGeometry(SoRayPickAction* action) override;
};
