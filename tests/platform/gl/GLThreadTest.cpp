// SPDX-License-Identifier: Apache-2.0
// What the GL stand-in promises threads: its state and framebuffer binding
// belong to the calling thread, and texts may be drawn into separate
// framebuffers at once, sharing fonts and glyphs under one lock. CI runs
// these tests under ThreadSanitizer too, where an unguarded access fails them.

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/gl/GL.h"
#include "platform/gl/Text.h"

namespace {

using glstandin::Framebuffer;

std::array<GLint, 4> scissorBox() {
  std::array<GLint, 4> box{-1, -1, -1, -1};
  glGetIntegerv(GL_SCISSOR_BOX, box.data());
  return box;
}

TEST(GLThreadTest, StateBelongsToTheCallingThread) {
  glstandin::resetState();
  glEnable(GL_SCISSOR_TEST);
  glScissor(1, 2, 3, 4);
  bool otherSawDefaults = false;
  std::thread other([&] {
    otherSawDefaults = glIsEnabled(GL_SCISSOR_TEST) == GL_FALSE &&
                       scissorBox() == std::array<GLint, 4>{0, 0, 0, 0};
    glDisable(GL_SCISSOR_TEST);
    glScissor(9, 9, 9, 9);
  });
  other.join();
  EXPECT_TRUE(otherSawDefaults);
  EXPECT_EQ(glIsEnabled(GL_SCISSOR_TEST), GL_TRUE);
  EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{1, 2, 3, 4}));
  glstandin::resetState();
}

constexpr int kWidth = 160, kHeight = 48;

// Picture number index: a clear, a triangle and a line of text of a size no
// other test draws, so that its glyphs are rasterized here; all of it in
// colours of its own.
void drawPicture(int index, Framebuffer& buffer) {
  glstandin::resetState();
  glstandin::bindFramebuffer(&buffer);
  glViewport(0, 0, kWidth, kHeight);
  glClearColor(0.1f * static_cast<float>(index), 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // Object units are pixels, the origin at the lower left.
  const GLfloat pixels[16] = {
      2.0f / kWidth, 0, 0, 0, 0, 2.0f / kHeight, 0, 0, 0, 0, 1, 0, -1, -1, 0, 1};
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixf(pixels);
  glColor4f(1, 0.2f * static_cast<float>(index), 0, 1);
  glBegin(GL_TRIANGLES);
  glVertex3f(2, 2, 0);
  glVertex3f(30.0f + 7.0f * static_cast<float>(index), 4, 0);
  glVertex3f(12, 40, 0);
  glEnd();
  glColor4f(0, 1, 0.3f, 0.8f);
  const std::string text = "Thread " + std::to_string(index) + " gqWA%";
  glstandin::drawText(glstandin::findFont(index % 2 ? "DejaVu Serif" : "defaultFont"),
                      23.37f + 1.61f * static_cast<float>(index), 3.25f, 11.5f, 0, text);
  glstandin::bindFramebuffer(nullptr);
}

bool samePixels(const Framebuffer& a, const Framebuffer& b) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (std::memcmp(a.pixel(x, y), b.pixel(x, y), 4) != 0) return false;
  return true;
}

TEST(GLThreadTest, ThreadsDrawTextIntoTheirOwnFramebuffersAtOnce) {
  constexpr int kThreads = 4;
  std::vector<std::unique_ptr<Framebuffer>> drawn;
  for (int i = 0; i < kThreads; ++i)
    drawn.push_back(std::make_unique<Framebuffer>(kWidth, kHeight));
  const long rasterizedBefore = glstandin::glyphCacheStats().rasterized;
  std::latch start(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i)
    threads.emplace_back([&, i] {
      start.arrive_and_wait();
      drawPicture(i, *drawn[static_cast<std::size_t>(i)]);
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_GT(glstandin::glyphCacheStats().rasterized, rasterizedBefore)
      << "the threads found their glyphs cached: nothing was rasterized at once";

  // Each picture is the one this thread draws alone.
  for (int i = 0; i < kThreads; ++i) {
    Framebuffer alone(kWidth, kHeight);
    drawPicture(i, alone);
    EXPECT_TRUE(samePixels(*drawn[static_cast<std::size_t>(i)], alone)) << "picture " << i;
  }
  glstandin::resetState();
}

}  // namespace
