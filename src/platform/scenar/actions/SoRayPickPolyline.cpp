// SPDX-License-Identifier: Apache-2.0
#include <cmath>

#include "platform/scenar/actions/SoRayPickAction.h"

// Lines are picked on the screen: the ray has no width to meet them with, so
// a segment counts when its projection passes within the radius of the
// point, as a user aiming at a thin line expects.

namespace {

// The parameter in [0, 1] of the point of segment ab nearest to p.
float nearestOnSegment(const SbVec2f& a, const SbVec2f& b, const SbVec2f& p) {
  const SbVec2f ab = b - a;
  const float lengthSquared = ab[0] * ab[0] + ab[1] * ab[1];
  if (!(lengthSquared > 0.0f)) return 0.0f;
  const float t = ((p[0] - a[0]) * ab[0] + (p[1] - a[1]) * ab[1]) / lengthSquared;
  return t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
}

}  // namespace

void SoRayPickAction::intersectPolyline(SoNode* node, const SbVec3f* vertices, int count) {
  if (!vertices || count < 1) return;
  const SbVec2f pixel(local_[0] * viewportPixels_[0], local_[1] * viewportPixels_[1]);
  // Each vertex in world space and in the viewport's pixels, depth in z.
  const auto project = [this](const SbVec3f& object, SbVec3f& world, SbVec3f& screen) {
    model_.multVecMatrix(object, world);
    volume_.projectToScreen(world, screen);
    screen.setValue(screen[0] * viewportPixels_[0], screen[1] * viewportPixels_[1], screen[2]);
  };
  bool hit = false;
  SbVec3f best;
  float bestDepth = 0.0f;
  SbVec3f worldA, screenA;
  project(vertices[0], worldA, screenA);
  // A single vertex is a segment of no length.
  for (int i = count > 1 ? 1 : 0; i < count; ++i) {
    SbVec3f worldB, screenB;
    project(vertices[i], worldB, screenB);
    const SbVec2f a(screenA[0], screenA[1]), b(screenB[0], screenB[1]);
    const float t = nearestOnSegment(a, b, pixel);
    const SbVec2f off = a + (b - a) * t - pixel;
    const float depth = screenA[2] + (screenB[2] - screenA[2]) * t;
    // Written so that a NaN anywhere rejects the segment.
    if (std::hypot(off[0], off[1]) <= radius_ && (!hit || depth < bestDepth)) {
      best = worldA + (worldB - worldA) * t;
      bestDepth = depth;
      hit = true;
    }
    worldA = worldB, screenA = screenB;
  }
  if (hit) record(node, best, bestDepth * length(rayFar_ - rayNear_));
}
