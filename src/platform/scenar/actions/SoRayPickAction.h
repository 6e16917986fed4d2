#pragma once

#include <vector>

#include "platform/scenar/actions/SoPickAction.h"
#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"

// A point where the picking ray met a shape. The node is not referenced: it
// is valid while the scene picked lives.
struct SoPickedPoint {
  SoNode* node = nullptr;
  SbVec3f point;          // world coordinates
  float distance = 0.0f;  // along the ray, from the near plane
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

  // A window pixel, counted from the lower-left corner.
  void setPoint(const SbVec2s& pixel);
  // Normalized in the action's viewport region, (0, 0) its lower-left corner.
  // Until a point is set, the middle of that region.
  void setNormalizedPoint(const SbVec2f& point);

  // The nearest point picked by the last application; nullptr if none.
  const SoPickedPoint* getPickedPoint() const {
    return picked_.empty() ? nullptr : &picked_.front();
  }
  // Every point picked, near to far.
  const std::vector<SoPickedPoint>& getPickedPointList() const { return picked_; }

  // For shapes. Sets up the ray in world space for the current state; false
  // when the current viewport does not hold the point (nothing to pick).
  bool setUpRay();
  // With the ray set up: intersects the polygon of the given vertices (object
  // coordinates, a convex fan) and records the nearest hit for node.
  void intersectPolygon(SoNode* node, const SbVec3f* vertices, int count);
  // The six faces of an object-space box; an empty box is not picked.
  void intersectBox(SoNode* node, const SbBox3f& box);

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  // The world point of the triangle (object coordinates) hit by the ray.
  bool intersectTriangle(const SbVec3f& a, const SbVec3f& b, const SbVec3f& c, SbVec3f& point,
                         float& distance) const;

  bool usePixel_ = false;
  SbVec2s pixel_;
  SbVec2f normalized_{0.5f, 0.5f};
  SbVec3f rayNear_;
  SbVec3f rayFar_;
  SbMatrix model_;
  std::vector<SoPickedPoint> picked_;
};
