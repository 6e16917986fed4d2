#include "platform/scenar/nodes/SoCube.h"

#include <cmath>

#include "platform/scenar/actions/SoRayPickAction.h"

SO_NODE_SOURCE(SoCube)

void SoCube::initClass() { SO_NODE_INIT_CLASS(SoCube, "Cube"); }

SoCube::SoCube() {
  SO_NODE_CONSTRUCTOR(SoCube);
  SO_NODE_ADD_FIELD(width, (2.0f));
  SO_NODE_ADD_FIELD(height, (2.0f));
  SO_NODE_ADD_FIELD(depth, (2.0f));
}

void SoCube::computeBBox(SoAction*, SbBox3f& box) {
  const float x = 0.5f * std::fabs(width.getValue());
  const float y = 0.5f * std::fabs(height.getValue());
  const float z = 0.5f * std::fabs(depth.getValue());
  box.setBounds(-x, -y, -z, x, y, z);
}

void SoCube::rayPickGeometry(SoRayPickAction* action) {
  SbBox3f box;
  computeBBox(action, box);
  action->intersectBox(this, box);
}
