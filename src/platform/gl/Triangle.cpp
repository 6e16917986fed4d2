// SPDX-License-Identifier: Apache-2.0
// Triangle rasterization with exact integer edge functions.

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/gl/detail/Rasterize.h"

namespace glstandin::detail {

namespace {

// The edge from p to q of a counter-clockwise triangle: value(x, y) is twice
// the signed area of p, q, (x, y), positive on the triangle's side.
struct Edge {
  Edge(const WindowVertex& p, const WindowVertex& q)
      : px(p.x), py(p.y), dx(q.x - p.x), dy(q.y - p.y), topLeft((dy == 0 && dx < 0) || dy < 0) {}

  std::int64_t value(std::int64_t x, std::int64_t y) const { return dx * (y - py) - dy * (x - px); }
  // A centre exactly on the edge belongs to the triangle when the edge is a
  // top or a left one, so that of two triangles sharing it one draws it.
  bool covers(std::int64_t value) const { return value > 0 || (value == 0 && topLeft); }

  std::int64_t px, py, dx, dy;
  bool topLeft;
};

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
  for (std::int64_t row = rect.y0; row < rect.y1; ++row) {
    const std::int64_t y = pixelCentre(row);
    const std::int64_t x0 = pixelCentre(rect.x0);
    std::int64_t values[3];
    for (int i = 0; i < 3; ++i) values[i] = edges[i].value(x0, y);
    for (std::int64_t column = rect.x0; column < rect.x1; ++column) {
      if (edges[0].covers(values[0]) && edges[1].covers(values[1]) && edges[2].covers(values[2])) {
        const double z =
            (static_cast<double>(values[0]) * v[0]->z + static_cast<double>(values[1]) * v[1]->z +
             static_cast<double>(values[2]) * v[2]->z) /
            areaD;
        target.plot(column, row, z);
      }
      for (int i = 0; i < 3; ++i) values[i] -= edges[i].dy * kSubpixels;
    }
  }
}

}  // namespace glstandin::detail
