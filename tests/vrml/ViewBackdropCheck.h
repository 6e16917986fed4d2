// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the tests of placed scene views look for: a view's background and
// border shapes, their colours, and where a viewer sees their corners.

#include <gtest/gtest.h>

#include <vector>

#include "platform/scenar/Scenar.h"

struct Backdrop {
  SoVRMLShape* background = nullptr;  // of an IndexedFaceSet
  SoVRMLShape* border = nullptr;      // of an IndexedLineSet
};

// The background and border among the children of place.
inline Backdrop backdropIn(SoVRMLGroup* place) {
  Backdrop found;
  for (int i = 0; place && i < place->getNumChildren(); ++i) {
    auto* shape = dynamic_cast<SoVRMLShape*>(place->getChild(i));
    if (!shape) continue;
    if (dynamic_cast<SoVRMLIndexedFaceSet*>(shape->geometry.getValue())) found.background = shape;
    if (dynamic_cast<SoVRMLIndexedLineSet*>(shape->geometry.getValue())) found.border = shape;
  }
  return found;
}

inline const SoVRMLMaterial* materialOf(SoVRMLShape* shape) {
  const auto* appearance = static_cast<SoVRMLAppearance*>(shape->appearance.getValue());
  return static_cast<SoVRMLMaterial*>(appearance->material.getValue());
}

// The colour shape shows unlit: its material's emissive colour over a black
// diffuse colour.
inline SbColor unlitColorOf(SoVRMLShape* shape) {
  const SoVRMLMaterial* material = materialOf(shape);
  EXPECT_EQ(material->diffuseColor.getValue(), SbColor(0, 0, 0));
  return material->emissiveColor.getValue();
}

// Expects the points of shape, mapped by toViewer into the frame of a viewer
// looking down -z whose half field of view has the tangent halfField, to show
// at the corners of the rectangle origin, size of the screen (0 to 1 on both
// axes), counterclockwise from the lower left, farther than nearest.
inline void expectShowsRectangle(SoVRMLShape* shape, const SbMatrix& toViewer, double halfField,
                                 SbVec2f origin, SbVec2f size, float nearest) {
  const auto* set = static_cast<SoVRMLIndexedShape*>(shape->geometry.getValue());
  const auto* points = static_cast<SoVRMLCoordinate*>(set->coord.getValue());
  ASSERT_EQ(points->point.getNum(), 4);
  const SbVec2f corners[4] = {origin, origin + SbVec2f(size[0], 0), origin + size,
                              origin + SbVec2f(0, size[1])};
  for (int i = 0; i < 4; ++i) {
    SbVec3f seen;
    toViewer.multVecMatrix(points->point[i], seen);
    EXPECT_GT(-seen[2], nearest) << "corner " << i;
    for (int axis = 0; axis < 2; ++axis)
      EXPECT_NEAR(seen[axis] / (-seen[2] * halfField), 2 * corners[i][axis] - 1, 1e-4)
          << "corner " << i << " axis " << axis;
  }
}
