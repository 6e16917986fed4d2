// SPDX-License-Identifier: Apache-2.0
// The viewport transform: clip coordinates to fixed-point window positions
// and window depth.

#include "platform/gl/detail/Window.h"

#include <cmath>

namespace glstandin::detail {

namespace {

// x / w limited to [-1, 1] (clipping leaves it there but for rounding).
double normalized(double x, double w) {
  const double value = x / w;
  if (!(value > -1.0)) return -1.0;
  return value < 1.0 ? value : 1.0;
}

// The fixed-point offset from the viewport's origin of normalised coordinate
// ndc across size pixels: at most size * kSubpixels.
std::int64_t offset(double ndc, GLsizei size) {
  return static_cast<std::int64_t>(
      std::floor((ndc + 1.0) * 0.5 * static_cast<double>(size) * kSubpixels + 0.5));
}

}  // namespace

bool toWindow(const ClipVertex& clip, const GLRenderState& state, WindowVertex& out) {
  if (!(clip.w > 0.0)) return false;
  const GLint* viewport = state.viewport;
  out.x = std::int64_t{viewport[0]} * kSubpixels + offset(normalized(clip.x, clip.w), viewport[2]);
  out.y = std::int64_t{viewport[1]} * kSubpixels + offset(normalized(clip.y, clip.w), viewport[3]);
  out.z = state.depthNear +
          (state.depthFar - state.depthNear) * (normalized(clip.z, clip.w) + 1.0) * 0.5;
  return true;
}

}  // namespace glstandin::detail
