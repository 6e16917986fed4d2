// SPDX-License-Identifier: Apache-2.0
// The state calls: capabilities, scissor, viewport, depth settings, clear
// values, matrices, colour and the queries; the binding of a framebuffer.

#include "platform/gl/GL.h"

#include <algorithm>

#include "platform/gl/detail/Clamp.h"

namespace glstandin {

GLRenderState& currentState() {
  static thread_local GLRenderState state;
  return state;
}

void resetState() { currentState() = GLRenderState(); }

namespace {

thread_local Framebuffer* boundBuffer = nullptr;

}  // namespace

void bindFramebuffer(Framebuffer* framebuffer) { boundBuffer = framebuffer; }

Framebuffer* boundFramebuffer() { return boundBuffer; }

}  // namespace glstandin

namespace {

using glstandin::GLRenderState;
using glstandin::detail::clamp01;

// The state, or nullptr between glBegin and glEnd, where GL ignores calls
// that change it.
GLRenderState* changeableState() {
  GLRenderState& state = glstandin::currentState();
  return state.primitiveMode == 0 ? &state : nullptr;
}

// The flag GL_SCISSOR_TEST, GL_DEPTH_TEST or GL_LIGHTING is kept in; nullptr
// for other capabilities.
bool* namedCapability(GLRenderState& state, GLenum cap) {
  switch (cap) {
    case GL_SCISSOR_TEST:
      return &state.scissorEnabled;
    case GL_DEPTH_TEST:
      return &state.depthTestEnabled;
    case GL_LIGHTING:
      return &state.lightingEnabled;
    default:
      return nullptr;
  }
}

// The table slot of cap, made if create is set and a slot is free; nullptr otherwise.
GLRenderState::Capability* findCapability(GLRenderState& state, GLenum cap, bool create) {
  GLRenderState::Capability* freeSlot = nullptr;
  for (GLRenderState::Capability& slot : state.others) {
    if (slot.used && slot.cap == cap) return &slot;
    if (!slot.used && !freeSlot) freeSlot = &slot;
  }
  if (!create || !freeSlot) return nullptr;
  freeSlot->used = true;
  freeSlot->cap = cap;
  freeSlot->enabled = false;
  return freeSlot;
}

void setCapability(GLenum cap, bool enabled) {
  GLRenderState* state = changeableState();
  if (!state) return;
  if (bool* flag = namedCapability(*state, cap)) {
    *flag = enabled;
    return;
  }
  if (GLRenderState::Capability* slot = findCapability(*state, cap, enabled)) {
    slot->enabled = enabled;
  }
}

}  // namespace

void glEnable(GLenum cap) { setCapability(cap, true); }

void glDisable(GLenum cap) { setCapability(cap, false); }

GLboolean glIsEnabled(GLenum cap) {
  GLRenderState& state = glstandin::currentState();
  if (const bool* flag = namedCapability(state, cap)) return *flag ? GL_TRUE : GL_FALSE;
  const GLRenderState::Capability* slot = findCapability(state, cap, false);
  return slot && slot->enabled ? GL_TRUE : GL_FALSE;
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
  GLRenderState* state = changeableState();
  if (!state || width < 0 || height < 0) return;
  state->scissorX = x;
  state->scissorY = y;
  state->scissorWidth = width;
  state->scissorHeight = height;
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  GLRenderState* state = changeableState();
  if (!state || width < 0 || height < 0) return;
  state->viewport[0] = x;
  state->viewport[1] = y;
  state->viewport[2] = std::min(width, kGLMaxViewportSize);
  state->viewport[3] = std::min(height, kGLMaxViewportSize);
}

void glDepthRange(GLclampd nearValue, GLclampd farValue) {
  GLRenderState* state = changeableState();
  if (!state) return;
  state->depthNear = clamp01(nearValue);
  state->depthFar = clamp01(farValue);
}

void glDepthFunc(GLenum func) {
  GLRenderState* state = changeableState();
  if (!state || (func != GL_LESS && func != GL_LEQUAL && func != GL_ALWAYS)) return;
  state->depthFunc = func;
}

void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
  GLRenderState* state = changeableState();
  if (!state) return;
  const GLclampf color[4] = {r, g, b, a};
  for (int i = 0; i < 4; ++i) state->clearColor[i] = static_cast<GLclampf>(clamp01(color[i]));
}

void glClearDepth(GLclampd depth) {
  if (GLRenderState* state = changeableState()) state->clearDepth = clamp01(depth);
}

void glMatrixMode(GLenum mode) {
  GLRenderState* state = changeableState();
  if (!state || (mode != GL_MODELVIEW && mode != GL_PROJECTION)) return;
  state->matrixMode = mode;
}

void glLoadMatrixf(const GLfloat* m) {
  GLRenderState* state = changeableState();
  if (!state || !m) return;
  GLfloat* target = state->matrixMode == GL_PROJECTION ? state->projection : state->modelview;
  std::copy(m, m + 16, target);
}

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  GLfloat* color = glstandin::currentState().color;
  color[0] = r;
  color[1] = g;
  color[2] = b;
  color[3] = a;
}

void glGetIntegerv(GLenum pname, GLint* params) {
  if (!params) return;
  GLRenderState& state = glstandin::currentState();
  switch (pname) {
    case GL_SCISSOR_BOX:
      params[0] = state.scissorX;
      params[1] = state.scissorY;
      params[2] = state.scissorWidth;
      params[3] = state.scissorHeight;
      return;
    case GL_VIEWPORT:
      std::copy(state.viewport, state.viewport + 4, params);
      return;
    case GL_MAX_VIEWPORT_DIMS:
      params[0] = params[1] = kGLMaxViewportSize;
      return;
    case GL_DEPTH_FUNC:
      params[0] = static_cast<GLint>(state.depthFunc);
      return;
    default:
      if (namedCapability(state, pname) || findCapability(state, pname, false)) {
        params[0] = glIsEnabled(pname);
      }
  }
}
