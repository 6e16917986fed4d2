// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbString.h"

// The six settings of the VRML conversion actions (SoToVRMLAction), which
// their VRML 2.0 pass (SoConvertGutsVRML2) applies to the world it makes.
struct SoVRMLConversionSettings {
  // The world's title, in its WorldInfo; none when empty.
  SbString worldTitle;
  // How the viewer moves through the world, the type of its NavigationInfo:
  // "EXAMINE", "WALK", "FLY", "ANY" or "NONE".
  SbString navigationType{"EXAMINE"};
  // Whether the browser's headlight is on (NavigationInfo).
  SbBool headlight = TRUE;
  // Whether face sets are seen from their front only (IndexedFaceSet solid);
  // FALSE draws both sides, as the toolkit does. Cubes are closed: solid.
  SbBool solidFaces = FALSE;
  // Faces meeting at a smaller angle (radians, 0 to pi) look smooth across
  // their edge (IndexedFaceSet creaseAngle); 0 keeps every edge sharp.
  float creaseAngle = 0.0f;
  // Whether shapes over the same coordinates share one Coordinate node,
  // shapes that look alike one Appearance, and a separator met again where
  // it converts alike one Group (DEF and USE in a file).
  SbBool shareNodes = TRUE;
};
