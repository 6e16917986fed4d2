// SPDX-License-Identifier: Apache-2.0
// What the axes draw: their line, ticks and sub-ticks as the first line set
// of their geometry, made again after a change unless rebuilding is blocked.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "PlivexTestSupport.h"
#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoLogAxis.h"
#include "platform/plivex/PoPolarLogAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoGetBoundingBoxAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"

namespace {

using PoAxisGeometryTest = PlivexTest;

// The segments an axis draws once an action reached it, as pairs of points.
std::vector<SbVec3f> segmentsOf(PoBase* axis) {
  SoGLRenderAction render(SbViewportRegion(100, 100));
  render.apply(axis);
  std::vector<SbVec3f> points;
  auto* geometry = static_cast<SoGroup*>(axis->getGeometry());
  if (!geometry) return points;
  const SoMFVec3f& coordinates = static_cast<SoCoordinate3*>(geometry->getChild(0))->point;
  for (int i = 0; i < coordinates.getNum(); ++i) points.push_back(coordinates[i]);
  return points;
}

TEST_F(PoAxisGeometryTest, linearAxisDrawsItsLineAndATickAtEveryStep) {
  SoRef<PoLinearAxis> axis(new PoLinearAxis);
  axis->type.setValue(2);  // YX: along Y, ticks along X
  axis->start.setValue(0, 1, 0);
  axis->end = 2;
  axis->step = 0.25f;
  axis->tickMainLength = 0.1f;
  axis->tickNumOrPeriod = 0;       // no sub-ticks
  axis->tickPosition.setValue(1);  // the other side than the graduations, left of a Y axis
  const std::vector<SbVec3f> points = segmentsOf(axis.get());
  ASSERT_EQ(points.size(), 2u * (1 + 5));
  EXPECT_EQ(points[0], SbVec3f(0, 1, 0));
  EXPECT_EQ(points[1], SbVec3f(0, 2, 0));
  EXPECT_EQ(points[4], SbVec3f(0, 1.25f, 0));
  EXPECT_EQ(points[5], SbVec3f(0.1f, 1.25f, 0));

  SoGLRenderAction render(SbViewportRegion(100, 100));
  render.apply(axis.get());
  ASSERT_EQ(render.getRenderLog().size(), 1u + 5) << "the line set and five numbers";
  SoGetBoundingBoxAction box(SbViewportRegion(100, 100));
  box.apply(axis.get());
  EXPECT_NEAR(box.getBoundingBox().getMax()[0], 0.1f, 1e-6f);
  EXPECT_LT(box.getBoundingBox().getMin()[0], -0.02f) << "the numbers left of the line";
  SoSearchAction search;
  search.setType(SoLineSet::getClassTypeId());
  search.apply(axis.get());
  EXPECT_EQ(search.getPath(), nullptr) << "the geometry is the axis's own";
}

TEST_F(PoAxisGeometryTest, changesRebuildTheGeometryUnlessRebuildingIsBlocked) {
  SoRef<PoLinearAxis> axis(new PoLinearAxis);
  axis->step = 0.5f;
  axis->tickNumOrPeriod = 0;
  EXPECT_EQ(segmentsOf(axis.get()).size(), 2u * 4);
  SoNode* drawn = axis->getGeometry();

  PoBase::m_isRebuildBlocked = true;
  axis->step = 0.25f;
  EXPECT_EQ(segmentsOf(axis.get()).size(), 2u * 4) << "kept while blocked";
  EXPECT_EQ(axis->getGeometry(), drawn);
  PoBase::m_isRebuildBlocked = false;
  EXPECT_EQ(segmentsOf(axis.get()).size(), 2u * 6) << "made again once unblocked";

  axis->tickVisibility.setValue(0);
  EXPECT_EQ(segmentsOf(axis.get()).size(), 2u) << "the line alone";
}

TEST_F(PoAxisGeometryTest, everyAxisKindDrawsAndOddValuesStayBounded) {
  SoRef<PoLogAxis> log(new PoLogAxis);
  log->end = 3;
  EXPECT_EQ(segmentsOf(log.get()).size(), 2u * (1 + 4 + 3 * 8)) << "decades 0 to 3, 2 to 9 in each";
  SoRef<PoGenAxis> gen(new PoGenAxis);
  const SbString texts[] = {"a", "b", "c"};
  gen->gradList.setValues(0, 3, texts);
  EXPECT_EQ(segmentsOf(gen.get()).size(), 2u * (1 + 3 + 2)) << "a sub-tick between two texts";
  SoRef<PoTimeAxis> time(new PoTimeAxis);
  EXPECT_EQ(segmentsOf(time.get()).size(), 2u * (1 + 5 + 4)) << "every six hours of a day";
  SoRef<PoAngularAxis> angular(new PoAngularAxis);
  angular->endAngle = std::numbers::pi_v<float>;
  angular->angleStep = std::numbers::pi_v<float> / 4;
  EXPECT_EQ(segmentsOf(angular.get()).size(), 2u * (36 + 5 + 4)) << "five-degree pieces, 5 ticks";

  // Steps too small, ranges too wide and values that are no numbers end.
  SoRef<PoLinearAxis> linear(new PoLinearAxis);
  linear->step = 1e-30f;
  EXPECT_EQ(segmentsOf(linear.get()).size(), 2u * (1 + 11 + 10)) << "a round step instead";
  SoRef<PoPolarLogAxis> polarLog(new PoPolarLogAxis);
  polarLog->startRadius = -1e30f;
  polarLog->endRadius = 1e30f;
  EXPECT_LE(segmentsOf(polarLog.get()).size(), 2u * (1 + 1000 + 1000));
  angular->endAngle = std::numeric_limits<float>::quiet_NaN();
  EXPECT_LE(segmentsOf(angular.get()).size(), 2u * 1000);
}

}  // namespace
