// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <span>
#include <vector>

#include "platform/scenar/actions/SoPickAction.h"
#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbViewVolume.h"

// A point where the picking ray met a shape. The nodes are not referenced:
// they are valid while the scene picked lives.
struct SoPickedPoint {
  SoNode* node = nullptr;
  SbVec3f point;          // world coordinates
  float distance = 0.0f;  // along the ray, from the near plane
  // The nodes from the one the action was applied to down to node, so that
  // the owner of a shape (a node kit, a node drawing geometry of its own) is
  // known.
  std::vector<SoNode*> path;
};

// Picks the shapes under a point of the viewport: a ray from the near to the
// far plane of the current camera through the point.
//
// The point is kept in window pixels; at each shape it is expressed in the
// current viewport region (the one the scene set for that shape, which may be
// a rectangle of the window), and a shape whose viewport does not hold the
// point is not picked. Shapes under pick style UNPICKABLE are skipped; under
// BOUNDING_BOX their box is picked instead of their geometry.
class SoRayPickAction : public SoPickAction {
  SO_ACTION_HEADER(SoRayPickAction);

 public:
  explicit SoRayPickAction(const SbViewportRegion& region);

  // How near, in pixels, a line must pass the point to be picked: 5 by
  // default. Lines have no area for the ray to meet.
  void setRadius(float pixels) { radius_ = pixels; }
  float getRadius() const { return radius_; }

  // A window pixel, counted from the lower-left corner.
  void setPoint(const SbVec2s& pixel);
  // Normalized in the action's viewport region, (0, 0) its lower-left corner.
  // Until a point is set, the middle of that region.
  void setNormalizedPoint(const SbVec2f& point);

  // The nearest point picked by the last application; nullptr if none.
  const SoPickedPoint* getPickedPoint() const { return count_ ? &picked_.front() : nullptr; }
  // Every point picked, near to far.
  std::span<const SoPickedPoint> getPickedPointList() const {
    return std::span(picked_.data(), count_);
  }

  // For shapes. Sets up the ray in world space for the current state; false
  // when the current viewport does not hold the point (nothing to pick).
  bool setUpRay();
  // With the ray set up: intersects the polygon of the given vertices (object
  // coordinates, a convex fan) and records the nearest hit for node.
  void intersectPolygon(SoNode* node, const SbVec3f* vertices, int count);
  // The six faces of an object-space box; an empty box is not picked.
  void intersectBox(SoNode* node, const SbBox3f& box);
  // The polyline of the given vertices (object coordinates): picked where it
  // passes within the radius of the point on the screen, at its nearest
  // point to it.
  void intersectPolyline(SoNode* node, const SbVec3f* vertices, int count);

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  // The world point of the triangle (object coordinates) hit by the ray.
  bool intersectTriangle(const SbVec3f& a, const SbVec3f& b, const SbVec3f& c, SbVec3f& point,
                         float& distance) const;
  // Keeps hit, met while traversing node, in the list near to far.
  void record(SoNode* node, const SbVec3f& point, float distance);

  bool usePixel_ = false;
  SbVec2s pixel_;
  SbVec2f normalized_{0.5f, 0.5f};
  SbVec3f rayNear_;
  SbVec3f rayFar_;
  SbMatrix model_;
  SbViewVolume volume_;     // the current one, with the ray set up
  SbVec2f local_;           // the point, normalized in the current viewport
  SbVec2f viewportPixels_;  // the current viewport's size
  float radius_ = 5.0f;
  // The points picked are the first count_; the others are kept, paths and
  // all, so that picking again allocates nothing.
  std::vector<SoPickedPoint> picked_;
  std::size_t count_ = 0;
};
