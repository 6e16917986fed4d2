// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoCube.h"

#include <cmath>

#include "platform/gl/GL.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
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

void SoCube::drawGeometry(SoGLRenderAction* action) {
  SbBox3f box;
  computeBBox(action, box);
  const SbVec3f& lo = box.getMin();
  const SbVec3f& hi = box.getMax();
  // Corner k has the high x when bit 0 is set, the high y for bit 1, the high
  // z for bit 2; each face is two triangles of four corners.
  static constexpr int kFaces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                       {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
  const auto corner = [&](int k) {
    glVertex3f(k & 1 ? hi[0] : lo[0], k & 2 ? hi[1] : lo[1], k & 4 ? hi[2] : lo[2]);
  };
  glBegin(GL_TRIANGLES);
  for (const auto& face : kFaces)
    for (const int k : {face[0], face[1], face[2], face[0], face[2], face[3]}) corner(k);
  glEnd();
}
