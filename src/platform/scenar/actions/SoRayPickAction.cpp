// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/actions/SoRayPickAction.h"

#include <algorithm>
#include <cmath>

#include "platform/scenar/actions/SoModelMatrixElement.h"
#include "platform/scenar/actions/SoViewVolumeElement.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/basic/SbViewVolume.h"
#include "platform/scenar/nodes/SoNode.h"

SO_ACTION_SOURCE(SoRayPickAction, SoPickAction)

void SoRayPickAction::initClass() {
  SO_ACTION_INIT_CLASS(SoRayPickAction, SoPickAction, "RayPickAction",
                       SO_ACTION_CALLS(SoRayPickAction, rayPick));
}

SoRayPickAction::SoRayPickAction(const SbViewportRegion& region) : SoPickAction(region) {}

void SoRayPickAction::setPoint(const SbVec2s& pixel) {
  usePixel_ = true;
  pixel_ = pixel;
}

void SoRayPickAction::setNormalizedPoint(const SbVec2f& point) {
  usePixel_ = false;
  normalized_ = point;
}

void SoRayPickAction::beginTraversal(SoNode* node) {
  count_ = 0;
  SoPickAction::beginTraversal(node);
}

bool SoRayPickAction::setUpRay() {
  // The point in window pixels, then in the current viewport's own
  // normalized coordinates.
  SbVec2f window;
  if (usePixel_) {
    window.setValue(pixel_[0], pixel_[1]);
  } else {
    const SbViewportRegion& own = getViewportRegion();
    const SbVec2i32& origin = own.getViewportOriginPixels_i32();
    const SbVec2i32& size = own.getViewportSizePixels_i32();
    window.setValue(static_cast<float>(origin[0]) + normalized_[0] * static_cast<float>(size[0]),
                    static_cast<float>(origin[1]) + normalized_[1] * static_cast<float>(size[1]));
  }
  SoState* state = getState();
  const SbViewportRegion& current = SoViewportRegionElement::get(state);
  const SbVec2i32& origin = current.getViewportOriginPixels_i32();
  const SbVec2i32& size = current.getViewportSizePixels_i32();
  if (size[0] <= 0 || size[1] <= 0) return false;
  const SbVec2f local((window[0] - static_cast<float>(origin[0])) / static_cast<float>(size[0]),
                      (window[1] - static_cast<float>(origin[1])) / static_cast<float>(size[1]));
  if (!(local[0] >= 0.0f && local[0] <= 1.0f && local[1] >= 0.0f && local[1] <= 1.0f)) return false;
  volume_ = SoViewVolumeElement::get(state);
  volume_.projectPointToLine(local, rayNear_, rayFar_);
  model_ = SoModelMatrixElement::get(state);
  local_ = local;
  viewportPixels_.setValue(static_cast<float>(size[0]), static_cast<float>(size[1]));
  return true;
}

bool SoRayPickAction::intersectTriangle(const SbVec3f& a, const SbVec3f& b, const SbVec3f& c,
                                        SbVec3f& point, float& distance) const {
  // Möller-Trumbore on the segment from the near to the far point. Written so
  // that a NaN anywhere rejects the triangle.
  constexpr float kEdge = 1e-6f;
  SbVec3f wa, wb, wc;
  model_.multVecMatrix(a, wa);
  model_.multVecMatrix(b, wb);
  model_.multVecMatrix(c, wc);
  const SbVec3f dir = rayFar_ - rayNear_;
  const SbVec3f e1 = wb - wa;
  const SbVec3f e2 = wc - wa;
  const SbVec3f p = cross(dir, e2);
  const float det = dot(e1, p);
  if (!(std::fabs(det) > 0.0f)) return false;
  const float inv = 1.0f / det;
  const SbVec3f s = rayNear_ - wa;
  const float u = dot(s, p) * inv;
  if (!(u >= -kEdge && u <= 1.0f + kEdge)) return false;
  const SbVec3f q = cross(s, e1);
  const float v = dot(dir, q) * inv;
  if (!(v >= -kEdge && u + v <= 1.0f + kEdge)) return false;
  const float t = dot(e2, q) * inv;
  if (!(t >= 0.0f && t <= 1.0f)) return false;
  point = rayNear_ + dir * t;
  distance = t * length(dir);
  return true;
}

void SoRayPickAction::intersectPolygon(SoNode* node, const SbVec3f* vertices, int count) {
  if (!vertices) return;
  bool hit = false;
  SoPickedPoint nearest{node, SbVec3f(), 0.0f, {}};
  for (int i = 1; i + 1 < count; ++i) {
    SbVec3f point;
    float distance = 0.0f;
    if (!intersectTriangle(vertices[0], vertices[i], vertices[i + 1], point, distance)) continue;
    if (!hit || distance < nearest.distance) nearest.point = point, nearest.distance = distance;
    hit = true;
  }
  if (hit) record(node, nearest.point, nearest.distance);
}

void SoRayPickAction::record(SoNode* node, const SbVec3f& point, float distance) {
  // Slots trade places as points are sorted: each gets room for a deep path
  // so that whichever a point lands in rarely has to grow.
  if (count_ == picked_.size()) picked_.emplace_back().path.reserve(64);
  SoPickedPoint& slot = picked_[count_];
  slot.node = node;
  slot.point = point;
  slot.distance = distance;
  slot.path.clear();
  for (int i = 0; i < getCurPathLength(); ++i) slot.path.push_back(getCurPathNode(i));
  // Kept sorted near to far as points come; equal distances keep their order.
  const auto end = picked_.begin() + static_cast<std::ptrdiff_t>(count_);
  const auto at = std::upper_bound(picked_.begin(), end, distance,
                                   [](float d, const SoPickedPoint& p) { return d < p.distance; });
  std::rotate(at, end, end + 1);
  ++count_;
}

void SoRayPickAction::intersectBox(SoNode* node, const SbBox3f& box) {
  if (box.isEmpty()) return;
  const SbVec3f& lo = box.getMin();
  const SbVec3f& hi = box.getMax();
  // Corner i has x from bit 0, y from bit 1, z from bit 2 (0 min, 1 max).
  SbVec3f corner[8];
  for (int i = 0; i < 8; ++i)
    corner[i].setValue((i & 1) ? hi[0] : lo[0], (i & 2) ? hi[1] : lo[1], (i & 4) ? hi[2] : lo[2]);
  // The faces -x, +x, -y, +y, -z, +z as corner cycles.
  static constexpr int kFaces[6][4] = {{0, 2, 6, 4}, {1, 5, 7, 3}, {0, 4, 5, 1},
                                       {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 6, 7, 5}};
  for (const auto& face : kFaces) {
    const SbVec3f quad[4] = {corner[face[0]], corner[face[1]], corner[face[2]], corner[face[3]]};
    intersectPolygon(node, quad, 4);
  }
}
