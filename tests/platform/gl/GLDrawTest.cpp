// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "platform/gl/GL.h"

namespace {

using glstandin::Framebuffer;
using Pixels = std::set<std::pair<int, int>>;  // (x, y)

// A framebuffer bound, with the viewport over it, for the test's lifetime;
// vertices given in its window coordinates pass the identity matrices.
struct Canvas {
  Canvas(int width, int height) : buffer(width, height) {
    glstandin::bindFramebuffer(&buffer);
    glViewport(0, 0, width, height);
  }
  ~Canvas() { glstandin::bindFramebuffer(nullptr); }
  void vertex(double x, double y) const {
    glVertex3f(static_cast<GLfloat>(x * 2 / buffer.width() - 1),
               static_cast<GLfloat>(y * 2 / buffer.height() - 1), 0.0f);
  }
  void triangle(const std::array<double, 6>& xy) const {
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < 6; i += 2) vertex(xy[i], xy[i + 1]);
    glEnd();
  }
  // The pixels with some red.
  Pixels lit() const {
    Pixels lit;
    for (int y = 0; y < buffer.height(); ++y)
      for (int x = 0; x < buffer.width(); ++x)
        if (buffer.pixel(x, y)[0] != 0) lit.insert({x, y});
    return lit;
  }

  Framebuffer buffer;
};

// Two triangles over the whole viewport at depth z, with identity matrices.
void drawSquare(double z = 0.0) {
  static const float corners[6][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}};
  glBegin(GL_TRIANGLES);
  for (const auto& c : corners) glVertex3f(c[0], c[1], static_cast<float>(z));
  glEnd();
}

class GLDrawTest : public ::testing::Test {
 protected:
  void SetUp() override { glstandin::resetState(); }
  void TearDown() override { glstandin::resetState(); }
};

TEST_F(GLDrawTest, TriangleCoversExactPixelsInEitherWinding) {
  // Corners on pixel centres: the top and left edges keep their centres, the
  // diagonal loses its own.
  const Pixels expected = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3},
                           {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}};
  for (const auto& corners : {std::array<double, 6>{1.5, 1.5, 5.5, 5.5, 1.5, 5.5},
                              std::array<double, 6>{1.5, 5.5, 5.5, 5.5, 1.5, 1.5}}) {
    Canvas canvas(8, 8);
    canvas.triangle(corners);
    EXPECT_EQ(canvas.lit(), expected);
  }
}

TEST_F(GLDrawTest, MeshCoversEachPixelExactlyOnce) {
  // A 4 x 4 grid over a 16 x 16 viewport, inner points moved off the grid
  // (one row and one column onto pixel centres), cells split along
  // alternating diagonals, triangles in alternating winding. Each triangle is
  // drawn alone and counted: no pixel twice, none left out.
  constexpr int kSize = 16;
  double point[5][5][2];
  for (int i = 0; i <= 4; ++i) {
    for (int j = 0; j <= 4; ++j) {
      const bool inner = i > 0 && i < 4 && j > 0 && j < 4;
      const double jitterX = i == 2 ? 0.5 : ((i * 7 + j * 3) % 5) * 0.37 - 0.7;
      const double jitterY = j == 2 ? 0.5 : ((i * 2 + j * 5) % 7) * 0.29 - 0.9;
      point[i][j][0] = 4 * i + (inner ? jitterX : 0.0);
      point[i][j][1] = 4 * j + (inner ? jitterY : 0.0);
    }
  }
  std::vector<int> count(kSize * kSize, 0);
  Canvas canvas(kSize, kSize);
  auto drawAlone = [&](const double* a, const double* b, const double* c) {
    glClear(GL_COLOR_BUFFER_BIT);
    canvas.triangle({a[0], a[1], b[0], b[1], c[0], c[1]});
    for (const auto& [x, y] : canvas.lit()) ++count[y * kSize + x];
  };
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      auto p = [&](int di, int dj) { return point[i + di][j + dj]; };
      if ((i + j) % 2 == 0) {
        drawAlone(p(0, 0), p(1, 0), p(1, 1));
        drawAlone(p(0, 0), p(0, 1), p(1, 1));  // clockwise
      } else {
        drawAlone(p(1, 0), p(0, 0), p(0, 1));  // clockwise
        drawAlone(p(1, 0), p(1, 1), p(0, 1));
      }
    }
  }
  EXPECT_EQ(count, std::vector<int>(kSize * kSize, 1));
}

