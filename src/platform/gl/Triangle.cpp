// SPDX-License-Identifier: Apache-2.0
// Triangle rasterization with exact integer edge functions.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/gl/detail/Rasterize.h"

namespace glstandin::detail {

namespace {

// Columns begin <= k < end of a row.
struct Span {
  std::int64_t begin;
  std::int64_t end;
};

// The edge from p to q of a counter-clockwise triangle: value(x, y) is twice
// the signed area of p, q, (x, y), positive on the triangle's side.
struct Edge {
  Edge(const WindowVertex& p, const WindowVertex& q)
      : px(p.x), py(p.y), dx(q.x - p.x), dy(q.y - p.y), topLeft((dy == 0 && dx < 0) || dy < 0) {}

  std::int64_t value(std::int64_t x, std::int64_t y) const { return dx * (y - py) - dy * (x - px); }
  // How much the value drops from one pixel centre to the next along a row.
  std::int64_t step() const { return dy * kSubpixels; }
  // A centre exactly on the edge belongs to the triangle when the edge is a
  // top or a left one, so that of two triangles sharing it one draws it.
  bool covers(std::int64_t value) const { return value > 0 || (value == 0 && topLeft); }
  // Narrows span to the columns k whose centres the edge covers, where its
  // value is value - step() k: exact integer bounds, so the same pixels as
  // testing each centre.
  void limit(std::int64_t value, Span& span) const {
    const std::int64_t s = step();
    if (s == 0) {
      if (!covers(value)) span.end = span.begin;
    } else if (s > 0) {  // value - s k > 0 (>= 0 on a top-left edge)
      span.end = std::min(span.end, topLeft ? floorDiv(value, s) + 1 : -floorDiv(-value, s));
    } else {  // value + |s| k > 0 (>= 0 on a top-left edge)
      span.begin = std::max(span.begin, topLeft ? -floorDiv(value, -s) : floorDiv(-value, -s) + 1);
    }
  }

  std::int64_t px, py, dx, dy;
  bool topLeft;
};

// True when the triangle's vertices share the depth z and the interpolated
// depth is the float nearest z at every pixel (set in depth): the weights are
// exact non-negative integers summing to the area, so the interpolation is z
// within a few units in the last place of a double (7 at most); when every
// double that close rounds to the same float, no pixel needs the division.
bool flatDepth(double z0, double z1, double z2, float& depth) {
  if (z0 != z1 || z1 != z2 || !(std::fabs(z0) > 0x1p-100 && std::fabs(z0) < 0x1p100)) return false;
  const double margin = std::fabs(z0) * 0x1p-48;
  depth = static_cast<float>(z0);
  return static_cast<float>(z0 - margin) == depth && static_cast<float>(z0 + margin) == depth;
}

}  // namespace

void drawTriangle(const WindowVertex& a, const WindowVertex& b, const WindowVertex& c,
                  const FragmentTarget& target) {
  const WindowVertex* v[3] = {&a, &b, &c};
  std::int64_t area = Edge(a, b).value(c.x, c.y);
  if (area == 0) return;
  if (area < 0) {
    std::swap(v[1], v[2]);
    area = -area;
  }
  // Pixels whose centres lie in the triangle's bounds, within the target.
  const PixelRect rect = target.rect.intersect({firstPixelAtOrAfter(std::min({a.x, b.x, c.x})),
                                                firstPixelAtOrAfter(std::min({a.y, b.y, c.y})),
                                                firstPixelAfter(std::max({a.x, b.x, c.x})),
                                                firstPixelAfter(std::max({a.y, b.y, c.y}))});
  if (rect.empty()) return;
  // edges[i] is opposite v[i]: its value weighs v[i].
  const Edge edges[3] = {Edge(*v[1], *v[2]), Edge(*v[2], *v[0]), Edge(*v[0], *v[1])};
  const double areaD = static_cast<double>(area);
  float depth = 0.0f;
  const bool flat = target.depthTest && flatDepth(v[0]->z, v[1]->z, v[2]->z, depth);
  const std::int64_t x0 = pixelCentre(rect.x0);
  for (std::int64_t row = rect.y0; row < rect.y1; ++row) {
    const std::int64_t y = pixelCentre(row);
    // The row's covered columns, relative to rect.x0, and the edge values at
    // the first of them.
    Span span{0, rect.x1 - rect.x0};
    std::int64_t values[3];
    for (int i = 0; i < 3; ++i) {
      values[i] = edges[i].value(x0, y);
      edges[i].limit(values[i], span);
    }
    if (span.begin >= span.end) continue;
    for (int i = 0; i < 3; ++i) values[i] -= edges[i].step() * span.begin;
    const std::int64_t first = rect.x0 + span.begin;
    if (flat) {
      target.flatSpan(row, first, rect.x0 + span.end, depth);
      continue;
    }
    target.span(row, first, rect.x0 + span.end, [&](std::int64_t column) {
      const std::int64_t k = column - first;
      const double w0 = static_cast<double>(values[0] - edges[0].step() * k);
      const double w1 = static_cast<double>(values[1] - edges[1].step() * k);
      const double w2 = static_cast<double>(values[2] - edges[2].step() * k);
      return (w0 * v[0]->z + w1 * v[1]->z + w2 * v[2]->z) / areaD;
    });
  }
}

}  // namespace glstandin::detail
