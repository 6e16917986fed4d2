// SPDX-License-Identifier: Apache-2.0
// Plotting nodes converted to VRML by any conversion: to the geometry they
// have, rebuilt or kept as the rebuild block says.

#include <gtest/gtest.h>

#include <vector>

#include "PlivexTestSupport.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/scenar/vrml/SoToVRML2Action.h"
#include "platform/scenar/vrml/SoVRMLCoordinate.h"
#include "platform/scenar/vrml/SoVRMLGroup.h"
#include "platform/scenar/vrml/SoVRMLIndexedLineSet.h"
#include "platform/scenar/vrml/SoVRMLShape.h"

namespace {

using PoBaseConversionTest = PlivexTest;

// What the node applied to became, below the world's two leading nodes.
SoVRMLGroup* convertedNode(const SoToVRML2Action& action) {
  auto* scene = static_cast<SoVRMLGroup*>(action.getVRML2SceneGraph()->getChild(0));
  return dynamic_cast<SoVRMLGroup*>(scene->getChild(2));
}

// The points of the line set a converted axis holds first, its line and
// ticks: axis group, geometry group, shape.
std::vector<SbVec3f> convertedPoints(const SoToVRML2Action& action) {
  std::vector<SbVec3f> points;
  SoVRMLGroup* axis = convertedNode(action);
  if (!axis || axis->getNumChildren() != 1) return points;
  auto* geometry = dynamic_cast<SoVRMLGroup*>(axis->getChild(0));
  if (!geometry || geometry->getNumChildren() < 1) return points;
  auto* shape = dynamic_cast<SoVRMLShape*>(geometry->getChild(0));
  auto* lines = shape ? dynamic_cast<SoVRMLIndexedLineSet*>(shape->geometry.getValue()) : nullptr;
  if (!lines) return points;
  const SoMFVec3f& point = static_cast<SoVRMLCoordinate*>(lines->coord.getValue())->point;
  for (int i = 0; i < point.getNum(); ++i) points.push_back(point[i]);
  return points;
}

TEST_F(PoBaseConversionTest, plottingNodesConvertTheGeometryTheyHaveUnlessRebuildingIsBlocked) {
  SoRef<PoLinearAxis> axis(new PoLinearAxis);
  axis->end = 1;
  axis->step = 0.5f;
  axis->tickNumOrPeriod = 0;  // no sub-ticks

  SoToVRML2Action action;
  action.apply(axis.get());
  std::vector<SbVec3f> points = convertedPoints(action);
  ASSERT_EQ(points.size(), 2u * 4);  // the line and three ticks
  EXPECT_EQ(points[0], SbVec3f(0, 0, 0));
  EXPECT_EQ(points[1], SbVec3f(1, 0, 0));

  // Blocked, a change leaves the geometry as it was drawn.
  PoBase::m_isRebuildBlocked = true;
  axis->end = 2;
  action.apply(axis.get());
  points = convertedPoints(action);
  PoBase::m_isRebuildBlocked = false;
  ASSERT_EQ(points.size(), 2u * 4);
  EXPECT_EQ(points[1], SbVec3f(1, 0, 0));

  action.apply(axis.get());
  points = convertedPoints(action);
  ASSERT_EQ(points.size(), 2u * 6);
  EXPECT_EQ(points[1], SbVec3f(2, 0, 0));

  // A node whose geometry was never made, converted while blocked: nothing.
  SoRef<PoLinearAxis> fresh(new PoLinearAxis);
  PoBase::m_isRebuildBlocked = true;
  action.apply(fresh.get());
  PoBase::m_isRebuildBlocked = false;
  ASSERT_TRUE(convertedNode(action));
  EXPECT_EQ(convertedNode(action)->getNumChildren(), 0);
}

}  // namespace
