// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoVertexRuns.h"

#include "platform/gl/GL.h"
#include "platform/scenar/actions/SoRayPickAction.h"

namespace scenar {

void drawVertexRuns(SoAction* action, const SoMFInt32& numVertices, RunShape shape) {
  SoState* state = action->getState();
  const SbVec3f* coords = SoCoordinateElement::getArrayPtr(state);
  const auto vertex = [coords](int i) { glVertex3f(coords[i][0], coords[i][1], coords[i][2]); };
  forEachVertexRun(numVertices, SoCoordinateElement::getNum(state), [&](int start, int count) {
    if (shape == RunShape::Polyline) {
      glBegin(GL_LINE_STRIP);
      for (int i = start; i < start + count; ++i) vertex(i);
    } else {
      glBegin(GL_TRIANGLES);
      for (int i = start + 1; i + 1 < start + count; ++i) {
        vertex(start);
        vertex(i);
        vertex(i + 1);
      }
    }
    glEnd();
  });
}

void pickVertexRuns(SoRayPickAction* action, SoNode* node, const SoMFInt32& numVertices,
                    RunShape shape) {
  SoState* state = action->getState();
  const SbVec3f* coords = SoCoordinateElement::getArrayPtr(state);
  forEachVertexRun(numVertices, SoCoordinateElement::getNum(state), [&](int start, int count) {
    if (shape == RunShape::Polyline)
      action->intersectPolyline(node, coords + start, count);
    else
      action->intersectPolygon(node, coords + start, count);
  });
}

}  // namespace scenar
