// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbViewportRegion.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// normalized * window rounded to nearest, halves away from zero, saturated to
// int32; 0 for a value that is not a number.
int32_t toPixels(float normalized, short window) {
  const double v = std::round(static_cast<double>(normalized) * window);
  if (std::isnan(v)) return 0;
  if (v <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (v >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}

float toNormalized(short pixels, short window) {
  return window != 0 ? static_cast<float>(static_cast<double>(pixels) / window) : 0.0f;
}

short saturateShort(int32_t v) {
  if (v < std::numeric_limits<short>::min()) return std::numeric_limits<short>::min();
  if (v > std::numeric_limits<short>::max()) return std::numeric_limits<short>::max();
  return static_cast<short>(v);
}

}  // namespace

void SbViewportRegion::setWindowSize(short width, short height) {
  window_.setValue(width, height);
  updatePixels();
}

void SbViewportRegion::setViewport(const SbVec2f& origin, const SbVec2f& size) {
  origin_ = origin;
  size_ = size;
  updatePixels();
}

void SbViewportRegion::setViewportPixels(const SbVec2s& origin, const SbVec2s& size) {
  origin_.setValue(toNormalized(origin[0], window_[0]), toNormalized(origin[1], window_[1]));
  size_.setValue(toNormalized(size[0], window_[0]), toNormalized(size[1], window_[1]));
  originPixels_.setValue(origin[0], origin[1]);
  sizePixels_.setValue(size[0], size[1]);
}

void SbViewportRegion::updatePixels() {
  originPixels_.setValue(toPixels(origin_[0], window_[0]), toPixels(origin_[1], window_[1]));
  sizePixels_.setValue(toPixels(size_[0], window_[0]), toPixels(size_[1], window_[1]));
}

SbVec2s SbViewportRegion::getViewportOriginPixels() const {
  return SbVec2s(saturateShort(originPixels_[0]), saturateShort(originPixels_[1]));
}

SbVec2s SbViewportRegion::getViewportSizePixels() const {
  return SbVec2s(saturateShort(sizePixels_[0]), saturateShort(sizePixels_[1]));
}

float SbViewportRegion::getViewportAspectRatio() const {
  if (sizePixels_[1] == 0) return 0.0f;
  return static_cast<float>(static_cast<double>(sizePixels_[0]) / sizePixels_[1]);
}
