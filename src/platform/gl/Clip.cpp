// SPDX-License-Identifier: Apache-2.0
// Homogeneous clipping of triangles (Sutherland-Hodgman) and lines
// (parametric).

#include "platform/gl/detail/Clip.h"

#include <algorithm>

namespace glstandin::detail {

namespace {

constexpr int kPlanes = 6;

// How far v lies inside plane (x >= -w, x <= w, y >= -w, ...): >= 0 inside.
double planeDistance(const ClipVertex& v, int plane) {
  const double coordinate = plane < 2 ? v.x : plane < 4 ? v.y : v.z;
  return plane % 2 == 0 ? v.w + coordinate : v.w - coordinate;
}

ClipVertex lerp(const ClipVertex& from, const ClipVertex& to, double t) {
  return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y), from.z + t * (to.z - from.z),
          from.w + t * (to.w - from.w)};
}

// Where the edge between inside (distance dIn >= 0) and outside (dOut < 0)
// meets the plane. Always computed from the inside end, so the two triangles
// sharing an edge get the very same point.
ClipVertex crossing(const ClipVertex& inside, double dIn, const ClipVertex& outside, double dOut) {
  return lerp(inside, outside, dIn / (dIn - dOut));
}

// Clips polygon against one plane into out; false when out has no room.
bool clipAgainst(const ClippedPolygon& polygon, int plane, ClippedPolygon& out) {
  out.count = 0;
  auto add = [&out](const ClipVertex& v) {
    if (out.count == kClippedPolygonCapacity) return false;
    out.vertices[out.count++] = v;
    return true;
  };
  for (int i = 0; i < polygon.count; ++i) {
    const ClipVertex& from = polygon.vertices[i];
    const ClipVertex& to = polygon.vertices[(i + 1) % polygon.count];
    const double dFrom = planeDistance(from, plane);
    const double dTo = planeDistance(to, plane);
    if (dFrom >= 0.0) {
      if (!add(from)) return false;
      if (dTo < 0.0 && !add(crossing(from, dFrom, to, dTo))) return false;
    } else if (dTo >= 0.0 && !add(crossing(to, dTo, from, dFrom))) {
      return false;
    }
  }
  return true;
}

}  // namespace

ClippedPolygon clipTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c) {
  ClippedPolygon buffers[2];
  buffers[0].vertices[0] = a;
  buffers[0].vertices[1] = b;
  buffers[0].vertices[2] = c;
  buffers[0].count = 3;
  int current = 0;
  for (int plane = 0; plane < kPlanes && buffers[current].count > 0; ++plane) {
    if (!clipAgainst(buffers[current], plane, buffers[1 - current])) return {};
    current = 1 - current;
  }
  return buffers[current];
}

bool clipLine(ClipVertex& a, ClipVertex& b) {
  double tA = 0.0;
  double tB = 1.0;
  for (int plane = 0; plane < kPlanes; ++plane) {
    const double dA = planeDistance(a, plane);
    const double dB = planeDistance(b, plane);
    if (dA < 0.0 && dB < 0.0) return false;
    if (dA < 0.0) tA = std::max(tA, dA / (dA - dB));
    if (dB < 0.0) tB = std::min(tB, dA / (dA - dB));
  }
  if (tA > tB) return false;
  const ClipVertex from = a;
  if (tA > 0.0) a = lerp(from, b, tA);
  if (tB < 1.0) b = lerp(from, b, tB);
  return true;
}

}  // namespace glstandin::detail
