// SPDX-License-Identifier: Apache-2.0
#pragma once

// The few OpenGL entry points the module calls, headless: each call records
// its effect in a per-thread GLRenderState that tests read back, and draws
// into the calling thread's bound software Framebuffer, if any. Separate
// threads may draw into separate framebuffers at once (README, "Threads").

#include <cstddef>
#include <cstdint>
#include <vector>

using GLenum = unsigned int;
using GLint = int;
using GLsizei = int;
using GLboolean = unsigned char;
using GLfloat = float;
using GLclampf = float;
using GLdouble = double;
using GLclampd = double;
using GLbitfield = unsigned int;
using GLubyte = unsigned char;

constexpr GLboolean GL_FALSE = 0;
constexpr GLboolean GL_TRUE = 1;

constexpr GLbitfield GL_DEPTH_BUFFER_BIT = 0x00000100;
constexpr GLbitfield GL_COLOR_BUFFER_BIT = 0x00004000;

constexpr GLenum GL_LINES = 0x0001;
constexpr GLenum GL_LINE_STRIP = 0x0003;
constexpr GLenum GL_TRIANGLES = 0x0004;

constexpr GLenum GL_LESS = 0x0201;
constexpr GLenum GL_LEQUAL = 0x0203;
constexpr GLenum GL_ALWAYS = 0x0207;

constexpr GLenum GL_LIGHTING = 0x0B50;
constexpr GLenum GL_DEPTH_RANGE = 0x0B70;
constexpr GLenum GL_DEPTH_TEST = 0x0B71;
constexpr GLenum GL_DEPTH_FUNC = 0x0B74;
constexpr GLenum GL_VIEWPORT = 0x0BA2;
constexpr GLenum GL_SCISSOR_BOX = 0x0C10;
constexpr GLenum GL_SCISSOR_TEST = 0x0C11;
constexpr GLenum GL_MAX_VIEWPORT_DIMS = 0x0D3A;

constexpr GLenum GL_MODELVIEW = 0x1700;
constexpr GLenum GL_PROJECTION = 0x1701;

constexpr GLenum GL_RGBA = 0x1908;
constexpr GLenum GL_UNSIGNED_BYTE = 0x1401;

// The largest viewport width and height; glViewport clamps larger ones to it,
// as GL clamps to its GL_MAX_VIEWPORT_DIMS. It keeps every sub-pixel
// product of the rasterizer inside 64 bits.
constexpr GLsizei kGLMaxViewportSize = 1 << 22;

// Switches a capability on or off. GL_SCISSOR_TEST, GL_DEPTH_TEST and
// GL_LIGHTING are the ones the state knows by name; other capabilities are
// remembered in a small table (once it is full, further ones are ignored and
// read back as off).
void glEnable(GLenum cap);
void glDisable(GLenum cap);
GLboolean glIsEnabled(GLenum cap);

// Sets the scissor box; a negative width or height is rejected and leaves the
// box unchanged.
void glScissor(GLint x, GLint y, GLsizei width, GLsizei height);

// Viewport: may lie partly or wholly outside the framebuffer (negative origin,
// larger than the buffer); negative width or height is rejected, a width or
// height above kGLMaxViewportSize is clamped to it.
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void glDepthRange(GLclampd nearValue, GLclampd farValue);  // clamped to [0, 1]
void glDepthFunc(GLenum func);  // GL_LESS (default), GL_LEQUAL, GL_ALWAYS; others rejected
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a);  // clamped to [0, 1]
void glClearDepth(GLclampd depth);                                  // clamped to [0, 1]
// Clears the bound framebuffer's colour and/or depth, within the scissor box
// when the scissor test is on.
void glClear(GLbitfield mask);

// GL_MODELVIEW or GL_PROJECTION; glLoadMatrixf takes 16 floats, column-major
// as OpenGL reads them (a Scenar SbMatrix's storage, row-vector convention,
// passes as it is).
void glMatrixMode(GLenum mode);
void glLoadMatrixf(const GLfloat* m);
// The current colour; a vertex takes it, and a primitive is drawn flat in the
// colour of its last vertex.
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
// Immediate mode: GL_TRIANGLES, GL_LINES or GL_LINE_STRIP. Each primitive is
// drawn as its last vertex arrives, so memory stays small whatever the number
// of vertices; as in GL, calls that change state between glBegin and glEnd
// (all above but glColor4f) are ignored, so the picture is the one glEnd
// would draw. An incomplete primitive at glEnd is dropped.
void glBegin(GLenum mode);
void glVertex3f(GLfloat x, GLfloat y, GLfloat z);
void glEnd();

// Reads pixels of the bound framebuffer (GL_RGBA, GL_UNSIGNED_BYTE only),
// rows bottom first; pixels outside the buffer are left untouched in data.
void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                  void* data);

