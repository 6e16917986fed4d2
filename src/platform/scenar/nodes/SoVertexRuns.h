// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <algorithm>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoCoordinateElement.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/fields/SoMFields.h"

class SoRayPickAction;

namespace scenar {

// Splits numCoords coordinates into the runs numVertices asks for, calling
// fn(start, count) for each non-empty run in order: each entry takes that
// many coordinates, a negative entry (or an empty list) all that are left.
// Runs stop at the end of the coordinates.
template <typename Fn>
void forEachVertexRun(const SoMFInt32& numVertices, int numCoords, Fn fn) {
  if (numCoords <= 0) return;
  if (numVertices.getNum() == 0) {
    fn(0, numCoords);
    return;
  }
  int start = 0;
  for (int i = 0; i < numVertices.getNum() && start < numCoords; ++i) {
    const int left = numCoords - start;
    const int count = numVertices[i] < 0 ? left : std::min(numVertices[i], left);
    if (count > 0) fn(start, count);
    start += count;
  }
}

// Extends box by every coordinate the runs of numVertices take from the
// current coordinates of action's state.
inline void extendByVertexRuns(SoAction* action, const SoMFInt32& numVertices, SbBox3f& box) {
  SoState* state = action->getState();
  const SbVec3f* coords = SoCoordinateElement::getArrayPtr(state);
  forEachVertexRun(numVertices, SoCoordinateElement::getNum(state), [&](int start, int count) {
    for (int i = start; i < start + count; ++i) box.extendBy(coords[i]);
  });
}

// Issues to the GL stand-in every run numVertices takes from the current
// coordinates of action's state: each as a polygon (a triangle fan), or each
// as a polyline.
enum class RunShape { Polygon, Polyline };
void drawVertexRuns(SoAction* action, const SoMFInt32& numVertices, RunShape shape);

// Intersects the pick ray of action with every run numVertices takes from
// the current coordinates, each of the given shape; hits are node's.
void pickVertexRuns(SoRayPickAction* action, SoNode* node, const SoMFInt32& numVertices,
                    RunShape shape);

}  // namespace scenar
