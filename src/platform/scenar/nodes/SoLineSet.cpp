// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoLineSet.h"

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/nodes/SoVertexRuns.h"

SO_NODE_SOURCE(SoLineSet)

void SoLineSet::initClass() { SO_NODE_INIT_CLASS(SoLineSet, "LineSet"); }

SoLineSet::SoLineSet() {
  SO_NODE_CONSTRUCTOR(SoLineSet);
  SO_NODE_ADD_EMPTY_FIELD(numVertices);
}

void SoLineSet::drawGeometry(SoGLRenderAction* action) {
  scenar::drawVertexRuns(action, numVertices, scenar::RunShape::Polyline);
}

void SoLineSet::computeBBox(SoAction* action, SbBox3f& box) {
  scenar::extendByVertexRuns(action, numVertices, box);
}

void SoLineSet::rayPickGeometry(SoRayPickAction* action) {
  scenar::pickVertexRuns(action, this, numVertices, scenar::RunShape::Polyline);
}
