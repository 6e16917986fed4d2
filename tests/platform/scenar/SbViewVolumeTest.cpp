// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbViewVolume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2;

void expectNear(const SbVec3f& actual, const SbVec3f& expected, float tol = 1e-4f) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tol) << "component " << i;
}

SbVec3f project(const SbViewVolume& vv, const SbVec3f& world) {
  SbVec3f n;
  vv.projectToScreen(world, n);
  return n;
}

// A world point at normalized (x, y) and the given fraction of the depth range.
SbVec3f pointAt(const SbViewVolume& vv, float x, float y, float t) {
  SbVec3f nearPoint, farPoint;
  vv.projectPointToLine(SbVec2f(x, y), nearPoint, farPoint);
  return nearPoint + t * (farPoint - nearPoint);
}

SbViewVolume perspectiveVolume() {
  SbViewVolume vv;
  vv.perspective(kHalfPi, 2.0f, 1.0f, 11.0f);
  return vv;
}

SbViewVolume orthoVolume() {
  SbViewVolume vv;
  vv.ortho(-2, 4, -1, 1, 1, 5);
  return vv;
}

TEST(SbViewVolumeTest, Dimensions) {
  const SbViewVolume p = perspectiveVolume();
  EXPECT_EQ(p.getProjectionType(), SbViewVolume::PERSPECTIVE);
  EXPECT_NEAR(p.getHeight(), 2.0f, 1e-6f);
  EXPECT_NEAR(p.getWidth(), 4.0f, 1e-6f);
  EXPECT_EQ(p.getDepth(), 10.0f);
  EXPECT_EQ(p.getNearDist(), 1.0f);
  const SbViewVolume o = orthoVolume();
  EXPECT_EQ(o.getProjectionType(), SbViewVolume::ORTHOGRAPHIC);
  EXPECT_EQ(o.getWidth(), 6.0f);
  EXPECT_EQ(o.getDepth(), 4.0f);
}

TEST(SbViewVolumeTest, CentreProjectsToMiddle) {
  const SbViewVolume p = perspectiveVolume();
  EXPECT_NEAR(project(p, SbVec3f(0, 0, -3))[0], 0.5f, 1e-6f);
  EXPECT_NEAR(project(p, SbVec3f(0, 0, -3))[1], 0.5f, 1e-6f);
  expectNear(project(p, SbVec3f(0, 0, -1)), SbVec3f(0.5f, 0.5f, 0));
  expectNear(project(p, SbVec3f(0, 0, -11)), SbVec3f(0.5f, 0.5f, 1));
  const SbViewVolume o = orthoVolume();
  expectNear(project(o, SbVec3f(1, 0, -1)), SbVec3f(0.5f, 0.5f, 0));
  expectNear(project(o, SbVec3f(-2, -1, -5)), SbVec3f(0, 0, 1));
}

TEST(SbViewVolumeTest, RayThroughNormalizedPoint) {
  SbVec3f n, f;
  perspectiveVolume().projectPointToLine(SbVec2f(1, 1), n, f);
  expectNear(n, SbVec3f(2, 1, -1));
  expectNear(f, SbVec3f(22, 11, -11));
  orthoVolume().projectPointToLine(SbVec2f(0.5f, 0), n, f);
  expectNear(n, SbVec3f(1, -1, -1));
  expectNear(f, SbVec3f(1, -1, -5));
  // Round trip: every point of the ray projects back to the normalized point.
  for (const SbViewVolume& vv : {perspectiveVolume(), orthoVolume()}) {
    for (float t : {0.0f, 0.3f, 1.0f}) {
      const SbVec3f s = project(vv, pointAt(vv, 0.2f, 0.9f, t));
      EXPECT_NEAR(s[0], 0.2f, 1e-5f);
      EXPECT_NEAR(s[1], 0.9f, 1e-5f);
    }
  }
}

TEST(SbViewVolumeTest, MatrixAgreesWithProjectToScreen) {
  SbViewVolume vv = perspectiveVolume();
  vv.rotateCamera(SbRotation(SbVec3f(1, 1, 0), 0.4f));
  vv.translateCamera(SbVec3f(1, 2, 3));
  const SbVec3f world = pointAt(vv, 0.7f, 0.1f, 0.5f);
  SbVec3f clip;
  vv.getMatrix().multVecMatrix(world, clip);
  const SbVec3f n = project(vv, world);
  expectNear(SbVec3f(0.5f * (clip[0] + 1), 0.5f * (clip[1] + 1), 0.5f * (clip[2] + 1)), n);
  expectNear(n, SbVec3f(0.7f, 0.1f, n[2]));
}

