#pragma once

// The few OpenGL entry points the module calls, headless: each call records
// its effect in a per-thread GLRenderState that tests read back.

#include <cstdint>

using GLenum = unsigned int;
using GLint = int;
using GLsizei = int;
using GLboolean = unsigned char;

constexpr GLboolean GL_FALSE = 0;
constexpr GLboolean GL_TRUE = 1;

constexpr GLenum GL_SCISSOR_BOX = 3088;
constexpr GLenum GL_SCISSOR_TEST = 3089;

// Switches a capability on or off. GL_SCISSOR_TEST is the one the state knows
// by name; other capabilities are remembered in a small table (once it is
// full, further ones are ignored and read back as off).
void glEnable(GLenum cap);
void glDisable(GLenum cap);
GLboolean glIsEnabled(GLenum cap);

// Sets the scissor box; a negative width or height is rejected and leaves the
// box unchanged.
void glScissor(GLint x, GLint y, GLsizei width, GLsizei height);

// GL_SCISSOR_BOX writes four values (x, y, width, height); a capability such
// as GL_SCISSOR_TEST writes one (0 or 1). Other names leave params untouched.
void glGetIntegerv(GLenum pname, GLint* params);

namespace glstandin {

struct GLRenderState {
  static constexpr int kOtherCapabilities = 16;
  struct Capability {
    GLenum cap = 0;
    bool used = false;
    bool enabled = false;
  };

  bool scissorEnabled = false;
  GLint scissorX = 0;
  GLint scissorY = 0;
  GLsizei scissorWidth = 0;
  GLsizei scissorHeight = 0;
  Capability others[kOtherCapabilities] = {};
};

// The calling thread's state.
GLRenderState& currentState();
// Back to the defaults: scissor test off, scissor box (0, 0, 0, 0), every
// other capability forgotten.
void resetState();

}  // namespace glstandin

using glstandin::GLRenderState;
