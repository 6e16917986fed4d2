// SPDX-License-Identifier: Apache-2.0
// Immediate mode: vertices transformed as they arrive, assembled into
// triangles and lines, lit, clipped and handed to the rasterizers.

#include <cmath>

#include "platform/gl/GL.h"
#include "platform/gl/detail/Clip.h"
#include "platform/gl/detail/Rasterize.h"

namespace {

using glstandin::Framebuffer;
using glstandin::detail::ClipVertex;
using glstandin::detail::WindowVertex;

struct Vertex {
  double eye[3] = {0.0, 0.0, 0.0};
  ClipVertex clip;
  GLfloat color[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  bool finite = false;
};

// The open glBegin's buffer (nullptr when none was bound, or outside
// glBegin/glEnd) and the vertices of its primitive in the making.
struct Assembly {
  Framebuffer* buffer = nullptr;
  Vertex pending[2];
  int count = 0;
};

thread_local Assembly assembly;

// out[r] = m * (x, y, z, w), m column-major.
template <typename Matrix>
void multiply(const Matrix& m, const double (&in)[4], double (&out)[4]) {
  for (int r = 0; r < 4; ++r) {
    out[r] = static_cast<double>(m[r]) * in[0] + static_cast<double>(m[4 + r]) * in[1] +
             static_cast<double>(m[8 + r]) * in[2] + static_cast<double>(m[12 + r]) * in[3];
  }
}

Vertex transform(const GLRenderState& state, GLfloat x, GLfloat y, GLfloat z) {
  Vertex vertex;
  const double object[4] = {x, y, z, 1.0};
  double eye[4];
  double clip[4];
  multiply(state.modelview, object, eye);
  multiply(state.projection, eye, clip);
  vertex.finite = true;
  for (int i = 0; i < 4; ++i) vertex.finite = vertex.finite && std::isfinite(clip[i]);
  for (int i = 0; i < 3; ++i) {
    vertex.eye[i] = eye[i];
    vertex.finite = vertex.finite && std::isfinite(eye[i]);
  }
  vertex.clip = {clip[0], clip[1], clip[2], clip[3]};
  for (int i = 0; i < 4; ++i) vertex.color[i] = state.color[i];
  return vertex;
}

// The fixed headlight: 0.2 + 0.8 |nz| for the triangle's unit normal n in
// eye coordinates, 1 for a degenerate triangle.
double lightFactor(const Vertex& a, const Vertex& b, const Vertex& c) {
  const double u[3] = {b.eye[0] - a.eye[0], b.eye[1] - a.eye[1], b.eye[2] - a.eye[2]};
  const double v[3] = {c.eye[0] - a.eye[0], c.eye[1] - a.eye[1], c.eye[2] - a.eye[2]};
  const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
  const double length = std::hypot(n[0], n[1], n[2]);
  if (!(length > 0.0) || !std::isfinite(length)) return 1.0;
  return 0.2 + 0.8 * std::fabs(n[2] / length);
}

void colorOf(const Vertex& provoking, double factor, double (&rgba)[4]) {
  for (int i = 0; i < 3; ++i) rgba[i] = provoking.color[i] * factor;
  rgba[3] = provoking.color[3];
}

void renderTriangle(const Vertex& a, const Vertex& b, const Vertex& c) {
  if (!a.finite || !b.finite || !c.finite) return;
  const GLRenderState& state = glstandin::currentState();
  double rgba[4];
  colorOf(c, state.lightingEnabled ? lightFactor(a, b, c) : 1.0, rgba);
  const auto target = glstandin::detail::fragmentTarget(state, *assembly.buffer, rgba);
  if (target.rect.empty()) return;
  const auto polygon = glstandin::detail::clipTriangle(a.clip, b.clip, c.clip);
  WindowVertex window[glstandin::detail::kClippedPolygonCapacity];
  for (int i = 0; i < polygon.count; ++i) {
    if (!glstandin::detail::toWindow(polygon.vertices[i], state, window[i])) return;
  }
  for (int i = 1; i + 1 < polygon.count; ++i) {
    glstandin::detail::drawTriangle(window[0], window[i], window[i + 1], target);
  }
}

void renderLine(const Vertex& a, const Vertex& b) {
  if (!a.finite || !b.finite) return;
  const GLRenderState& state = glstandin::currentState();
  double rgba[4];
  colorOf(b, 1.0, rgba);
  const auto target = glstandin::detail::fragmentTarget(state, *assembly.buffer, rgba);
  if (target.rect.empty()) return;
  ClipVertex from = a.clip;
  ClipVertex to = b.clip;
  WindowVertex window[2];
  if (!glstandin::detail::clipLine(from, to) ||
      !glstandin::detail::toWindow(from, state, window[0]) ||
      !glstandin::detail::toWindow(to, state, window[1])) {
    return;
  }
  glstandin::detail::drawLine(window[0], window[1], target);
}

}  // namespace

void glBegin(GLenum mode) {
  GLRenderState& state = glstandin::currentState();
  if (state.primitiveMode != 0 ||
      (mode != GL_TRIANGLES && mode != GL_LINES && mode != GL_LINE_STRIP)) {
    return;
  }
  state.primitiveMode = mode;
  assembly.buffer = glstandin::boundFramebuffer();
  assembly.count = 0;
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  if (!assembly.buffer) return;  // nothing bound: as cheap as it gets
  const GLRenderState& state = glstandin::currentState();
  if (state.primitiveMode == 0) return;
  const Vertex vertex = transform(state, x, y, z);
  switch (state.primitiveMode) {
    case GL_TRIANGLES:
      if (assembly.count < 2) {
        assembly.pending[assembly.count++] = vertex;
        return;
      }
      renderTriangle(assembly.pending[0], assembly.pending[1], vertex);
      assembly.count = 0;
      return;
    case GL_LINES:
      if (assembly.count == 0) {
        assembly.pending[assembly.count++] = vertex;
        return;
      }
      renderLine(assembly.pending[0], vertex);
      assembly.count = 0;
      return;
    default:  // GL_LINE_STRIP
      if (assembly.count == 1) renderLine(assembly.pending[0], vertex);
      assembly.pending[0] = vertex;
      assembly.count = 1;
  }
}

void glEnd() {
  GLRenderState& state = glstandin::currentState();
  if (state.primitiveMode == 0) return;
  state.primitiveMode = 0;
  assembly.buffer = nullptr;
  assembly.count = 0;
}
