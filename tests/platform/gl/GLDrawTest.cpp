#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/gl/GL.h"

namespace {

using glstandin::Framebuffer;
using Pixels = std::set<std::pair<int, int>>;  // (x, y)

// A framebuffer bound for the test's lifetime.
struct Canvas {
  Canvas(int width, int height) : buffer(width, height) { glstandin::bindFramebuffer(&buffer); }
  ~Canvas() { glstandin::bindFramebuffer(nullptr); }
  Framebuffer buffer;
};

class GLDrawTest : public ::testing::Test {
 protected:
  void SetUp() override { glstandin::resetState(); }
  void TearDown() override { glstandin::resetState(); }
};

// A vertex given in window coordinates of a size x size viewport at the
// origin, with identity matrices.
void windowVertex(double x, double y, int size, double z = 0.0) {
  glVertex3f(static_cast<GLfloat>(x * 2 / size - 1), static_cast<GLfloat>(y * 2 / size - 1),
             static_cast<GLfloat>(z));
}

void windowTriangle(const std::array<double, 6>& xy, int size, double z = 0.0) {
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 6; i += 2) windowVertex(xy[i], xy[i + 1], size, z);
  glEnd();
}

Pixels litPixels(const Framebuffer& buffer) {
  Pixels lit;
  for (int y = 0; y < buffer.height(); ++y)
    for (int x = 0; x < buffer.width(); ++x)
      if (buffer.pixel(x, y)[0] != 0) lit.insert({x, y});
  return lit;
}

std::array<unsigned char, 4> rgba(const Framebuffer& buffer, int x, int y) {
  const unsigned char* p = buffer.pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

TEST_F(GLDrawTest, TriangleCoversExactPixelsInEitherWinding) {
  // Corners on pixel centres: the top and left edges keep their centres, the
  // diagonal loses its own.
  const Pixels expected = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3},
                           {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}};
  for (const auto& corners : {std::array<double, 6>{1.5, 1.5, 5.5, 5.5, 1.5, 5.5},
                              std::array<double, 6>{1.5, 5.5, 5.5, 5.5, 1.5, 1.5}}) {
    Canvas canvas(8, 8);
    glViewport(0, 0, 8, 8);
    windowTriangle(corners, 8);
    EXPECT_EQ(litPixels(canvas.buffer), expected);
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
  glViewport(0, 0, kSize, kSize);
  auto drawAlone = [&](const double* a, const double* b, const double* c) {
    glClear(GL_COLOR_BUFFER_BIT);
    windowTriangle({a[0], a[1], b[0], b[1], c[0], c[1]}, kSize);
    for (const auto& [x, y] : litPixels(canvas.buffer)) ++count[y * kSize + x];
  };
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      const double* p00 = point[i][j];
      const double* p10 = point[i + 1][j];
      const double* p01 = point[i][j + 1];
      const double* p11 = point[i + 1][j + 1];
      if ((i + j) % 2 == 0) {
        drawAlone(p00, p10, p11);
        drawAlone(p00, p01, p11);  // clockwise
      } else {
        drawAlone(p10, p00, p01);  // clockwise
        drawAlone(p10, p11, p01);
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
    glViewport(0, 0, 8, 8);
    glBegin(GL_LINES);
    windowVertex(c.ends[0], c.ends[1], 8);
    windowVertex(c.ends[2], c.ends[3], 8);
    glEnd();
    EXPECT_EQ(litPixels(canvas.buffer), c.expected);
  }
}

TEST_F(GLDrawTest, DepthFunctionDecidesWhichFragmentStays) {
  Canvas canvas(4, 4);
  glViewport(0, 0, 4, 4);
  auto quad = [](float r, float g, float b, double z) {
    glColor4f(r, g, b, 1.0f);
    windowTriangle({0, 0, 4, 0, 4, 4}, 4, z);
    windowTriangle({0, 0, 4, 4, 0, 4}, 4, z);
  };
  auto color = [&] { return rgba(canvas.buffer, 1, 2); };
  using Color = std::array<unsigned char, 4>;
  glEnable(GL_DEPTH_TEST);
  glClear(GL_DEPTH_BUFFER_BIT);
  quad(0, 1, 0, -0.5);  // near, green
  quad(1, 0, 0, 0.5);   // far, red: hidden
  EXPECT_EQ(color(), (Color{0, 255, 0, 255}));
  EXPECT_EQ(canvas.buffer.depth(1, 2), 0.25f);
  quad(0, 0, 1, -0.5);  // as near, blue: GL_LESS keeps green
  EXPECT_EQ(color(), (Color{0, 255, 0, 255}));
  glDepthFunc(GL_LEQUAL);
  quad(0, 0, 1, -0.5);
  EXPECT_EQ(color(), (Color{0, 0, 255, 255}));
  glDepthFunc(GL_ALWAYS);
  glDepthRange(0.5, 2.0);  // far clamped to 1
  quad(1, 0, 0, 0.5);
  EXPECT_EQ(color(), (Color{255, 0, 0, 255}));
  EXPECT_EQ(canvas.buffer.depth(1, 2), 0.875f);
  glDisable(GL_DEPTH_TEST);  // drawn whatever the depth; depth left alone
  glDepthFunc(GL_LESS);
  quad(1, 1, 1, 0.9);
  EXPECT_EQ(color(), (Color{255, 255, 255, 255}));
  EXPECT_EQ(canvas.buffer.depth(1, 2), 0.875f);
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
  EXPECT_EQ(rgba(canvas.buffer, 3, 3), (std::array<unsigned char, 4>{255, 0, 0, 255}));
  EXPECT_EQ(rgba(canvas.buffer, 4, 2), (std::array<unsigned char, 4>{0, 128, 0, 255}));
  EXPECT_EQ(canvas.buffer.depth(5, 1), 1.0f);
  EXPECT_EQ(canvas.buffer.depth(5, 3), 0.25f);

  // A 3 x 3 block from (4, 2): rows bottom first, the part outside untouched.
  std::vector<unsigned char> block(3 * 3 * 4, 7);
  glReadPixels(4, 2, 3, 3, GL_RGBA, GL_UNSIGNED_BYTE, block.data());
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const unsigned char* p = &block[(row * 3 + column) * 4];
      const bool inside = row < 2 && column < 2;
      EXPECT_EQ(p[1], inside ? 128 : 7) << row << "," << column;
    }
  }
  glReadPixels(0, 0, 1, 1, GL_RGBA, kGLFloat, block.data());  // refused
  EXPECT_EQ(block[1], 128);
}

