// SPDX-License-Identifier: Apache-2.0
#pragma once

// How a view narrows a traversal to its rectangle, in the classic tiling and in
// render-unit mode. Nothing here allocates: it works on stack copies of
// viewport regions and on the state's pooled elements.

#include "platform/scenar/basic/SbLinear.h"

class SoAction;

namespace plivexwin::detail {

// A view's rectangle in normalized window coordinates.
struct ViewRectangle {
  SbVec2f origin;
  SbVec2f size;
};

// What a view's callback part does with every action that traverses it. A
// render is narrowed in classic mode and in render-unit mode: its viewport
// region and update area, or for a tile of a larger image its scissor box, the
// view's part of the view-volume portion and its logical viewport; in every
// case the view's rectangle becomes the image region its cameras draw onto. Searches
// and writes are left alone; in classic mode any other action gets its viewport
// region narrowed and resets portion to the whole volume. portion and
// logicalSize are the per-traversal values the first view of a classic render
// captures.
void narrowToView(SoAction* action, const ViewRectangle& view, SbVec4f& portion,
                  SbVec2s& logicalSize);

}  // namespace plivexwin::detail