// GL_SCISSOR_BOX and GL_VIEWPORT write four values (x, y, width, height);
// GL_MAX_VIEWPORT_DIMS two; GL_DEPTH_FUNC one; a capability such as
// GL_SCISSOR_TEST, GL_DEPTH_TEST or GL_LIGHTING writes one (0 or 1). Other
// names leave params untouched.
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

  bool depthTestEnabled = false;
  bool lightingEnabled = false;
  GLint viewport[4] = {0, 0, 0, 0};
  GLclampd depthNear = 0.0;
  GLclampd depthFar = 1.0;
  GLenum depthFunc = GL_LESS;
  GLclampf clearColor[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  GLclampd clearDepth = 1.0;
  GLenum matrixMode = GL_MODELVIEW;
  GLfloat modelview[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  GLfloat projection[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  GLfloat color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  // The mode of the open glBegin, 0 outside glBegin/glEnd.
  GLenum primitiveMode = 0;
};

// The calling thread's state.
GLRenderState& currentState();
// Back to the defaults: every field as initialised above (scissor test, depth
// test and lighting off, other capabilities forgotten, identity matrices,
// white colour, no open glBegin). The framebuffer binding stays.
void resetState();

// A colour (8-bit RGBA) and depth (float) buffer, pixel (0, 0) at the bottom
// left as in GL. A new buffer is transparent black with depth 1.
//
// Rows are written a whole row at a time, as late as may be: a clear of the
// whole buffer only notes that every row holds the clear's colour and depth,
// and a few spans of one colour and depth drawn over it (backgrounds, say),
// each passing or failing the depth test as a whole, are noted with it. A
// row's colours, or depths, are written out when first read or drawn
// otherwise. So a picture is written mostly row after row, at the speed of
// memory, whatever order its primitives come in. Reading writes too: one
// thread at a time uses a buffer.
class Framebuffer {
 public:
  // Sizes below 0 count as 0; std::length_error when the buffer would not fit
  // in memory's address range.
  Framebuffer(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  // 4 bytes, RGBA, followed by those of the pixels to its right; x, y inside.
  const unsigned char* pixel(int x, int y) const { return colorRow(y) + std::size_t(x) * 4; }
  float depth(int x, int y) const { return depthRow(y)[x]; }

  // For drawing: row y's colours (4 bytes a pixel) and depths, to read and
  // write.
  unsigned char* colors(int y) { return colorRow(y); }
  float* depths(int y) { return depthRow(y); }
  // When row y is not written out and may note one more span: calls
  // seen(depth) with every depth columns x0 <= x < x1 may hold (the clear's,
  // and those of the spans noted there) and returns true. Else false.
  template <typename Seen>
  bool notedDepths(int y, int x0, int x1, const Seen& seen) const {
    const Row& row = rows_[static_cast<std::size_t>(y)];
    if (row.pending != (kColors | kDepths) || row.spans == kSpans) return false;
    seen(clearDepth_);
    for (int i = 0; i < row.spans; ++i) {
      if (x1 > row.span[i].begin && x0 < row.span[i].end) seen(row.span[i].depth);
    }
    return true;
  }
  // Fills columns [x0, x1) of row y, where notedDepths is true, with color
  // at depth, noted to be written out with the row after the spans before.
  void deferFill(int y, int x0, int x1, const unsigned char (&color)[4], float depth);
  const unsigned char* clearColor() const { return clearColor_; }
  float clearDepth() const { return clearDepth_; }
  // Clears the whole buffer's colours to color unless it is nullptr, and
  // its depths to depth unless it is nullptr.
  void clear(const unsigned char* color, const float* depth);

 private:
  enum Plane : unsigned char { kColors = 1, kDepths = 2 };
  // A span noted in a row: columns [begin, end) in color at depth.
  struct Span {
    int begin = 0;
    int end = 0;
    unsigned char color[4] = {0, 0, 0, 0};
    float depth = 0.0f;
  };
  static constexpr int kSpans = 8;
  // What is not yet written out of a row: the planes (kColors | kDepths)
  // whose memory is stale, holding the clear's value but for the spans.
  struct Row {
    unsigned char pending = 0;
    unsigned char spans = 0;
    Span span[kSpans];
  };

  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  unsigned char* colorRow(int y) const {
    if (rows_[static_cast<std::size_t>(y)].pending & kColors) writeOut(kColors, y);
    return &color_[index(0, y) * 4];
  }
  float* depthRow(int y) const {
    if (rows_[static_cast<std::size_t>(y)].pending & kDepths) writeOut(kDepths, y);
    return &depth_[index(0, y)];
  }
  // Writes plane of row y out: the clear's value, then the spans.
  void writeOut(Plane plane, int y) const;

  int width_;
  int height_;
  // Written out when read, also through const accessors.
  mutable std::vector<unsigned char> color_;
  mutable std::vector<float> depth_;
  mutable std::vector<Row> rows_;
  unsigned char clearColor_[4] = {0, 0, 0, 0};
  float clearDepth_ = 1.0f;
};

// The framebuffer draws of the calling thread go to (like a current
// context); nullptr (the default) draws nowhere: clears, primitives and
// reads do nothing. resetState() leaves the binding alone.
void bindFramebuffer(Framebuffer* framebuffer);
Framebuffer* boundFramebuffer();

}  // namespace glstandin

using glstandin::GLRenderState;
