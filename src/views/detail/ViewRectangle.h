#pragma once

// How a view narrows a traversal to its rectangle, in the classic tiling and in
// render-unit mode. Nothing here allocates: it works on stack copies of
// viewport regions and on the state's pooled elements.

#include "platform/scenar/basic/SbLinear.h"

class SoAction;
class SoGLRenderAction;

namespace plivexwin::detail {

// A view's rectangle in normalized window coordinates.
struct ViewRectangle {
  SbVec2f origin;
  SbVec2f size;
};

// Classic mode, any action but a search or a write: sets the viewport region
// (and for a render the update area), or for a tile of a larger image the
// scissor box, the view's part of the view-volume portion and the logical
// viewport. render is the action when it is a render, else nullptr. portion
// and logicalSize are the per-traversal values the first view of a render
// captures.
void narrowClassic(SoAction* action, SoGLRenderAction* render, const ViewRectangle& view,
                   SbVec4f& portion, SbVec2s& logicalSize);

// Render-unit mode: clips the view's rectangle in logical pixels against the
// tile the render unit draws now, whose portion goes into portion.
void narrowRenderUnit(SoGLRenderAction* action, const ViewRectangle& view, SbVec4f& portion);

// The part [0, visible) of an axis of length extent starting at origin relative
// to a tile of length tile: the visible origin and length.
struct AxisClip {
  float origin;
  float length;
};
AxisClip clipAxis(float origin, float extent, float tile);

// A float truncated toward zero to an integer, then kept to 16 bits; values
// beyond the integer range are clamped first so that the conversion is defined.
short truncateTo16Bits(float value);

}  // namespace plivexwin::detail
