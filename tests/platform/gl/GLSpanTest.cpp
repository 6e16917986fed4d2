// SPDX-License-Identifier: Apache-2.0
// Triangles are filled a row span at a time and clears a run at a time: the
// pixels must be those of the rules, centre by centre.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gl/GL.h"

namespace {

constexpr int kSize = 64;  // a power of two: window positions pass float exactly

// Window positions in 1/256 pixel.
using Corners = std::array<std::int64_t, 6>;

// The rule, centre by centre: a centre strictly inside every edge, or on an
// edge that is a top or a left one.
std::vector<int> expectedCoverage(Corners c) {
  const auto value = [](std::int64_t px, std::int64_t py, std::int64_t qx, std::int64_t qy,
                        std::int64_t x,
                        std::int64_t y) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
  if (value(c[0], c[1], c[2], c[3], c[4], c[5]) < 0) {
    std::swap(c[2], c[4]);
    std::swap(c[3], c[5]);
  }
  std::vector<int> lit(kSize * kSize, 0);
  if (value(c[0], c[1], c[2], c[3], c[4], c[5]) == 0) return lit;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      bool inside = true;
      for (int e = 0; e < 3; ++e) {
        const std::int64_t px = c[2 * e], py = c[2 * e + 1];
        const std::int64_t qx = c[(2 * e + 2) % 6], qy = c[(2 * e + 3) % 6];
        const std::int64_t v = value(px, py, qx, qy, x * 256 + 128, y * 256 + 128);
        const bool topLeft = (qy == py && qx < px) || qy < py;
        inside = inside && (v > 0 || (v == 0 && topLeft));
      }
      lit[y * kSize + x] = inside ? 1 : 0;
    }
  }
  return lit;
}

std::vector<int> drawnCoverage(const Corners& c) {
  glstandin::Framebuffer buffer(kSize, kSize);
  glstandin::bindFramebuffer(&buffer);
  glstandin::resetState();
  glViewport(0, 0, kSize, kSize);
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 6; i += 2) {
    glVertex3f(static_cast<GLfloat>(c[i] / 256.0 * 2 / kSize - 1),
               static_cast<GLfloat>(c[i + 1] / 256.0 * 2 / kSize - 1), 0.0f);
  }
  glEnd();
  glstandin::bindFramebuffer(nullptr);
  std::vector<int> lit(kSize * kSize, 0);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) lit[y * kSize + x] = buffer.pixel(x, y)[0] != 0 ? 1 : 0;
  return lit;
}

TEST(GLSpanTest, TrianglesFillTheCentresTheRuleGivesThem) {
  std::vector<Corners> cases = {
      {128, 128, 60 * 256 + 128, 128, 128, 60 * 256 + 128},        // corners on centres
      {0, 0, 64 * 256, 0, 64 * 256, 64 * 256},                     // the diagonal of the buffer
      {10 * 256, 5 * 256, 10 * 256, 50 * 256, 11 * 256, 5 * 256},  // a sliver one pixel wide
      {-3000, 2000, 20000, 2100, 9000, 20000},                     // crossing the left side
      {3 * 256 + 128, 40 * 256, 50 * 256, 40 * 256 + 128, 30 * 256, 41 * 256},  // a thin wedge
      {5 * 256, 5 * 256, 5 * 256, 5 * 256, 9 * 256, 9 * 256},                   // degenerate
  };
  // And triangles at odd sub-pixel positions (inside the viewport: clipping
  // would move their corners).
  std::uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<std::int64_t>(seed >> 8) % (kSize * 256 + 1);
  };
  for (int i = 0; i < 60; ++i) cases.push_back({next(), next(), next(), next(), next(), next()});
  for (const Corners& c : cases) {
    SCOPED_TRACE(::testing::Message() << c[0] << " " << c[1] << " " << c[2] << " " << c[3] << " "
                                      << c[4] << " " << c[5]);
    EXPECT_EQ(drawnCoverage(c), expectedCoverage(c));
  }
}

TEST(GLSpanTest, ClearsFillWholeRowsAndPartsOfRowsAlike) {
  struct Case {
    int box[4];  // scissor x, y, width, height
  } cases[] = {{{0, 2, 8, 3}}, {{-5, 1, 20, 2}}, {{2, 0, 3, 6}}, {{0, 0, 8, 6}}};
  for (const Case& c : cases) {
    glstandin::Framebuffer buffer(8, 6);
    glstandin::bindFramebuffer(&buffer);
    glstandin::resetState();
    glEnable(GL_SCISSOR_TEST);
    glScissor(c.box[0], c.box[1], c.box[2], c.box[3]);
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClearDepth(0.25);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glstandin::bindFramebuffer(nullptr);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool in =
            x >= c.box[0] && x < c.box[0] + c.box[2] && y >= c.box[1] && y < c.box[1] + c.box[3];
        EXPECT_EQ(buffer.pixel(x, y)[1], in ? 102 : 0) << x << "," << y;
        EXPECT_EQ(buffer.pixel(x, y)[3], in ? 255 : 0) << x << "," << y;
        EXPECT_EQ(buffer.depth(x, y), in ? 0.25f : 1.0f) << x << "," << y;
      }
    }
  }
  glstandin::resetState();
}

