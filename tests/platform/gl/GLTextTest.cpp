// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>

#include "platform/gl/GL.h"
#include "platform/gl/Text.h"
#include "support/AllocationCounter.h"
#include "support/TestFolder.h"

namespace {

using glstandin::Framebuffer;

const unsigned char kBlue[4] = {0, 0, 255, 255};
constexpr double kQuarterTurn = 1.5707963267948966;

// The modelview that makes object units window pixels of a width x height
// viewport at the buffer's origin, with the object origin at window (x, y)
// and object x turned by angle (radians) counterclockwise.
void loadPixelMatrix(int width, int height, double x, double y, double angle) {
  const double sx = 2.0 / width, sy = 2.0 / height, c = std::cos(angle), s = std::sin(angle);
  GLfloat m[16] = {};
  m[0] = GLfloat(sx * c), m[1] = GLfloat(sy * s), m[4] = GLfloat(-sx * s), m[5] = GLfloat(sy * c);
  m[10] = m[15] = 1, m[12] = GLfloat(sx * x - 1), m[13] = GLfloat(sy * y - 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(m);
}

// A blue buffer bound, the viewport over it, depth 0.5; red half-transparent text.
struct Canvas {
  Canvas(int width, int height) : buffer(width, height) {
    glstandin::resetState();
    glstandin::bindFramebuffer(&buffer);
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 1, 1);
    glClearDepth(0.5);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 0, 0, 0.5f);
  }
  ~Canvas() {
    glstandin::bindFramebuffer(nullptr);
    glstandin::resetState();
  }

  // The box of the pixels that are no longer blue, and how many there are.
  struct Ink {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    int count = 0, partial = 0, full = 0;
  };
  Ink ink() const {
    Ink ink;
    for (int y = 0; y < buffer.height(); ++y) {
      for (int x = 0; x < buffer.width(); ++x) {
        const unsigned char* p = buffer.pixel(x, y);
        if (std::memcmp(p, kBlue, 4) == 0) continue;
        ink = {std::min(ink.x0, x),     std::min(ink.y0, y), std::max(ink.x1, x + 1),
               std::max(ink.y1, y + 1), ink.count + 1,       ink.partial + (p[0] < 128),
               ink.full + (p[0] == 128)};
      }
    }
    return ink;
  }

  Framebuffer buffer;
};

const glstandin::Font* defaultFont() { return glstandin::findFont("defaultFont"); }

TEST(GLTextTest, DrawsBlendedAntialiasedGlyphsAlongTheBaseLine) {
  const auto* font = defaultFont();
  ASSERT_NE(font, nullptr);
  const float ascent = glstandin::fontAscent(font) * 20,
              descent = glstandin::fontDescent(font) * 20;
  const float advance = glstandin::textAdvance(font, "Plotting") * 20;
  EXPECT_GT(ascent, 10.0f);
  EXPECT_GT(descent, 2.0f);
  EXPECT_GT(advance, 50.0f);
  struct Box {
    float x0, y0, x1, y1;
  };
  for (const bool turned : {false, true}) {
    Canvas canvas(120, 120);
    loadPixelMatrix(120, 120, 30.3, 40.6, turned ? kQuarterTurn : 0.0);
    glstandin::drawText(font, 20, 0, 0, 0, "Plotting");
    // The em's lines through the text: along the base line from the origin,
    // across it from the descent to the ascent; turned, (u, v) is at (-v, u).
    const Box box = turned ? Box{30.3f - ascent, 40.6f, 30.3f + descent, 40.6f + advance}
                           : Box{30.3f, 40.6f - descent, 30.3f + advance, 40.6f + ascent};
    const Canvas::Ink ink = canvas.ink();
    EXPECT_GE(ink.x0, std::floor(box.x0) - 1) << turned;
    EXPECT_LE(ink.x1, std::ceil(box.x1) + 1) << turned;
    EXPECT_GE(ink.y0, std::floor(box.y0) - 1) << turned;
    EXPECT_LE(ink.y1, std::ceil(box.y1) + 1) << turned;
    // Most of it is reached; stems are fully covered, edges partly.
    EXPECT_GT(ink.x1 - ink.x0, (box.x1 - box.x0) * 0.7f) << turned;
    EXPECT_GT(ink.y1 - ink.y0, (box.y1 - box.y0) * 0.7f) << turned;
    EXPECT_GT(ink.full, 40) << turned;
    EXPECT_GT(ink.partial, 40) << turned;
  }
  // A covered pixel: half red over blue, alpha blended alike.
  Canvas canvas(40, 40);
  loadPixelMatrix(40, 40, 10, 10, 0);
  glstandin::drawText(font, 30, 0, 0, 0, "I");
  bool found = false;
  for (int x = 0; x < 40; ++x) {
    const unsigned char* p = canvas.buffer.pixel(x, 15);
    EXPECT_LE(std::abs(p[0] + p[2] - 255), 1) << x;  // red a + blue (1 - a)
    found = found || std::memcmp(p, "\x80\x00\x7f\xbf", 4) == 0;
  }
  EXPECT_TRUE(found);
}

