// SPDX-License-Identifier: Apache-2.0
#include "platform/gl/GL.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::array<GLint, 4> scissorBox() {
  std::array<GLint, 4> box{-1, -1, -1, -1};
  glGetIntegerv(GL_SCISSOR_BOX, box.data());
  return box;
}

class GLTest : public ::testing::Test {
 protected:
  void SetUp() override { glstandin::resetState(); }
  void TearDown() override { glstandin::resetState(); }
};

TEST_F(GLTest, ScissorStateIsRecorded) {
  EXPECT_EQ(glIsEnabled(GL_SCISSOR_TEST), GL_FALSE);
  EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{0, 0, 0, 0}));
  glEnable(GL_SCISSOR_TEST);
  glScissor(-5, 10, 320, 240);
  EXPECT_EQ(glIsEnabled(GL_SCISSOR_TEST), GL_TRUE);
  EXPECT_TRUE(glstandin::currentState().scissorEnabled);
  EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{-5, 10, 320, 240}));
  GLint enabled = -1;
  glGetIntegerv(GL_SCISSOR_TEST, &enabled);
  EXPECT_EQ(enabled, 1);

  glScissor(1, 2, -3, 4);  // rejected
  EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{-5, 10, 320, 240}));
  glDisable(GL_SCISSOR_TEST);
  EXPECT_EQ(glIsEnabled(GL_SCISSOR_TEST), GL_FALSE);

  glEnable(GL_SCISSOR_TEST);
  glstandin::resetState();
  EXPECT_FALSE(glstandin::currentState().scissorEnabled);
  EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{0, 0, 0, 0}));
}

TEST_F(GLTest, OtherCapabilitiesAreRemembered) {
  constexpr GLenum kDepthTest = 2929;
  glEnable(kDepthTest);
  EXPECT_EQ(glIsEnabled(kDepthTest), GL_TRUE);
  EXPECT_EQ(glIsEnabled(GL_SCISSOR_TEST), GL_FALSE);
  glDisable(kDepthTest);
  EXPECT_EQ(glIsEnabled(kDepthTest), GL_FALSE);
  // Past the table's capacity calls are ignored, not written out of bounds.
  for (GLenum cap = 5000; cap < 5000 + 2 * GLRenderState::kOtherCapabilities; ++cap) glEnable(cap);
  EXPECT_EQ(glIsEnabled(5000), GL_TRUE);
  EXPECT_EQ(glIsEnabled(5000 + 2 * GLRenderState::kOtherCapabilities - 1), GL_FALSE);

  GLint untouched = 42;
  glGetIntegerv(12345, &untouched);
  EXPECT_EQ(untouched, 42);
  glGetIntegerv(GL_SCISSOR_BOX, nullptr);  // no crash
}

}  // namespace
