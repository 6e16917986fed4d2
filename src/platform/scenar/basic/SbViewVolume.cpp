// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbViewVolume.h"

#include <cmath>

namespace {

// 1 / d, or 0 for a zero d: degenerate volumes give singular matrices instead
// of infinities.
float inverseOrZero(float d) { return d != 0.0f ? 1.0f / d : 0.0f; }

}  // namespace

void SbViewVolume::resetFrame() {
  eye_.setValue(0.0f, 0.0f, 0.0f);
  xAxis_.setValue(1.0f, 0.0f, 0.0f);
  yAxis_.setValue(0.0f, 1.0f, 0.0f);
  zAxis_.setValue(0.0f, 0.0f, 1.0f);
}

void SbViewVolume::ortho(float left, float right, float bottom, float top, float nearDist,
                         float farDist) {
  resetFrame();
  type_ = ORTHOGRAPHIC;
  left_ = left;
  right_ = right;
  bottom_ = bottom;
  top_ = top;
  near_ = nearDist;
  far_ = farDist;
}

void SbViewVolume::perspective(float fovy, float aspect, float nearDist, float farDist) {
  resetFrame();
  type_ = PERSPECTIVE;
  const float halfHeight = nearDist * static_cast<float>(std::tan(0.5 * static_cast<double>(fovy)));
  top_ = halfHeight;
  bottom_ = -halfHeight;
  right_ = halfHeight * aspect;
  left_ = -right_;
  near_ = nearDist;
  far_ = farDist;
}

SbVec3f SbViewVolume::toWorld(const SbVec3f& c) const {
  return eye_ + c[0] * xAxis_ + c[1] * yAxis_ + c[2] * zAxis_;
}

SbVec3f SbViewVolume::toCamera(const SbVec3f& world) const {
  const SbVec3f d = world - eye_;
  return SbVec3f(dot(d, xAxis_), dot(d, yAxis_), dot(d, zAxis_));
}

SbMatrix SbViewVolume::getCameraSpaceMatrix() const {
  // Columns hold the camera axes; row 3 brings the camera to the origin.
  return SbMatrix(xAxis_[0], yAxis_[0], zAxis_[0], 0.0f,  //
                  xAxis_[1], yAxis_[1], zAxis_[1], 0.0f,  //
                  xAxis_[2], yAxis_[2], zAxis_[2], 0.0f,  //
                  -dot(eye_, xAxis_), -dot(eye_, yAxis_), -dot(eye_, zAxis_), 1.0f);
}

void SbViewVolume::getMatrices(SbMatrix& affine, SbMatrix& proj) const {
  affine = getCameraSpaceMatrix();
  const float iw = inverseOrZero(right_ - left_);
  const float ih = inverseOrZero(top_ - bottom_);
  const float id = inverseOrZero(far_ - near_);
  proj = SbMatrix();
  if (type_ == PERSPECTIVE) {
    proj[0][0] = 2.0f * near_ * iw;
    proj[1][1] = 2.0f * near_ * ih;
    proj[2][0] = (right_ + left_) * iw;
    proj[2][1] = (top_ + bottom_) * ih;
    proj[2][2] = -(far_ + near_) * id;
    proj[2][3] = -1.0f;
    proj[3][2] = -2.0f * far_ * near_ * id;
    proj[3][3] = 0.0f;
  } else {
    proj[0][0] = 2.0f * iw;
    proj[1][1] = 2.0f * ih;
    proj[2][2] = -2.0f * id;
    proj[3][0] = -(right_ + left_) * iw;
    proj[3][1] = -(top_ + bottom_) * ih;
    proj[3][2] = -(far_ + near_) * id;
  }
}

SbMatrix SbViewVolume::getMatrix() const {
  SbMatrix affine, proj;
  getMatrices(affine, proj);
  return affine * proj;
}

void SbViewVolume::rotateCamera(const SbRotation& r) {
  r.multVec(xAxis_, xAxis_);
  r.multVec(yAxis_, yAxis_);
  r.multVec(zAxis_, zAxis_);
}

void SbViewVolume::translateCamera(const SbVec3f& offset) { eye_ += offset; }

void SbViewVolume::projectPointToLine(const SbVec2f& p, SbVec3f& nearPoint,
                                      SbVec3f& farPoint) const {
  const SbVec3f onNear(left_ + p[0] * (right_ - left_), bottom_ + p[1] * (top_ - bottom_), -near_);
  SbVec3f onFar(onNear[0], onNear[1], -far_);
  if (type_ == PERSPECTIVE && near_ != 0.0f) onFar = onNear * (far_ / near_);
  nearPoint = toWorld(onNear);
  farPoint = toWorld(onFar);
}

void SbViewVolume::projectToScreen(const SbVec3f& world, SbVec3f& normalized) const {
  SbMatrix affine, proj;
  getMatrices(affine, proj);
  const SbVec3f c = toCamera(world);
  SbVec4f clip;
  proj.multVecMatrix(SbVec4f(c[0], c[1], c[2], 1.0f), clip);
  const float w = clip[3] != 0.0f ? clip[3] : 1.0f;
  normalized.setValue(0.5f * (clip[0] / w + 1.0f), 0.5f * (clip[1] / w + 1.0f),
                      0.5f * (clip[2] / w + 1.0f));
}

SbViewVolume SbViewVolume::narrow(float left, float bottom, float right, float top) const {
  SbViewVolume v = *this;
  const float w = right_ - left_;
  const float h = top_ - bottom_;
  v.left_ = left_ + left * w;
  v.right_ = left_ + right * w;
  v.bottom_ = bottom_ + bottom * h;
  v.top_ = bottom_ + top * h;
  return v;
}

SbViewVolume SbViewVolume::narrow(const SbBox3f& box) const {
  if (box.isEmpty()) return *this;
  const SbVec3f& lo = box.getMin();
  const SbVec3f& hi = box.getMax();
  return narrow(lo[0], lo[1], hi[0], hi[1]);
}
