// SPDX-License-Identifier: Apache-2.0
#pragma once

// A scene view's background and border in the VRML world: shapes that show,
// on the browser's screen, the view's rectangle filled and outlined in the
// colours the view draws them in.

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"

class PoSceneView;
class SoVRMLGroup;

namespace plivexwin::detail {

// Where a view shows as its camera sees the window, in the camera's frame
// (at the origin, looking down -z): at the distance focal the window is
// height high and as wide, and the view's rectangle is its part from origin
// to origin + size.
struct ViewWindow {
  double focal = 1.0;
  double height = 1.0;
  SbVec2f origin;
  SbVec2f size;
};

// How far from its camera a view's background shows: the camera's far
// distance, where the view draws it, kept from 1.5 to 100 focal distances so
// that it lies behind the scene and stays of a size browsers draw well.
double backdropDepth(float farDistance, double focal);

// Adds to group, into whose frame toGroup maps the camera's, what of
// view's background and border is visible: the background (a rectangle in
// the colour of the "backgroundApp" material, unlit, seen from both sides) at
// the distance depth, the border (the rectangle's edges in the colour of the
// "borderApp" material) a hundredth nearer, both covering the view's
// rectangle exactly on the screen. Nothing whose points would not be finite.
void addBackdrop(PoSceneView& view, const ViewWindow& window, double depth, const SbMatrix& toGroup,
                 SoVRMLGroup* group);

}  // namespace plivexwin::detail
