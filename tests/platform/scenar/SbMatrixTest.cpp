// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbMatrix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// The parts of a transform, and the matrix they make.
struct Parts {
  SbVec3f t, s;
  SbRotation r, so;
  SbMatrix matrix(const SbVec3f& center = SbVec3f()) const {
    SbMatrix m;
    m.setTransform(t, r, s, so, center);
    return m;
  }
};

Parts decompose(const SbMatrix& m, const SbVec3f& center = SbVec3f()) {
  Parts p;
  m.getTransform(p.t, p.r, p.s, p.so, center);
  return p;
}

TEST(SbMatrixTest, SetTransformScalesAlongTheScaleAxesThenRotatesThenTranslates) {
  // Scaled by 2 along the axis (1, 1, 0), turned a quarter about z, moved by x.
  const SbRotation toDiagonal(SbVec3f(1, 0, 0), SbVec3f(1, 1, 0));
  SbMatrix m;
  m.setTransform(SbVec3f(10, 0, 0), SbRotation(SbVec3f(0, 0, 1), 1.5707964f), SbVec3f(2, 1, 1),
                 toDiagonal);
  SbVec3f p;
  m.multVecMatrix(SbVec3f(1, 1, 0), p);  // along the scale axis: (2, 2, 0), turned: (-2, 2, 0)
  expectNear(p, SbVec3f(8, 2, 0));
  m.multVecMatrix(SbVec3f(1, -1, 0), p);  // across it: unscaled
  expectNear(p, SbVec3f(11, 1, 0));
  // About a centre: the centre stays where the translation puts it.
  m.setTransform(SbVec3f(0, 0, 1), SbRotation(SbVec3f(0, 1, 0), 2.0f), SbVec3f(3, 4, 5), toDiagonal,
                 SbVec3f(1, 2, 3));
  m.multVecMatrix(SbVec3f(1, 2, 3), p);
  expectNear(p, SbVec3f(1, 2, 4));
}

TEST(SbMatrixTest, GetTransformRoundTripsWhateverTheScale) {
  const SbRotation r(SbVec3f(1, 2, 3), 0.7f), so(SbVec3f(-1, 0.5f, 2), 1.1f);
  const SbVec3f t(4, -5, 6);
  const SbVec3f scales[] = {
      {1, 1, 1},    {2, 2, 2},    {2, 3, 4}, {0.5f, 1e3f, 7},  // uniform and not
      {-2, -3, -4}, {-1, -1, -1},                              // mirrors
      {0, 2, 3},    {0, 0, 3},    {0, 0, 0},                   // flattened
  };
  for (const SbVec3f& s : scales) {
    for (const SbVec3f& center : {SbVec3f(), SbVec3f(1, -2, 3)}) {
      const SbMatrix m = Parts{t, s, r, so}.matrix(center);
      const Parts p = decompose(m, center);
      const float size = std::max({std::fabs(s[0]), std::fabs(s[1]), std::fabs(s[2]), 1.0f});
      EXPECT_TRUE(p.matrix(center).equals(m, 2e-5f * size))
          << s[0] << " " << s[1] << " " << s[2] << " about " << center[0];
      expectNear(p.t, t, 1e-5f * size);
      // A mirror turns into negative scale factors, a flattening into zeros.
      const float det = s[0] * s[1] * s[2];
      for (int i = 0; i < 3; ++i) {
        if (det < 0) {
          EXPECT_LT(p.s[i], 0.0f);
        } else if (det > 0) {
          EXPECT_GT(p.s[i], 0.0f);
        }
      }
      if (s[0] == 0 && s[1] == 0 && s[2] == 0) expectNear(p.s, SbVec3f(0, 0, 0));
    }
  }
}

TEST(SbMatrixTest, GetTransformKeepsPlainPartsPlain) {
  // A matrix of an axis-aligned scale and a rotation decomposes into exactly
  // those, with no scale orientation.
  const SbRotation r(SbVec3f(0, 1, 0), 0.5f);
  const Parts p = decompose(Parts{SbVec3f(1, 2, 3), SbVec3f(2, 3, 4), r, SbRotation()}.matrix());
  expectNear(p.t, SbVec3f(1, 2, 3));
  expectNear(p.s, SbVec3f(2, 3, 4));
  EXPECT_TRUE(p.r.equals(r, 1e-6f));
  EXPECT_TRUE(p.so.equals(SbRotation(), 1e-6f));
  // A rigid motion: a rotation and a translation, exactly scale 1.
  for (float angle : {0.3f, 1.0f, 2.5f}) {
    const SbRotation turn(SbVec3f(1, -2, 0.5f), angle);
    const Parts rigid = decompose(Parts{SbVec3f(1, 2, 3), SbVec3f(1, 1, 1), turn, r}.matrix());
    EXPECT_EQ(rigid.s, SbVec3f(1, 1, 1));
    EXPECT_EQ(rigid.so, SbRotation());
    EXPECT_TRUE(rigid.r.equals(turn, 1e-6f));
  }
  // A matrix with a non-finite element: no translation, rotation or scale.
  SbMatrix bad = translate(1, 2, 3);
  bad[1][1] = NAN;
  const Parts none = decompose(bad);
  EXPECT_EQ(none.t, SbVec3f(0, 0, 0));
  EXPECT_EQ(none.s, SbVec3f(1, 1, 1));
  EXPECT_EQ(none.r, SbRotation());
  EXPECT_EQ(none.so, SbRotation());
}

}  // namespace
