// SPDX-License-Identifier: Apache-2.0
// What the rasterizers write to, set up from the state.

#include "platform/gl/detail/Fragments.h"

#include "platform/gl/detail/Clamp.h"

namespace glstandin::detail {

FragmentTarget fragmentTarget(const GLRenderState& state, Framebuffer& buffer,
                              const double (&rgba)[4]) {
  FragmentTarget target;
  target.buffer = &buffer;
  // As in GL, the viewport does not bound the pixels: clipping keeps a
  // primitive within it, but a line on its top or right edge lands on the
  // pixels just beyond.
  target.rect = writableRect(state, buffer);
  for (int i = 0; i < 4; ++i) target.color[i] = colorByte(rgba[i]);
  target.depthTest = state.depthTestEnabled;
  target.depthFunc = state.depthFunc;
  return target;
}

}  // namespace glstandin::detail
