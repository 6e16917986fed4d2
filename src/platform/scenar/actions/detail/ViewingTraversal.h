// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SoType.h"

class SbViewportRegion;
class SoState;

namespace scenar::detail {

// Enables through enable (an action class's enableElement) the element kinds
// every action with a viewport region holds: viewport, logical viewport,
// view-volume portions, view volume, the matrices, the coordinates, the
// pick style and the font.
void enableViewingElements(void (*enable)(SoType elementType, int stackIndex));

// Opens a state level for one traversal and sets the viewport and logical
// viewport elements in it. Whatever the traversal sets is undone by
// endViewingTraversal, so each application of an action starts from the
// elements' initial values, without allocating once the state has been used.
void beginViewingTraversal(SoState* state, const SbViewportRegion& region,
                           const SbViewportRegion& logical);
void endViewingTraversal(SoState* state);

}  // namespace scenar::detail