// Draws a scene of texts into the bound buffer, whose pixel (0, 0) is the
// picture's pixel (originX, originY): straight text at a fractional origin,
// turned text, text seen in perspective, a glyph too large for the cache,
// partly hidden by a triangle through the depth test, and a scissor box.
void drawTextScene(int originX, int originY) {
  constexpr int kWidth = 90, kHeight = 70;
  glstandin::resetState();
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glViewport(-originX, -originY, kWidth, kHeight);
  glEnable(GL_SCISSOR_TEST);
  glScissor(3 - originX, 2 - originY, kWidth - 5, kHeight - 4);
  const auto* font = defaultFont();
  struct Text {
    double x, y, angle;
    float size;
    const char* utf8;
  };
  const Text texts[] = {{2.37, 50.61, 0.0, 13.0f, "Graduation 1.5e3"},
                        {20.5, 5.25, 0.7, 17.0f, "Rotated VA"},
                        {60.1, 60.2, -2.0, 9.5f, "upside, déjà"},
                        {-192.0, -60.0, 0.2, 300.0f, "W"}};
  for (const Text& text : texts) {
    glColor4f(0.2f, 0.1f, 0.6f, 0.8f);
    loadPixelMatrix(kWidth, kHeight, text.x, text.y, text.angle);
    glstandin::drawText(font, text.size, 0, 0, 0, text.utf8);
  }
  // A triangle over the right part at depth 0.25, then text behind it.
  glEnable(GL_DEPTH_TEST);
  glColor4f(1, 1, 0.9f, 1);
  const GLfloat identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(identity);
  glBegin(GL_TRIANGLES);
  glVertex3f(0.2f, -1, -0.5f);
  glVertex3f(1, -1, -0.5f);
  glVertex3f(1, 1, -0.5f);
  glEnd();
  glColor4f(0, 0.5f, 0, 1);
  loadPixelMatrix(kWidth, kHeight, 30.8, 30.4, 0.1);
  glstandin::drawText(font, 15, 0, 0, 0.1f, "behind and before");
  // In perspective, leaning back.
  const GLfloat projection[16] = {1.2f, 0, 0,          0,  0, 1.6f, 0,          0,
                                  0,    0, -11 / 9.0f, -1, 0, 0,    -20 / 9.0f, 0};
  const float c = std::cos(1.0f), s = std::sin(1.0f);
  const GLfloat modelview[16] = {1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, -0.9f, -0.6f, -3, 1};
  glMatrixMode(GL_PROJECTION);
  glLoadMatrixf(projection);
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(modelview);
  glColor4f(0.7f, 0.3f, 0, 0.9f);
  glstandin::drawText(font, 0.8f, 0, 0, 0, "far away");
}

