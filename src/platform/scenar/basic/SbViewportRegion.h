// SPDX-License-Identifier: Apache-2.0
#pragma once

// The viewport of a render: a window size in pixels and, inside it, the
// rectangle rendered into, kept in normalized window coordinates (0 to 1 from
// the lower-left corner of the window) and in pixels.
//
// - Pixels from normalized values: origin and size are each the normalized
//   value times the window size, rounded to the nearest integer (halves away
//   from zero) and saturated to the range of the result type.
// - A viewport set in pixels keeps exactly those pixels; its normalized form is
//   pixels / window size, or 0 on an axis where the window size is 0.
// - Changing the window size keeps the normalized viewport; the pixels follow.
// - Values are stored as given: a viewport may be partly or wholly outside the
//   window, or have a negative size.
// - The pixel aspect ratio (width over height of one pixel, default 1) and the
//   resolution (default 72 pixels per inch) are carried for the renderers; they
//   do not enter the viewport arithmetic.

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbVec2i32.h"

class SbViewportRegion {
 public:
  // A 100 x 100 window, viewport the whole window.
  SbViewportRegion() : SbViewportRegion(100, 100) {}
  // Window and viewport width x height.
  SbViewportRegion(short width, short height) { setWindowSize(width, height); }
  explicit SbViewportRegion(const SbVec2s& windowSize)
      : SbViewportRegion(windowSize[0], windowSize[1]) {}
  // Window and viewport width x height with the given pixel aspect ratio.
  SbViewportRegion(short width, short height, float pixelAspectRatio)
      : SbViewportRegion(width, height) {
    pixelAspect_ = pixelAspectRatio;
  }

  void setWindowSize(const SbVec2s& size) { setWindowSize(size[0], size[1]); }
  void setWindowSize(short width, short height);
  const SbVec2s& getWindowSize() const { return window_; }

  // Normalized origin (lower-left corner) and size.
  void setViewport(const SbVec2f& origin, const SbVec2f& size);
  void setViewport(float left, float bottom, float width, float height) {
    setViewport(SbVec2f(left, bottom), SbVec2f(width, height));
  }
  const SbVec2f& getViewportOrigin() const { return origin_; }
  const SbVec2f& getViewportSize() const { return size_; }

  // Origin and size in pixels.
  void setViewportPixels(const SbVec2s& origin, const SbVec2s& size);
  void setViewportPixels(short left, short bottom, short width, short height) {
    setViewportPixels(SbVec2s(left, bottom), SbVec2s(width, height));
  }
  SbVec2s getViewportOriginPixels() const;
  SbVec2s getViewportSizePixels() const;
  const SbVec2i32& getViewportOriginPixels_i32() const { return originPixels_; }
  const SbVec2i32& getViewportSizePixels_i32() const { return sizePixels_; }

  // Pixel width over pixel height of the viewport; 0 when the height is 0.
  float getViewportAspectRatio() const;

  float getPixelAspectRatio() const { return pixelAspect_; }
  void setPixelAspectRatio(float ratio) { pixelAspect_ = ratio; }
  float getPixelsPerInch() const { return pixelsPerInch_; }
  void setPixelsPerInch(float ppi) { pixelsPerInch_ = ppi; }

  friend bool operator==(const SbViewportRegion& a, const SbViewportRegion& b) = default;

 private:
  void updatePixels();

  SbVec2s window_;
  SbVec2f origin_{0.0f, 0.0f};
  SbVec2f size_{1.0f, 1.0f};
  SbVec2i32 originPixels_;
  SbVec2i32 sizePixels_;
  float pixelAspect_ = 1.0f;
  float pixelsPerInch_ = 72.0f;
};
