// SPDX-License-Identifier: Apache-2.0
// Line rasterization: one pixel a step along the major axis, exact in fixed
// point.

#include <algorithm>
#include <cstdint>

#include "platform/gl/detail/Rasterize.h"

namespace glstandin::detail {

void drawLine(const WindowVertex& a, const WindowVertex& b, const FragmentTarget& target) {
  const std::int64_t dx = b.x - a.x;
  const std::int64_t dy = b.y - a.y;
  if (dx == 0 && dy == 0) return;
  // Major and minor coordinates: x and y, or swapped for a steep line.
  const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t major0 = xMajor ? a.x : a.y;
  const std::int64_t minor0 = xMajor ? a.y : a.x;
  const std::int64_t dMajor = xMajor ? dx : dy;
  const std::int64_t dMinor = xMajor ? dy : dx;
  // The pixels whose centres lie in [a, b) along the major axis.
  std::int64_t first = dMajor > 0 ? firstPixelAtOrAfter(major0) : firstPixelAfter(major0 + dMajor);
  std::int64_t last = dMajor > 0 ? firstPixelAtOrAfter(major0 + dMajor) : firstPixelAfter(major0);
  first = std::max(first, xMajor ? target.rect.x0 : target.rect.y0);
  last = std::min(last, xMajor ? target.rect.x1 : target.rect.y1);
  const std::int64_t minorBegin = xMajor ? target.rect.y0 : target.rect.x0;
  const std::int64_t minorEnd = xMajor ? target.rect.y1 : target.rect.x1;
  const auto depthAt = [&](std::int64_t pixel) {
    const double along = static_cast<double>(pixelCentre(pixel) - major0);
    return a.z + (b.z - a.z) * (along / static_cast<double>(dMajor));
  };
  if (xMajor && dMinor == 0) {  // along a row: one span
    const std::int64_t row = floorDiv(minor0, kSubpixels);
    if (row < minorBegin || row >= minorEnd || first >= last) return;
    if (a.z == b.z) {
      target.flatSpan(row, first, last, static_cast<float>(depthAt(first)));
    } else {
      target.span(row, first, last, depthAt);
    }
    return;
  }
  for (std::int64_t pixel = first; pixel < last; ++pixel) {
    const std::int64_t along = pixelCentre(pixel) - major0;
    const std::int64_t minorPixel = floorDiv(minor0 + floorDiv(dMinor * along, dMajor), kSubpixels);
    if (minorPixel < minorBegin || minorPixel >= minorEnd) continue;
    const double z = depthAt(pixel);
    if (xMajor) {
      target.plot(pixel, minorPixel, z);
    } else {
      target.plot(minorPixel, pixel, z);
    }
  }
}

}  // namespace glstandin::detail
