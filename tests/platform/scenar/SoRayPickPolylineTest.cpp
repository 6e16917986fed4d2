// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoRayPickAction.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLineSet.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"

namespace {

// A line from (-1, 0) to (0.5, 0) under a camera showing 2 units in a 100 x
// 100 window: the line runs along pixel row 50 to column 75, a unit is 50
// pixels.
TEST(SoRayPickPolylineTest, picksALineWithinTheRadiusWithItsPath) {
  SoDB::init();
  const long live = SoBase::getLiveCount();
  {
    auto* root = new SoSeparator;
    root->ref();
    auto* camera = new SoOrthographicCamera;
    camera->position.setValue(0.0f, 0.0f, 5.0f);
    auto* group = new SoGroup;
    auto* coords = new SoCoordinate3;
    coords->point.setValues(0, 2, std::array{SbVec3f(-1, 0, 0), SbVec3f(0.5f, 0, 0)}.data());
    auto* line = new SoLineSet;
    root->addChild(camera);
    root->addChild(group);
    group->addChild(coords);
    group->addChild(line);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
      short px, py;
      float radius;
      bool picked;
      float x;  // where, on the line
    };
    const Case cases[] = {
        {50, 54, 5.0f, true, 0.0f},  {50, 57, 5.0f, false, 0},   {50, 57, 10.0f, true, 0.0f},
        {10, 46, 5.0f, true, -0.8f}, {78, 50, 5.0f, true, 0.5f},  // just past the end
        {85, 50, 5.0f, false, 0},    {20, 50, nan, false, 0},    {20, 50, -1.0f, false, 0},
    };
    for (const Case& c : cases) {
      SoRayPickAction action(SbViewportRegion(100, 100));
      action.setPoint(SbVec2s(c.px, c.py));
      action.setRadius(c.radius);
      action.apply(root);
      const SoPickedPoint* hit = action.getPickedPoint();
      ASSERT_EQ(hit != nullptr, c.picked) << c.px << "," << c.py << " radius " << c.radius;
      if (!hit) continue;
      EXPECT_EQ(hit->node, line);
      EXPECT_NEAR(hit->point[0], c.x, 1e-4f);
      EXPECT_NEAR(hit->point[1], 0.0f, 1e-5f);
      ASSERT_EQ(hit->path.size(), 3u);
      EXPECT_EQ(hit->path[0], root);
      EXPECT_EQ(hit->path[1], group);
    }
    root->unref();
  }
  EXPECT_EQ(SoBase::getLiveCount(), live);
}

}  // namespace
