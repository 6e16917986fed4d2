#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "platform/gl/GL.h"

namespace {

constexpr int kWidth = 61;
constexpr int kHeight = 47;

// A picture: colour and depth, row by row from the bottom.
struct Picture {
  std::vector<unsigned char> color = std::vector<unsigned char>(kWidth * kHeight * 4);
  std::vector<float> depth = std::vector<float>(kWidth * kHeight);
};

// Deterministic numbers in [low, high).
struct Random {
  float next(float low, float high) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + (high - low) * static_cast<float>(state >> 40) / static_cast<float>(1 << 24);
  }
  std::uint64_t state = 12345;
};

// Draws the scene into the bound buffer, whose pixel (0, 0) is the picture's
// pixel (originX, originY): a perspective view through a viewport partly off
// the picture, a scissor box, triangles (lit and unlit) and lines reaching
// past the viewport and through the near and far planes.
void drawScene(int originX, int originY) {
  glstandin::resetState();
  glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
  glClearDepth(1.0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glViewport(-6 - originX, 4 - originY, 70, 50);
  glEnable(GL_SCISSOR_TEST);
  glScissor(2 - originX, 1 - originY, 56, 44);
  glEnable(GL_DEPTH_TEST);
  glDepthRange(0.1, 0.9);

  const float nearPlane = 1.0f, farPlane = 10.0f, focal = 1.6f, aspect = 70.0f / 50.0f;
  const GLfloat projection[16] = {focal / aspect,
                                  0,
                                  0,
                                  0,
                                  0,
                                  focal,
                                  0,
                                  0,
                                  0,
                                  0,
                                  (farPlane + nearPlane) / (nearPlane - farPlane),
                                  -1,
                                  0,
                                  0,
                                  2 * farPlane * nearPlane / (nearPlane - farPlane),
                                  0};
  const float a = 0.4f, b = 0.25f;  // turns about y, then x
  const GLfloat modelview[16] = {std::cos(a),
                                 std::sin(b) * std::sin(a),
                                 -std::cos(b) * std::sin(a),
                                 0,
                                 0,
                                 std::cos(b),
                                 std::sin(b),
                                 0,
                                 std::sin(a),
                                 -std::sin(b) * std::cos(a),
                                 std::cos(b) * std::cos(a),
                                 0,
                                 0.3f,
                                 -0.2f,
                                 -5.0f,
                                 1};
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(projection);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(modelview);

  Random random;
  auto vertex = [&random](float spread = 0.0f) {
    const float x = random.next(-5, 5), y = random.next(-4, 4), z = random.next(-7, 6);
    if (spread == 0.0f) return glVertex3f(x, y, z);
    for (int k = 0; k < 3; ++k) {
      glVertex3f(x + random.next(-spread, spread), y + random.next(-spread, spread),
                 z + random.next(-spread, spread));
    }
  };
  auto color = [&random] {
    glColor4f(random.next(0, 1), random.next(0, 1), random.next(0, 1), 1.0f);
  };
  // Large triangles, then small ones (three vertices around a point).
  for (int i = 0; i < 60; ++i) {
    if (i % 3 == 0) glEnable(GL_LIGHTING);
    if (i % 3 == 1) glDisable(GL_LIGHTING);
    color();
    glBegin(GL_TRIANGLES);
    if (i < 12) {
      for (int k = 0; k < 3; ++k) vertex();
    } else {
      vertex(1.5f);
    }
    glEnd();
  }
  glBegin(GL_LINES);
  for (int i = 0; i < 30; ++i) {
    color();
    vertex();
    vertex();
  }
  glEnd();
  glDepthFunc(GL_LEQUAL);
  glBegin(GL_LINE_STRIP);
  for (int i = 0; i < 20; ++i) {
    color();
    vertex();
  }
  glEnd();
}

// Draws the picture in columns x rows tiles cut at floor(i * size / count).
Picture drawTiled(int columns, int rows) {
  Picture picture;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const int x0 = column * kWidth / columns, x1 = (column + 1) * kWidth / columns;
      const int y0 = row * kHeight / rows, y1 = (row + 1) * kHeight / rows;
      glstandin::Framebuffer tile(x1 - x0, y1 - y0);
      glstandin::bindFramebuffer(&tile);
      drawScene(x0, y0);
      glstandin::bindFramebuffer(nullptr);
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
          std::memcpy(&picture.color[(y * kWidth + x) * 4], tile.pixel(x - x0, y - y0), 4);
          picture.depth[y * kWidth + x] = tile.depth(x - x0, y - y0);
        }
      }
    }
  }
  return picture;
}

TEST(GLTilingTest, TilesStitchToTheWholePictureBitForBit) {
  glstandin::Framebuffer whole(kWidth, kHeight);
  glstandin::bindFramebuffer(&whole);
  drawScene(0, 0);
  Picture expected;
  glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, expected.color.data());
  glstandin::bindFramebuffer(nullptr);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) expected.depth[y * kWidth + x] = whole.depth(x, y);
  // The scene is no blank: many colours and depths made it.
  const std::set<float> depths(expected.depth.begin(), expected.depth.end());
  EXPECT_GT(depths.size(), 200u);

  const int splits[][2] = {{1, 1}, {2, 2}, {3, 2}, {7, 5}};
  for (const auto& split : splits) {
    const Picture tiled = drawTiled(split[0], split[1]);
    EXPECT_EQ(tiled.color, expected.color) << split[0] << " x " << split[1];
    EXPECT_EQ(std::memcmp(tiled.depth.data(), expected.depth.data(),
                          expected.depth.size() * sizeof(float)),
              0)
        << split[0] << " x " << split[1];
  }
  glstandin::resetState();
}

}  // namespace
