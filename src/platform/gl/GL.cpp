#include "platform/gl/GL.h"

namespace glstandin {

GLRenderState& currentState() {
  static thread_local GLRenderState state;
  return state;
}

void resetState() { currentState() = GLRenderState(); }

}  // namespace glstandin

namespace {

using glstandin::GLRenderState;

// The table slot of cap, made if create is set and a slot is free; nullptr otherwise.
GLRenderState::Capability* findCapability(GLenum cap, bool create) {
  GLRenderState& state = glstandin::currentState();
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
  if (cap == GL_SCISSOR_TEST) {
    glstandin::currentState().scissorEnabled = enabled;
    return;
  }
  if (GLRenderState::Capability* slot = findCapability(cap, enabled)) slot->enabled = enabled;
}

}  // namespace

void glEnable(GLenum cap) { setCapability(cap, true); }

void glDisable(GLenum cap) { setCapability(cap, false); }

GLboolean glIsEnabled(GLenum cap) {
  if (cap == GL_SCISSOR_TEST) return glstandin::currentState().scissorEnabled ? GL_TRUE : GL_FALSE;
  const GLRenderState::Capability* slot = findCapability(cap, false);
  return slot && slot->enabled ? GL_TRUE : GL_FALSE;
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height) {
  if (width < 0 || height < 0) return;
  GLRenderState& state = glstandin::currentState();
  state.scissorX = x;
  state.scissorY = y;
  state.scissorWidth = width;
  state.scissorHeight = height;
}

void glGetIntegerv(GLenum pname, GLint* params) {
  if (!params) return;
  if (pname == GL_SCISSOR_BOX) {
    const GLRenderState& state = glstandin::currentState();
    params[0] = state.scissorX;
    params[1] = state.scissorY;
    params[2] = state.scissorWidth;
    params[3] = state.scissorHeight;
    return;
  }
  if (pname == GL_SCISSOR_TEST || findCapability(pname, false)) {
    params[0] = glIsEnabled(pname);
  }
}