TEST(GLTextTest, TilesStitchToTheWholePictureBitForBit) {
  Framebuffer whole(90, 70);
  glstandin::bindFramebuffer(&whole);
  drawTextScene(0, 0);
  int inked = 0;
  for (int y = 0; y < whole.height(); ++y)
    for (int x = 0; x < whole.width(); ++x) inked += whole.pixel(x, y)[1] != 255;
  EXPECT_GT(inked, 1500);
  for (const auto& [columns, rows] : {std::pair{2, 2}, std::pair{3, 2}, std::pair{7, 5}}) {
    int differing = 0;
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < columns; ++column) {
        const int x0 = column * 90 / columns, x1 = (column + 1) * 90 / columns;
        const int y0 = row * 70 / rows, y1 = (row + 1) * 70 / rows;
        Framebuffer tile(x1 - x0, y1 - y0);
        glstandin::bindFramebuffer(&tile);
        drawTextScene(x0, y0);
        for (int y = y0; y < y1; ++y)
          for (int x = x0; x < x1; ++x)
            differing += std::memcmp(tile.pixel(x - x0, y - y0), whole.pixel(x, y), 4) != 0;
      }
    }
    EXPECT_EQ(differing, 0) << columns << " x " << rows;
  }
  glstandin::bindFramebuffer(nullptr);
  glstandin::resetState();
}

TEST(GLTextTest, FontNamesResolveThroughFontconfigOrFallBack) {
  const auto* fallback = defaultFont();
  ASSERT_NE(fallback, nullptr);
  for (const char* name : {"", "DejaVu Sans", "dejavu SANS", "No Such Family 7", "Sans",
                           "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/no/such/file"}) {
    EXPECT_EQ(glstandin::findFont(name), fallback) << name;
  }
  const auto* serif = glstandin::findFont("DejaVu Serif");
  EXPECT_NE(serif, fallback);
  EXPECT_EQ(glstandin::findFont("DEJAVU serif"), serif);
}

std::atomic<int> warnings{0};
std::string lastWarning;

TEST(GLTextTest, FileThatIsNoFontWarnsOnceAndDrawsInTheDefaultFace) {
  const TestFolder folder("gl");
  const std::string path = (folder.path() / "not-a-font.ttf").string();
  std::ofstream(path) << "plain text, no font";
  glstandin::setFontWarningHandler([](const char* message) {
    ++warnings;
    lastWarning = message;
  });
  EXPECT_EQ(glstandin::findFont(path), defaultFont());
  EXPECT_EQ(glstandin::findFont(path), defaultFont());
  glstandin::setFontWarningHandler(nullptr);
  std::remove(path.c_str());
  EXPECT_EQ(warnings, 1);
  EXPECT_NE(lastWarning.find(path), std::string::npos) << lastWarning;
  Canvas canvas(60, 30);
  loadPixelMatrix(60, 30, 2, 8, 0);
  glstandin::drawText(glstandin::findFont(path), 16, 0, 0, 0, "Text");
  EXPECT_GT(canvas.ink().count, 50);
}