// A triangle at one depth stores that depth at every pixel, and one whose
// depth varies stores the interpolated depth: the front one wins each pixel.
TEST(GLSpanTest, FlatAndSlopedDepthsMeetWhereTheyCross) {
  glstandin::Framebuffer buffer(kSize, kSize);
  glstandin::bindFramebuffer(&buffer);
  glstandin::resetState();
  glViewport(0, 0, kSize, kSize);
  glEnable(GL_DEPTH_TEST);
  const auto square = [](float left, float right, float red) {
    glColor4f(red, 0.0f, 0.0f, 1.0f);
    const float corners[6][3] = {{-1, -1, left}, {1, -1, right}, {1, 1, right},
                                 {-1, -1, left}, {1, 1, right},  {-1, 1, left}};
    glBegin(GL_TRIANGLES);
    for (const auto& p : corners) glVertex3f(p[0], p[1], p[2]);
    glEnd();
  };
  square(0.1f, 0.1f, 1.0f);   // flat, window depth 0.55
  square(-0.5f, 0.7f, 0.0f);  // sloped: in front on the left, behind on the right
  glstandin::bindFramebuffer(nullptr);
  for (int x = 0; x < kSize; ++x) {
    const double ndc = -0.5 + 1.2 * (x + 0.5) / kSize;
    const bool slopedInFront = ndc < 0.1 - 1e-6;
    if (!slopedInFront && ndc < 0.1 + 1e-6) continue;  // where they meet
    EXPECT_EQ(buffer.pixel(x, 7)[0], slopedInFront ? 0 : 255) << x;
    if (!slopedInFront) {
      EXPECT_EQ(buffer.depth(x, 7), static_cast<float>(0.5 * (0.1f + 1.0)));
    }
  }
  glstandin::resetState();
}

// A clear of the whole buffer is kept as a note, each row written as it is
// drawn or read: random clears, triangles and lines drawn into one buffer
// and into another read whole after each step must leave the same pixels.
TEST(GLSpanTest, ClearedRowsReadAsIfClearedAtOnce) {
  constexpr int kWidth = 12, kHeight = 4;
  std::uint32_t seed = 2024;
  const auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  const auto coordinate = [&next] { return static_cast<float>(next(17) - 8) / 8.0f; };
  for (int round = 0; round < 300; ++round) {
    struct Step {
      int kind, mask, flags, box[4];
      float v[9];
    };
    std::vector<Step> steps(12);
    for (Step& step : steps) {
      // Mostly flat and depth-tested, so that rows note spans over spans.
      step = {next(6),
              next(4) ? 3 : 1 + next(2),
              next(8) ? 3 : next(3),
              {next(kWidth), next(kHeight), next(8), next(3)},
              {}};
      step.kind = step.kind > 3 ? 2 : step.kind;
      for (float& v : step.v) v = coordinate();
      if (step.flags & 2) step.v[4] = step.v[1];  // a line along a row, or a flat triangle
      if (step.flags & 2) step.v[8] = step.v[5] = step.v[2];
    }
    glstandin::Framebuffer lazy(kWidth, kHeight), eager(kWidth, kHeight);
    for (glstandin::Framebuffer* buffer : {&lazy, &eager}) {
      glstandin::bindFramebuffer(buffer);
      glstandin::resetState();
      glViewport(0, 0, kWidth, kHeight);
      glDepthFunc(round % 3 == 0 ? GL_LESS : round % 3 == 1 ? GL_LEQUAL : GL_ALWAYS);
      for (const Step& s : steps) {
        (s.flags & 1) ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
        glColor4f(s.v[0] * 0.5f + 0.5f, s.v[3] * 0.5f + 0.5f, 0.5f, 1.0f);
        if (s.kind <= 1) {  // a clear, of the whole buffer or of a box
          s.kind == 1 ? glEnable(GL_SCISSOR_TEST) : glDisable(GL_SCISSOR_TEST);
          glScissor(s.box[0], s.box[1], s.box[2], s.box[3]);
          glClearColor(s.v[6] * 0.5f + 0.5f, 0.25f, s.v[7] * 0.5f + 0.5f, 1.0f);
          glClearDepth(s.v[8] * 0.5 + 0.5);
          glClear((s.mask & 1 ? GL_COLOR_BUFFER_BIT : 0) | (s.mask & 2 ? GL_DEPTH_BUFFER_BIT : 0));
          glDisable(GL_SCISSOR_TEST);
        } else {
          glBegin(s.kind == 2 ? GL_TRIANGLES : GL_LINES);
          for (int i = 0; i < (s.kind == 2 ? 9 : 6); i += 3)
            glVertex3f(s.v[i], s.v[i + 1], s.v[i + 2]);
          glEnd();
        }
        if (buffer != &eager) continue;
        for (int y = 0; y < kHeight; ++y) {
          eager.pixel(0, y);
          for (int x = 0; x < kWidth; ++x) eager.depth(x, y);
        }
      }
    }
    glstandin::bindFramebuffer(nullptr);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        ASSERT_EQ(std::memcmp(lazy.pixel(x, y), eager.pixel(x, y), 4), 0)
            << round << ": " << x << "," << y;
        ASSERT_EQ(lazy.depth(x, y), eager.depth(x, y)) << round << ": " << x << "," << y;
      }
    }
  }
  glstandin::resetState();
}

}  // namespace