TEST_F(GLDrawTest, LightingShadesTrianglesByTheirEyeNormal) {
  Canvas canvas(8, 8);
  glViewport(0, 0, 8, 8);
  glEnable(GL_LIGHTING);
  const float c = std::cos(1.0471976f);  // 60 degrees about x
  const float s = std::sin(1.0471976f);
  const GLfloat tilt[16] = {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
  auto fullTriangle = [] { windowTriangle({-8, -8, 24, -8, 4, 24}, 8); };
  glLoadMatrixf(tilt);  // the modelview: |nz| = 0.5, factor 0.6
  fullTriangle();
  EXPECT_EQ(canvas.buffer.pixel(4, 4)[0], 153);
  EXPECT_EQ(canvas.buffer.pixel(4, 4)[3], 255);  // alpha unlit
  glBegin(GL_LINES);                             // lines are never lit
  windowVertex(0, 4.5, 8);
  windowVertex(8, 4.5, 8);
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
  glViewport(0, 0, 4, 4);
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  windowTriangle({0, 0, 4, 0, 0, 4}, 4);
  unsigned char pixel[4] = {9, 9, 9, 9};
  glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_EQ(pixel[0], 9);
  EXPECT_EQ(glstandin::boundFramebuffer(), nullptr);

  Canvas canvas(4, 4);  // bound only now: still as made
  EXPECT_TRUE(litPixels(canvas.buffer).empty());
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
  glViewport(0, 0, 4, std::numeric_limits<GLsizei>::max());
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[3], kGLMaxViewportSize);
}

TEST_F(GLDrawTest, NonFiniteVerticesDropTheirPrimitives) {
  Canvas canvas(8, 8);
  glViewport(0, 0, 8, 8);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  glBegin(GL_TRIANGLES);
  glVertex3f(-1, -1, 0);
  glVertex3f(nan, -1, 0);
  glVertex3f(-1, 1, 0);
  glEnd();
  EXPECT_TRUE(litPixels(canvas.buffer).empty());
  // In a strip only the segments that touch the bad vertex go.
  glBegin(GL_LINE_STRIP);
  windowVertex(0, 0.5, 8);
  windowVertex(4, 0.5, 8);
  glVertex3f(0, inf, 0);
  windowVertex(0, 6.5, 8);
  windowVertex(4, 6.5, 8);
  glEnd();
  EXPECT_EQ(litPixels(canvas.buffer),
            (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 6}, {1, 6}, {2, 6}, {3, 6}}));
  // Finite vertices that a matrix sends to infinity go too.
  const GLfloat stretch[16] = {inf, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glLoadMatrixf(stretch);
  glClear(GL_COLOR_BUFFER_BIT);
  windowTriangle({0, 0, 8, 0, 0, 8}, 8);
  EXPECT_TRUE(litPixels(canvas.buffer).empty());
}

TEST_F(GLDrawTest, ExtremeViewportsStayExact) {
  // The largest viewport, the buffer in its middle or far from it: whatever
  // the origin, positions and products stay in range (UBSan watches).
  constexpr int kMax = kGLMaxViewportSize;
  constexpr GLint kIntMax = std::numeric_limits<GLint>::max();
  constexpr GLint kIntMin = std::numeric_limits<GLint>::min();
  struct Case {
    GLint x, y;
    bool covers;
  };
  for (const Case& c : {Case{-kMax / 2, -kMax / 2, true}, Case{kIntMin, kIntMin, false},
                        Case{kIntMax, 0, false}, Case{-kMax + 3, kIntMin / 2, false}}) {
    Canvas canvas(4, 4);
    glViewport(c.x, c.y, kIntMax, kIntMax);
    const float square[6][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}};
    glBegin(GL_TRIANGLES);
    for (const auto& v : square) glVertex3f(v[0], v[1], 0);
    glEnd();
    glBegin(GL_LINE_STRIP);
    for (float x : {-1.0f, 1.0f, 0.3f, -0.9f}) glVertex3f(x, x * x - 0.5f, 0);
    glEnd();
    EXPECT_EQ(litPixels(canvas.buffer).size(), c.covers ? 16u : 0u) << c.x << ", " << c.y;
  }
}

}  // namespace