TEST(SbViewVolumeTest, MovedCameraLooksAlongRotatedAxis) {
  SbViewVolume vv = perspectiveVolume();
  vv.rotateCamera(SbRotation(SbVec3f(0, 1, 0), kHalfPi));  // now looking down -x
  vv.translateCamera(SbVec3f(5, 0, 0));
  expectNear(vv.getProjectionDirection(), SbVec3f(-1, 0, 0));
  expectNear(vv.getProjectionPoint(), SbVec3f(5, 0, 0));
  const SbVec3f s = project(vv, SbVec3f(0, 0, 0));
  EXPECT_NEAR(s[0], 0.5f, 1e-6f);
  EXPECT_NEAR(s[1], 0.5f, 1e-6f);
  // Up stays +y; the camera's right is now -z.
  expectNear(project(vv, SbVec3f(4, 1, 0)), SbVec3f(0.5f, 1, 0));
  expectNear(project(vv, SbVec3f(4, 0, -2)), SbVec3f(1, 0.5f, 0));
}

TEST(SbViewVolumeTest, NarrowedQuarterSeesLowerLeftQuarter) {
  for (const SbViewVolume& vv : {perspectiveVolume(), orthoVolume()}) {
    const SbViewVolume tile = vv.narrow(0, 0, 0.5f, 0.5f);
    EXPECT_EQ(tile.getProjectionType(), vv.getProjectionType());
    EXPECT_NEAR(tile.getWidth(), vv.getWidth() / 2, 1e-6f);
    EXPECT_EQ(tile.getDepth(), vv.getDepth());
    const SbVec3f corner = project(tile, pointAt(vv, 0.5f, 0.5f, 0.4f));
    EXPECT_NEAR(corner[0], 1.0f, 1e-5f);
    EXPECT_NEAR(corner[1], 1.0f, 1e-5f);
    const SbVec3f mid = project(tile, pointAt(vv, 0.25f, 0.25f, 0.8f));
    EXPECT_NEAR(mid[0], 0.5f, 1e-5f);
    EXPECT_NEAR(mid[1], 0.5f, 1e-5f);
    // Depth is unchanged by narrowing.
    EXPECT_NEAR(mid[2], project(vv, pointAt(vv, 0.25f, 0.25f, 0.8f))[2], 1e-5f);
  }
}

TEST(SbViewVolumeTest, TilesOfAnImageMapLinearly) {
  const SbViewVolume vv = perspectiveVolume();
  const SbVec3f world = pointAt(vv, 0.8f, 0.3f, 0.6f);
  const SbViewVolume tile = vv.narrow(0.75f, 0.25f, 1.0f, 0.5f);
  const SbVec3f s = project(tile, world);
  EXPECT_NEAR(s[0], (0.8f - 0.75f) / 0.25f, 1e-4f);
  EXPECT_NEAR(s[1], (0.3f - 0.25f) / 0.25f, 1e-4f);
}

TEST(SbViewVolumeTest, NarrowByBoxUsesXY) {
  const SbViewVolume vv = orthoVolume();
  EXPECT_EQ(vv.narrow(SbBox3f(0.1f, 0.2f, -7, 0.6f, 0.9f, 7)), vv.narrow(0.1f, 0.2f, 0.6f, 0.9f));
  EXPECT_EQ(vv.narrow(SbBox3f()), vv);
}

TEST(SbViewVolumeTest, DegenerateVolumeGivesFiniteMatrix) {
  const SbViewVolume flat = perspectiveVolume().narrow(0.5f, 0.5f, 0.5f, 0.5f);
  SbViewVolume thin;
  thin.ortho(-1, 1, -1, 1, 2, 2);
  for (const SbViewVolume& vv : {flat, thin}) {
    const SbMatrix m = vv.getMatrix();
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) EXPECT_TRUE(std::isfinite(m[i][j]));
  }
}

}  // namespace
