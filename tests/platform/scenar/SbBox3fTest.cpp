// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbBox3f.h"

#include <gtest/gtest.h>

#include <numbers>

#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbRotation.h"

namespace {

TEST(SbBox3fTest, EmptyUntilExtended) {
  SbBox3f box;
  EXPECT_TRUE(box.isEmpty());
  EXPECT_FALSE(box.intersect(SbVec3f(0, 0, 0)));
  box.extendBy(SbBox3f());  // nothing to add
  EXPECT_TRUE(box.isEmpty());
  box.extendBy(SbVec3f(1, 2, 3));
  EXPECT_FALSE(box.isEmpty());
  EXPECT_EQ(box.getMin(), box.getMax());
  box.extendBy(SbBox3f(-1, 0, 0, 0, 0, 5));
  EXPECT_EQ(box, SbBox3f(-1, 0, 0, 1, 2, 5));
  EXPECT_EQ(box.getCenter(), SbVec3f(0, 1, 2.5f));
  box.makeEmpty();
  EXPECT_EQ(box, SbBox3f());
  // Inverted on one axis only is still empty.
  EXPECT_TRUE(SbBox3f(0, 0, 1, 1, 1, 0).isEmpty());
}

TEST(SbBox3fTest, IntersectIncludesBoundary) {
  SbBox3f box;
  box.setBounds(SbVec3f(0, 0, 0), SbVec3f(1, 2, 3));
  EXPECT_TRUE(box.intersect(SbVec3f(0, 0, 0)));
  EXPECT_TRUE(box.intersect(SbVec3f(1, 2, 3)));
  EXPECT_TRUE(box.intersect(SbVec3f(0.5f, 1, 3)));
  EXPECT_FALSE(box.intersect(SbVec3f(0.5f, 1, 3.001f)));
  EXPECT_FALSE(box.intersect(SbVec3f(-0.001f, 1, 1)));
}

TEST(SbBox3fTest, TransformBoundsAllCorners) {
  SbBox3f box(-1, -1, -1, 1, 1, 1);
  SbMatrix m = SbRotation(SbVec3f(0, 0, 1), std::numbers::pi_v<float> / 4).getMatrix();
  SbMatrix t;
  t.setTranslate(SbVec3f(10, 0, 0));
  box.transform(m * t);
  const float r = std::numbers::sqrt2_v<float>;
  EXPECT_NEAR(box.getMin()[0], 10 - r, 1e-5f);
  EXPECT_NEAR(box.getMax()[0], 10 + r, 1e-5f);
  EXPECT_NEAR(box.getMin()[1], -r, 1e-5f);
  EXPECT_NEAR(box.getMax()[1], r, 1e-5f);
  EXPECT_NEAR(box.getMax()[2], 1, 1e-6f);

  // About x the y and z extents mix, so every y/z corner pairing matters.
  SbBox3f flat(0, -1, -1, 1, 1, 1);
  flat.transform(SbRotation(SbVec3f(1, 0, 0), std::numbers::pi_v<float> / 4).getMatrix());
  EXPECT_NEAR(flat.getMin()[1], -r, 1e-5f);
  EXPECT_NEAR(flat.getMax()[1], r, 1e-5f);
  EXPECT_NEAR(flat.getMax()[2], r, 1e-5f);

  SbBox3f empty;
  empty.transform(t);
  EXPECT_TRUE(empty.isEmpty());
}

}  // namespace
