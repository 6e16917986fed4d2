// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbViewportRegion.h"

#include <gtest/gtest.h>

namespace {

TEST(SbViewportRegionTest, Constructors) {
  const SbViewportRegion def;
  EXPECT_EQ(def.getWindowSize(), SbVec2s(100, 100));
  EXPECT_EQ(def.getViewportOrigin(), SbVec2f(0, 0));
  EXPECT_EQ(def.getViewportSize(), SbVec2f(1, 1));
  EXPECT_EQ(def.getViewportSizePixels(), SbVec2s(100, 100));
  EXPECT_EQ(def.getPixelsPerInch(), 72.0f);
  EXPECT_EQ(def.getPixelAspectRatio(), 1.0f);

  const SbViewportRegion wide(200, 100);
  EXPECT_EQ(wide.getViewportSizePixels(), SbVec2s(200, 100));
  EXPECT_EQ(wide.getViewportAspectRatio(), 2.0f);
  EXPECT_EQ(SbViewportRegion(SbVec2s(200, 100)), wide);

  const SbViewportRegion withAspect(300, 150, 0.75f);
  EXPECT_EQ(withAspect.getPixelAspectRatio(), 0.75f);
  EXPECT_EQ(withAspect.getWindowSize(), SbVec2s(300, 150));
  EXPECT_EQ(withAspect.getViewportOriginPixels(), SbVec2s(0, 0));
  EXPECT_EQ(withAspect.getViewportSizePixels(), SbVec2s(300, 150));
  EXPECT_EQ(withAspect.getViewportAspectRatio(), 2.0f);
}

TEST(SbViewportRegionTest, NormalizedToPixelsRoundsToNearest) {
  SbViewportRegion vp(101, 99);
  vp.setViewport(0.25f, 0.5f, 0.5f, 0.5f);
  EXPECT_EQ(vp.getViewportOriginPixels(), SbVec2s(25, 50));  // 25.25, 49.5
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(51, 50));    // 50.5, 49.5
  EXPECT_EQ(vp.getViewportSizePixels_i32(), SbVec2i32(51, 50));
  EXPECT_FLOAT_EQ(vp.getViewportAspectRatio(), 51.0f / 50.0f);
  // Resizing the window keeps the normalized viewport.
  vp.setWindowSize(SbVec2s(400, 200));
  EXPECT_EQ(vp.getViewportSize(), SbVec2f(0.5f, 0.5f));
  EXPECT_EQ(vp.getViewportOriginPixels(), SbVec2s(100, 100));
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(200, 100));
}

TEST(SbViewportRegionTest, PixelsRoundTripIncludingOutsideWindow) {
  SbViewportRegion vp(300, 200);
  vp.setViewportPixels(SbVec2s(33, 17), SbVec2s(101, 67));
  EXPECT_EQ(vp.getViewportOriginPixels(), SbVec2s(33, 17));
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(101, 67));
  EXPECT_FLOAT_EQ(vp.getViewportOrigin()[0], 33.0f / 300.0f);
  EXPECT_FLOAT_EQ(vp.getViewportSize()[1], 67.0f / 200.0f);

  vp.setViewportPixels(-50, 150, 400, 100);  // sticks out left, right and top
  EXPECT_EQ(vp.getViewportOriginPixels(), SbVec2s(-50, 150));
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(400, 100));
  EXPECT_FLOAT_EQ(vp.getViewportOrigin()[0], -50.0f / 300.0f);
  EXPECT_FLOAT_EQ(vp.getViewportSize()[0], 400.0f / 300.0f);

  vp.setViewport(SbVec2f(-0.5f, 0), SbVec2f(-0.25f, 2));  // stored as given
  EXPECT_EQ(vp.getViewportOriginPixels(), SbVec2s(-150, 0));
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(-75, 400));
}

TEST(SbViewportRegionTest, ZeroWindowDimension) {
  SbViewportRegion vp(0, 50);
  vp.setViewportPixels(10, 5, 30, 20);
  EXPECT_EQ(vp.getViewportOrigin(), SbVec2f(0, 0.1f));
  EXPECT_EQ(vp.getViewportSize(), SbVec2f(0, 0.4f));
  EXPECT_EQ(vp.getViewportOriginPixels(), SbVec2s(10, 5));
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(30, 20));
  EXPECT_FLOAT_EQ(vp.getViewportAspectRatio(), 1.5f);

  SbViewportRegion empty(0, 0);
  EXPECT_EQ(empty.getViewportSizePixels(), SbVec2s(0, 0));
  EXPECT_EQ(empty.getViewportAspectRatio(), 0.0f);
}

TEST(SbViewportRegionTest, LargeSizesSaturateShortButNotInt32) {
  SbViewportRegion vp(30000, 30000);
  vp.setViewport(0, 0, 2, 1);
  EXPECT_EQ(vp.getViewportSizePixels_i32(), SbVec2i32(60000, 30000));
  EXPECT_EQ(vp.getViewportSizePixels(), SbVec2s(32767, 30000));
  EXPECT_FLOAT_EQ(vp.getViewportAspectRatio(), 2.0f);
}

TEST(SbViewportRegionTest, EqualityCoversEveryValue) {
  const SbViewportRegion base(640, 480);
  SbViewportRegion other(640, 480);
  EXPECT_EQ(base, other);
  other.setPixelsPerInch(96);
  EXPECT_FALSE(base == other);
  other = base;
  other.setPixelAspectRatio(2);
  EXPECT_FALSE(base == other);
  other = base;
  other.setViewport(0, 0, 0.5f, 1);
  EXPECT_FALSE(base == other);
  other.setViewportPixels(0, 0, 640, 480);
  EXPECT_EQ(base, other);
  EXPECT_FALSE(base == SbViewportRegion(640, 481));
}

}  // namespace