TEST(GLTextTest, InvalidUtf8MeasuresAndDrawsAsReplacementCharacters) {
  const auto* font = defaultFont();
  const struct {
    const char* bytes;
    const char* same;
  } cases[] = {
      {"\xff", "\uFFFD"},
      {"a\xE2\x82z", "a\uFFFDz"},                        // a cut sequence is one
      {"\xE2\x82", "\uFFFD"},                            // also at the end
      {"\xF0\x80\x80", "\uFFFD\uFFFD\uFFFD"},            // overlong: each byte
      {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},            // surrogate
      {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xC0\xAFx\xC3\xA9", "\uFFFD\uFFFDx\xC3\xA9"},    // then valid
  };
  for (const auto& c : cases) {
    EXPECT_EQ(glstandin::textAdvance(font, c.bytes), glstandin::textAdvance(font, c.same))
        << c.same;
  }
  EXPECT_GT(glstandin::textAdvance(font, "\xff"), 0.3f);
  // Kerning pulls A and V together.
  EXPECT_LT(glstandin::textAdvance(font, "AV"),
            glstandin::textAdvance(font, "A") + glstandin::textAdvance(font, "V") - 0.03f);
  Canvas canvas(40, 30);
  loadPixelMatrix(40, 30, 2, 8, 0);
  glstandin::drawText(font, 16, 0, 0, 0, "\xff\xfe");
  EXPECT_GT(canvas.ink().count, 50);
}

TEST(GLTextTest, CachedGlyphsDrawAgainWithoutRasterizingOrAllocating) {
  Canvas canvas(100, 30);
  loadPixelMatrix(100, 30, 3.3, 9.7, 0.05);
  const auto* font = defaultFont();
  glstandin::drawText(font, 14, 0, 0, 0, "Cached 0123");
  const auto first = glstandin::glyphCacheStats();
  EXPECT_GT(first.cached, 0);
  EXPECT_EQ(allocationsOf([&] { glstandin::drawText(font, 14, 0, 0, 0, "Cached 0123"); }), 0);
  const auto second = glstandin::glyphCacheStats();
  EXPECT_EQ(second.rasterized, first.rasterized);
  EXPECT_EQ(second.cached, first.cached);
}

TEST(GLTextTest, MegabyteLineDrawsWhatFits) {
  const std::string line(1 << 20, 'W');
  for (const double angle : {0.0, 3.0, -1.6}) {
    Canvas canvas(64, 64);
    loadPixelMatrix(64, 64, 32, 32, angle);
    glstandin::drawText(defaultFont(), 12, 0, 0, 0, line);
    EXPECT_GT(canvas.ink().count, 100) << angle;
  }
}

TEST(GLTextTest, DepthTestScissorAndTheViewVolumeLimitTheText) {
  const auto* font = defaultFont();
  enum Drawn { kNone, kAll, kLeft };
  const struct {
    const char* what;
    float z;  // window depth (z + 1) / 2; the buffer holds 0.5
    bool depthTest, scissor;
    const glstandin::Font* font;
    float size;
    Drawn drawn;
  } cases[] = {
      {"in front", -0.5f, true, false, font, 20, kAll},
      {"behind", 0.5f, true, false, font, 20, kNone},
      {"behind, no test", 0.5f, false, false, font, 20, kAll},
      {"scissored", -0.5f, false, true, font, 20, kLeft},
      {"beyond far", 1.5f, false, false, font, 20, kNone},
      {"before near", -1.01f, false, false, font, 20, kNone},
      {"no font", 0, false, false, nullptr, 20, kNone},
      {"size 0", 0, false, false, font, 0, kNone},
      {"size NaN", 0, false, false, font, NAN, kNone},
  };
  Canvas::Ink all;
  for (const auto& c : cases) {
    Canvas canvas(60, 30);
    (c.depthTest ? glEnable : glDisable)(GL_DEPTH_TEST);
    (c.scissor ? glEnable : glDisable)(GL_SCISSOR_TEST);
    glScissor(0, 0, 20, 30);
    loadPixelMatrix(60, 30, 3, 8, 0);
    glstandin::drawText(c.font, c.size, 0, 0, c.z, "Hello");
    const Canvas::Ink ink = canvas.ink();
    if (c.drawn == kAll && all.count == 0) all = ink;
    EXPECT_GT(all.count, 100);
    EXPECT_EQ(ink.count, c.drawn == kAll ? all.count : ink.count) << c.what;
    EXPECT_EQ(ink.count > 0, c.drawn != kNone) << c.what;
    if (c.drawn == kLeft) {
      EXPECT_EQ(ink.x1, 20) << c.what;
    }
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(canvas.buffer.depth(x, y), 0.5f) << c.what;
  }
}

}  // namespace
