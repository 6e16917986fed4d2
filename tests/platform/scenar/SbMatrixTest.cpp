#include "platform/scenar/basic/SbMatrix.h"

#include <gtest/gtest.h>

#include "platform/scenar/basic/SbRotation.h"

namespace {

void expectNear(const SbVec3f& actual, const SbVec3f& expected, float tol = 1e-5f) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tol) << "component " << i;
}

SbMatrix translate(float x, float y, float z) {
  SbMatrix m;
  m.setTranslate(SbVec3f(x, y, z));
  return m;
}

SbMatrix scale(float x, float y, float z) {
  SbMatrix m;
  m.setScale(SbVec3f(x, y, z));
  return m;
}

TEST(SbMatrixTest, RowVectorConventionPutsTranslationInRowThree) {
  const SbMatrix t = translate(1, 2, 3);
  EXPECT_EQ(t[3][0], 1.0f);
  EXPECT_EQ(t[3][2], 3.0f);
  SbVec3f p;
  t.multVecMatrix(SbVec3f(1, 1, 1), p);
  expectNear(p, SbVec3f(2, 3, 4));
  t.multDirMatrix(SbVec3f(1, 1, 1), p);
  expectNear(p, SbVec3f(1, 1, 1));
}

TEST(SbMatrixTest, ProductAppliesLeftOperandFirst) {
  SbVec3f p;
  (scale(2, 2, 2) * translate(5, 0, 0)).multVecMatrix(SbVec3f(1, 0, 0), p);
  expectNear(p, SbVec3f(7, 0, 0));
  (translate(5, 0, 0) * scale(2, 2, 2)).multVecMatrix(SbVec3f(1, 0, 0), p);
  expectNear(p, SbVec3f(12, 0, 0));

  SbMatrix right = scale(2, 2, 2);
  right.multRight(translate(5, 0, 0));
  EXPECT_EQ(right, scale(2, 2, 2) * translate(5, 0, 0));
  SbMatrix left = scale(2, 2, 2);
  left.multLeft(translate(5, 0, 0));
  EXPECT_EQ(left, translate(5, 0, 0) * scale(2, 2, 2));
}

TEST(SbMatrixTest, PointMappingDividesByW) {
  SbMatrix m;
  m[3][3] = 2.0f;
  SbVec3f p;
  m.multVecMatrix(SbVec3f(2, 4, 6), p);
  expectNear(p, SbVec3f(1, 2, 3));
}

TEST(SbMatrixTest, InverseRoundTripsGeneralMatrices) {
  SbMatrix rot;
  rot.setRotate(SbRotation(SbVec3f(1, 2, 3), 0.7f));
  SbMatrix m = scale(2, 0.5f, 3) * rot * translate(4, -5, 6);
  m[0][3] = 0.1f;  // a projective column as well
  m[2][3] = -0.3f;
  const SbMatrix inv = m.inverse();
  EXPECT_TRUE((m * inv).equals(SbMatrix::identity(), 1e-5f));
  EXPECT_TRUE((inv * m).equals(SbMatrix::identity(), 1e-5f));
  SbVec3f p, back;
  m.multVecMatrix(SbVec3f(1, 2, 3), p);
  inv.multVecMatrix(p, back);
  expectNear(back, SbVec3f(1, 2, 3), 1e-4f);
}

TEST(SbMatrixTest, SingularInverseIsIdentity) {
  EXPECT_EQ(scale(1, 0, 1).inverse(), SbMatrix::identity());
  const SbMatrix zero(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(zero.inverse(), SbMatrix::identity());
  EXPECT_FLOAT_EQ(scale(2, 3, 4).det4(), 24.0f);
  EXPECT_FLOAT_EQ(scale(1, 0, 1).det4(), 0.0f);
}

}  // namespace
