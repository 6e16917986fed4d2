// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cmath>

namespace glstandin::detail {

// value limited to [0, 1]; NaN counts as 0.
inline double clamp01(double value) {
  if (!(value > 0.0)) return 0.0;
  return value < 1.0 ? value : 1.0;
}

// A colour component as a byte: round(clamp(c, 0, 1) * 255).
inline unsigned char colorByte(double component) {
  return static_cast<unsigned char>(std::lround(clamp01(component) * 255.0));
}

}  // namespace glstandin::detail
