// SPDX-License-Identifier: Apache-2.0
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

// Draws the scene into the bound buffer, whose pixel (0, 0) is the picture's
// pixel (originX, originY): a perspective view through a viewport partly off
// the picture, a scissor box, large and small triangles (lit and unlit) and
// lines, reaching past the viewport and through the near and far planes.
void drawScene(int originX, int originY) {
  glstandin::resetState();
  glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glViewport(-6 - originX, 4 - originY, 70, 50);
  glEnable(GL_SCISSOR_TEST);
  glScissor(2 - originX, 1 - originY, 56, 44);
  glEnable(GL_DEPTH_TEST);
  glDepthRange(0.1, 0.9);
  // Near 1, far 10; then turned about y and x, and moved away.
  const GLfloat projection[16] = {1.6f / 1.4f, 0, 0,          0,  0, 1.6f, 0,          0,
                                  0,           0, -11 / 9.0f, -1, 0, 0,    -20 / 9.0f, 0};
  const float ca = std::cos(0.4f), sa = std::sin(0.4f), cb = std::cos(0.25f), sb = std::sin(0.25f);
  const GLfloat modelview[16] = {ca, sb * sa,  -cb * sa, 0, 0,    cb,    sb, 0,
                                 sa, -sb * ca, cb * ca,  0, 0.3f, -0.2f, -5, 1};
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(projection);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(modelview);

  std::uint64_t state = 12345;
  auto random = [&state](float low, float high) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + (high - low) * static_cast<float>(state >> 40) / static_cast<float>(1 << 24);
  };
  // A point of the scene, or three within spread of one.
  auto vertices = [&](int count, float spread) {
    const float x = random(-5, 5), y = random(-4, 4), z = random(-7, 6);
    for (int k = 0; k < count; ++k) {
      glVertex3f(x + random(-spread, spread), y + random(-spread, spread),
                 z + random(-spread, spread));
    }
  };
  auto color = [&] { glColor4f(random(0, 1), random(0, 1), random(0, 1), 1.0f); };
  for (int i = 0; i < 60; ++i) {
    (i % 2 ? glEnable : glDisable)(GL_LIGHTING);
    color();
    glBegin(GL_TRIANGLES);
    if (i < 12) {
      for (int k = 0; k < 3; ++k) vertices(1, 0.0f);
    } else {
      vertices(3, 1.5f);
    }
    glEnd();
  }
  glBegin(GL_LINES);
  for (int i = 0; i < 60; ++i) {
    color();
    vertices(1, 0.0f);
  }
  glEnd();
  glDepthFunc(GL_LEQUAL);
  glBegin(GL_LINE_STRIP);
  for (int i = 0; i < 20; ++i) {
    color();
    vertices(1, 0.0f);
  }
  glEnd();
}

// The picture drawn in columns x rows tiles cut at floor(i * size / count):
// colour (4 bytes) and depth (4 bytes of a float) a pixel, bottom row first.
std::vector<unsigned char> drawTiled(int columns, int rows) {
  std::vector<unsigned char> picture(kWidth * kHeight * 8);
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const int x0 = column * kWidth / columns, x1 = (column + 1) * kWidth / columns;
      const int y0 = row * kHeight / rows, y1 = (row + 1) * kHeight / rows;
      glstandin::Framebuffer tile(x1 - x0, y1 - y0);
      glstandin::bindFramebuffer(&tile);
      drawScene(x0, y0);
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
          unsigned char* out = &picture[(y * kWidth + x) * 8];
          std::memcpy(out, tile.pixel(x - x0, y - y0), 4);
          const float depth = tile.depth(x - x0, y - y0);
          std::memcpy(out + 4, &depth, 4);
        }
      }
    }
  }
  glstandin::bindFramebuffer(nullptr);
  glstandin::resetState();
  return picture;
}

TEST(GLTilingTest, TilesStitchToTheWholePictureBitForBit) {
  const std::vector<unsigned char> whole = drawTiled(1, 1);
  // No blank: many colours and depths made it.
  std::set<float> depths;
  for (std::size_t i = 4; i < whole.size(); i += 8) {
    float depth;
    std::memcpy(&depth, &whole[i], 4);
    depths.insert(depth);
  }
  EXPECT_GT(depths.size(), 200u);
  for (const auto& [columns, rows] : {std::pair{2, 2}, std::pair{3, 2}, std::pair{7, 5}}) {
    EXPECT_TRUE(drawTiled(columns, rows) == whole) << columns << " x " << rows;
  }
}

}  // namespace
