// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoFaceSet.h"

#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/nodes/SoVertexRuns.h"

SO_NODE_SOURCE(SoFaceSet)

void SoFaceSet::initClass() { SO_NODE_INIT_CLASS(SoFaceSet, "FaceSet"); }

SoFaceSet::SoFaceSet() {
  SO_NODE_CONSTRUCTOR(SoFaceSet);
  SO_NODE_ADD_EMPTY_FIELD(numVertices);
}

void SoFaceSet::drawGeometry(SoGLRenderAction* action) {
  scenar::drawVertexRuns(action, numVertices, scenar::RunShape::Polygon);
}

void SoFaceSet::computeBBox(SoAction* action, SbBox3f& box) {
  scenar::extendByVertexRuns(action, numVertices, box);
}

void SoFaceSet::rayPickGeometry(SoRayPickAction* action) {
  scenar::pickVertexRuns(action, this, numVertices, scenar::RunShape::Polygon);
}
