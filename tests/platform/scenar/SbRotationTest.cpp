// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbRotation.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2;

void expectNear(const SbVec3f& actual, const SbVec3f& expected, float tol = 1e-5f) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tol) << "component " << i;
}

SbVec3f rotated(const SbRotation& r, const SbVec3f& v) {
  SbVec3f out;
  r.multVec(v, out);
  return out;
}

TEST(SbRotationTest, AxisAngleFollowsRightHandRule) {
  expectNear(rotated(SbRotation(SbVec3f(0, 0, 1), kHalfPi), SbVec3f(1, 0, 0)), SbVec3f(0, 1, 0));
  expectNear(rotated(SbRotation(SbVec3f(1, 0, 0), kHalfPi), SbVec3f(0, 1, 0)), SbVec3f(0, 0, 1));
  // The axis need not be of unit length; a zero axis is the identity.
  expectNear(rotated(SbRotation(SbVec3f(0, 5, 0), kHalfPi), SbVec3f(0, 0, 1)), SbVec3f(1, 0, 0));
  EXPECT_EQ(SbRotation(SbVec3f(0, 0, 0), 1.0f), SbRotation::identity());
}

TEST(SbRotationTest, MatrixAgreesWithMultVec) {
  const SbRotation r(SbVec3f(1, -2, 0.5f), 2.1f);
  SbVec3f viaMatrix;
  r.getMatrix().multVecMatrix(SbVec3f(0.3f, 4, -2), viaMatrix);
  expectNear(viaMatrix, rotated(r, SbVec3f(0.3f, 4, -2)));
  SbMatrix m;
  m.setRotate(r);
  EXPECT_EQ(m, r.getMatrix());
}

TEST(SbRotationTest, CompositionAppliesLeftOperandFirst) {
  const SbRotation a(SbVec3f(0, 0, 1), kHalfPi);
  const SbRotation b(SbVec3f(1, 0, 0), kHalfPi);
  const SbVec3f v(1, 0, 0);
  // a takes x to y, then b takes y to z.
  expectNear(rotated(a * b, v), SbVec3f(0, 0, 1));
  expectNear(rotated(b * a, v), SbVec3f(0, 1, 0));
  EXPECT_TRUE((a * b).getMatrix().equals(a.getMatrix() * b.getMatrix(), 1e-6f));
  EXPECT_TRUE((a * a.inverse()).equals(SbRotation::identity(), 1e-6f));
}

TEST(SbRotationTest, FromToVectors) {
  const SbRotation r(SbVec3f(2, 0, 0), SbVec3f(0, 0, 3));
  expectNear(rotated(r, SbVec3f(1, 0, 0)), SbVec3f(0, 0, 1));
  // Opposite directions: a half turn.
  const SbVec3f from(0.6f, 0.8f, 0);
  expectNear(rotated(SbRotation(from, -from), from), -from);
  expectNear(rotated(SbRotation(SbVec3f(0, 0, 1), SbVec3f(0, 0, -1)), SbVec3f(0, 0, 1)),
             SbVec3f(0, 0, -1));
  EXPECT_EQ(SbRotation(from, from), SbRotation::identity());
  EXPECT_EQ(SbRotation(SbVec3f(0, 0, 0), from), SbRotation::identity());
}

TEST(SbRotationTest, AxisAngleReadBack) {
  SbVec3f axis;
  float angle = -1;
  SbRotation(SbVec3f(0, 3, 0), 1.25f).getValue(axis, angle);
  expectNear(axis, SbVec3f(0, 1, 0));
  EXPECT_NEAR(angle, 1.25f, 1e-5f);
  SbRotation::identity().getValue(axis, angle);
  EXPECT_EQ(axis, SbVec3f(0, 0, 1));
  EXPECT_EQ(angle, 0.0f);
}

TEST(SbRotationTest, EqualsTreatsNegatedQuaternionAsSameRotation) {
  const SbRotation r(0.1f, 0.2f, 0.3f, 0.9f);
  const float* q = r.getValue();
  EXPECT_TRUE(r.equals(SbRotation(-q[0], -q[1], -q[2], -q[3]), 1e-6f));
  EXPECT_FALSE(r.equals(SbRotation(q[0], q[1], q[2], -q[3]), 1e-3f));
  EXPECT_TRUE(r.equals(SbRotation(q[0] + 1e-5f, q[1], q[2], q[3]), 1e-4f));
}

TEST(SbRotationTest, RotationOfItsMatrixIsItself) {
  // Half turns and turns near them reach every branch of the conversion.
  const SbVec3f axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 2, 3}, {-3, 1, 0.5f}};
  for (const SbVec3f& axis : axes) {
    for (float angle : {0.0f, 0.3f, 2.0f, 3.1f, 3.14159265f, 4.0f, -1.0f}) {
      const SbRotation r(axis, angle);
      SbRotation back;
      back.setValue(r.getMatrix());
      EXPECT_TRUE(back.equals(r, 2e-7f)) << angle;
    }
  }
  SbMatrix bad;
  bad[0][0] = NAN;
  SbRotation none(SbVec3f(0, 0, 1), 1.0f);
  EXPECT_EQ(none.setValue(bad), SbRotation());
}

}  // namespace
