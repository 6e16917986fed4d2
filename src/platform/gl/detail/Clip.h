// SPDX-License-Identifier: Apache-2.0
#pragma once

// Clipping in homogeneous clip space against the six planes
// -w <= x, y, z <= w. It depends on the clip coordinates alone, never on the
// viewport or the buffer, so every tile of a picture clips alike.

namespace glstandin::detail {

struct ClipVertex {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double w = 0.0;
};

// Room for a clipped triangle: each plane adds at most one corner to a convex
// polygon; the rest is a margin for rounding.
constexpr int kClippedPolygonCapacity = 24;

struct ClippedPolygon {
  ClipVertex vertices[kClippedPolygonCapacity];
  int count = 0;
};

// The part of the triangle inside the planes, as a convex polygon (count 0
// when nothing is left): Sutherland-Hodgman, one plane after the other.
ClippedPolygon clipTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c);

// Shortens the segment a-b to its part inside the planes; false when nothing
// is left. An end inside is kept exactly.
bool clipLine(ClipVertex& a, ClipVertex& b);

}  // namespace glstandin::detail