TEST_F(GLDrawTest, LinesDrawExactPixels) {
  struct Case {
    std::array<double, 4> ends;
    Pixels expected;
  };
  const Case cases[] = {
      {{1.5, 2.5, 6.5, 2.5}, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}},                  // flat
      {{3.2, 0.5, 3.2, 7.0}, {{3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}}},  // upright
      // At column 1's centre the line is exactly at y = 1: row 1.
      {{0.5, 0.5, 6.5, 3.5}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}}},
      // Backwards: the first end is drawn, the last is not.
      {{6.5, 3.5, 0.5, 0.5}, {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {6, 3}}},
  };
  for (const Case& c : cases) {
    Canvas canvas(8, 8);
    glBegin(GL_LINES);
    canvas.vertex(c.ends[0], c.ends[1]);
    canvas.vertex(c.ends[2], c.ends[3]);
    glEnd();
    EXPECT_EQ(canvas.lit(), c.expected);
  }
}

TEST_F(GLDrawTest, DepthFunctionDecidesWhichFragmentStays) {
  Canvas canvas(4, 4);
  glEnable(GL_DEPTH_TEST);
  glClear(GL_DEPTH_BUFFER_BIT);
  struct Step {
    bool test;
    GLenum func;
    float z, grey;
    int red;  // then
    float depth;
  };
  const Step steps[] = {
      {true, GL_LESS, -0.5f, 0.2f, 51, 0.25f},     // nearer than the clear depth
      {true, GL_LESS, 0.5f, 0.4f, 51, 0.25f},      // behind: hidden
      {true, GL_LESS, -0.5f, 0.6f, 51, 0.25f},     // as near: refused
      {true, GL_LEQUAL, -0.5f, 0.6f, 153, 0.25f},  // as near: taken
      {true, GL_ALWAYS, 0.5f, 0.8f, 204, 0.75f},   // behind: taken, depth written
      {false, GL_LESS, 0.9f, 1.0f, 255, 0.75f},    // test off: drawn, depth kept
  };
  for (const Step& step : steps) {
    (step.test ? glEnable : glDisable)(GL_DEPTH_TEST);
    glDepthFunc(step.func);
    glColor4f(step.grey, step.grey, step.grey, 1.0f);
    drawSquare(step.z);
    EXPECT_EQ(canvas.buffer.pixel(1, 2)[0], step.red) << step.grey;
    EXPECT_EQ(canvas.buffer.depth(1, 2), step.depth) << step.grey;
  }
}

constexpr GLenum kGLFloat = 0x1406;  // GL_FLOAT: not read

TEST_F(GLDrawTest, ClearKeepsToTheScissorBoxAndReadPixelsToTheBuffer) {
  Canvas canvas(6, 4);
  glClearColor(1.0f, 0.0f, 0.0f, 2.0f);  // alpha clamped
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
  glScissor(4, 2, 10, 10);
  glClearColor(0.0f, 0.5f, 0.0f, 1.0f);
  glClearDepth(0.25);
  glClear(GL_COLOR_BUFFER_BIT);
  glClear(GL_DEPTH_BUFFER_BIT);
  EXPECT_EQ(std::memcmp(canvas.buffer.pixel(3, 3), "\xff\x00\x00\xff", 4), 0);
  EXPECT_EQ(std::memcmp(canvas.buffer.pixel(4, 2), "\x00\x80\x00\xff", 4), 0);
  EXPECT_EQ(canvas.buffer.depth(5, 1), 1.0f);
  EXPECT_EQ(canvas.buffer.depth(5, 3), 0.25f);

  // Rows y = 1, 2 (bottom first) of columns 4 to 6; column 6 is off the buffer.
  std::vector<unsigned char> block(3 * 2 * 4, 7);
  glReadPixels(4, 1, 3, 2, GL_RGBA, GL_UNSIGNED_BYTE, block.data());
  glReadPixels(0, 0, 1, 1, GL_RGBA, kGLFloat, block.data());  // refused
  std::vector<int> green;
  for (std::size_t i = 1; i < block.size(); i += 4) green.push_back(block[i]);
  EXPECT_EQ(green, (std::vector<int>{0, 0, 7, 128, 128, 7}));
}

