// SPDX-License-Identifier: Apache-2.0
#pragma once

// Runs of pixels along a row written at once: clears and flat primitives
// write whole spans, at the speed of memory.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace glstandin::detail {

// Writes color into count pixels of 4 bytes from out.
inline void fillPixels(unsigned char* out, std::size_t count, const unsigned char (&color)[4]) {
  if (color[0] == color[1] && color[1] == color[2] && color[2] == color[3]) {
    std::memset(out, color[0], count * 4);
    return;
  }
  std::uint32_t pattern = 0;
  std::memcpy(&pattern, color, 4);
  // One store of the 4 bytes per pixel: the compiler turns it into wide stores.
  for (std::size_t i = 0; i < count; ++i) std::memcpy(out + 4 * i, &pattern, 4);
}

// Writes depth into count floats from out.
inline void fillDepths(float* out, std::size_t count, float depth) {
  for (std::size_t i = 0; i < count; ++i) out[i] = depth;
}

}  // namespace glstandin::detail
