// SPDX-License-Identifier: Apache-2.0
#pragma once

// Where an axis runs and what it draws with: its path in the plot's plane,
// the frame that puts that plane in the scene, and line and face sets.

#include <vector>

#include "platform/scenar/basic/SbLinear.h"

class SoGroup;
class SoNode;

namespace plivex::detail {

// Every graduation list stops at this many graduations, sub graduations too:
// a step too small for the axis's length, or a range of decades too wide,
// draws no more.
constexpr int kMaxTicks = 1000;

// The line an axis runs along, in its plane (z = 0): a segment, or an arc
// about the origin. Places on it are given as t, 0 at the start of the
// graduated range and 1 at its end; t beyond them reaches into the margins.
struct AxisPath {
  bool isArc = false;
  // Segment: from origin, length long along the unit direction along; above
  // is the unit direction the side ABOVE names.
  SbVec3f origin;
  SbVec3f along{1, 0, 0};
  float length = 1;
  SbVec3f above{0, 1, 0};
  // Arc: radius about the origin, from fromAngle to toAngle (radians); ABOVE
  // is outward.
  float radius = 1;
  float fromAngle = 0;
  float toAngle = 0;

  SbVec3f pointAt(double t) const;
  // Of unit length, toward growing t.
  SbVec3f tangentAt(double t) const;
  // Of unit length, toward the side ABOVE names.
  SbVec3f aboveAt(double t) const;
  // Of the graduated range, in scene units.
  double arcLength() const;
  bool isFinite() const;
  // How many straight pieces draw the path from t0 to t1: one for a segment,
  // pieces of at most five degrees for an arc, never more than kMaxTicks.
  int piecesBetween(double t0, double t1) const;
};

// The plane an axis is drawn in: its x and y directions in the scene (unit,
// at right angles) and the place of its origin.
struct PlaneFrame {
  SbVec3f x{1, 0, 0};
  SbVec3f y{0, 1, 0};
  SbVec3f origin;

  bool isSceneXY() const;
  // A transform taking the plane's coordinates into the scene's.
  SoNode* transform() const;
};

bool isFinite(const SbVec3f& v);

// Adds a coordinate node and a line set of one segment per pair of points;
// pairs with a point that is not finite are left out. Nothing when none is
// left.
void addSegments(SoGroup* into, const std::vector<SbVec3f>& segmentEnds);
// Adds a coordinate node and a face set of one triangle per three points.
void addTriangles(SoGroup* into, const std::vector<SbVec3f>& corners);

}  // namespace plivex::detail