TEST_F(GLDrawTest, LightingShadesTrianglesByTheirEyeNormal) {
  Canvas canvas(8, 8);
  glEnable(GL_LIGHTING);
  const float c = std::cos(1.0471976f);  // 60 degrees about x
  const float s = std::sin(1.0471976f);
  const GLfloat tilt[16] = {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
  auto fullTriangle = [&canvas] { canvas.triangle({-8, -8, 24, -8, 4, 24}); };
  glLoadMatrixf(tilt);  // the modelview: |nz| = 0.5, factor 0.6
  fullTriangle();
  EXPECT_EQ(canvas.buffer.pixel(4, 4)[0], 153);
  EXPECT_EQ(canvas.buffer.pixel(4, 4)[3], 255);  // alpha unlit
  glBegin(GL_LINES);                             // lines are never lit
  canvas.vertex(0, 4.5);
  canvas.vertex(8, 4.5);
  glEnd();
  EXPECT_EQ(canvas.buffer.pixel(4, 4)[0], 255);
  const GLfloat identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glLoadMatrixf(identity);
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(tilt);  // the same picture through the projection: eye normal is z
  glColor4f(0.5f, 0.5f, 0.5f, 1.0f);
  fullTriangle();
  EXPECT_EQ(canvas.buffer.pixel(4, 2)[0], 128);
}

TEST_F(GLDrawTest, NothingBoundDrawsNothing) {
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glViewport(0, 0, 4, 4);
  drawSquare();
  unsigned char pixel[4] = {9, 9, 9, 9};
  glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_EQ(pixel[0], 9);

  Canvas canvas(4, 4);  // bound only now: still as made
  EXPECT_TRUE(canvas.lit().empty());
  EXPECT_EQ(canvas.buffer.depth(0, 0), 1.0f);
  // resetState leaves the binding; state changes inside glBegin/glEnd are ignored.
  glstandin::resetState();
  EXPECT_EQ(glstandin::boundFramebuffer(), &canvas.buffer);
  glBegin(GL_TRIANGLES);
  glViewport(0, 0, 4, 4);
  glEnd();
  GLint viewport[4] = {-1, -1, -1, -1};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 0);
}

TEST_F(GLDrawTest, NonFiniteVerticesDropTheirPrimitives) {
  Canvas canvas(8, 8);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  glBegin(GL_TRIANGLES);
  glVertex3f(-1, -1, 0);
  glVertex3f(nan, -1, 0);
  glVertex3f(-1, 1, 0);
  glEnd();
  EXPECT_TRUE(canvas.lit().empty());
  // In a strip only the segments that touch the bad vertex go.
  glBegin(GL_LINE_STRIP);
  canvas.vertex(0, 0.5);
  canvas.vertex(4, 0.5);
  glVertex3f(0, inf, 0);
  canvas.vertex(0, 6.5);
  canvas.vertex(4, 6.5);
  glEnd();
  EXPECT_EQ(canvas.lit(), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 6}, {1, 6}, {2, 6}, {3, 6}}));
  // Finite vertices that a matrix sends to infinity go too.
  const GLfloat stretch[16] = {inf, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glLoadMatrixf(stretch);
  glClear(GL_COLOR_BUFFER_BIT);
  canvas.triangle({0, 0, 8, 0, 0, 8});
  EXPECT_TRUE(canvas.lit().empty());
}

TEST_F(GLDrawTest, ExtremeViewportsAreClampedAndStayInRange) {
  // The largest viewport with the buffer in its middle or far from it: the
  // positions and products stay in range whatever the origin (UBSan watches).
  constexpr GLint kMax = kGLMaxViewportSize;
  constexpr GLint kIntMax = std::numeric_limits<GLint>::max();
  constexpr GLint kIntMin = std::numeric_limits<GLint>::min();
  for (const auto& [x, y] : {std::pair{-kMax / 2, -kMax / 2}, std::pair{kIntMin, kIntMin},
                             std::pair{kIntMax, 0}, std::pair{-kMax + 3, kIntMin / 2}}) {
    Canvas canvas(4, 4);
    glViewport(x, y, kIntMax, kIntMax);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], kMax);
    drawSquare();
    glBegin(GL_LINE_STRIP);
    for (float v : {-1.0f, 1.0f, 0.3f, -0.9f}) glVertex3f(v, v * v - 0.5f, 0);
    glEnd();
    EXPECT_EQ(canvas.lit().size(), x == -kMax / 2 ? 16u : 0u) << x << ", " << y;
  }
}

}  // namespace
