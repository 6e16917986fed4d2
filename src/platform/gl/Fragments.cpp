// What the rasterizers write to, set up from the state.

#include "platform/gl/detail/Fragments.h"

#include "platform/gl/detail/Clamp.h"

namespace glstandin::detail {

FragmentTarget fragmentTarget(const GLRenderState& state, Framebuffer& buffer,
                              const double (&rgba)[4]) {
  FragmentTarget target;
  target.buffer = &buffer;
  target.rect = writableRect(state, buffer)
                    .intersect(PixelRect::box(state.viewport[0], state.viewport[1],
                                              state.viewport[2], state.viewport[3]));
  for (int i = 0; i < 4; ++i) target.color[i] = colorByte(rgba[i]);
  target.depthTest = state.depthTestEnabled;
  target.depthFunc = state.depthFunc;
  return target;
}

}  // namespace glstandin::detail
