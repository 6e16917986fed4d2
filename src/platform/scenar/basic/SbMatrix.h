// SPDX-License-Identifier: Apache-2.0
#pragma once

// A 4x4 float matrix for the row-vector convention: a point p (as the row
// [x y z 1]) maps to p * M, so the translation sits in row 3 and the product
// A * B applies A first, then B.

#include "platform/scenar/basic/SbLinear.h"

class SbRotation;

using SbMat = float[4][4];

class SbMatrix {
 public:
  // The identity.
  constexpr SbMatrix() = default;
  constexpr SbMatrix(float a11, float a12, float a13, float a14, float a21, float a22, float a23,
                     float a24, float a31, float a32, float a33, float a34, float a41, float a42,
                     float a43, float a44)
      : m_{{a11, a12, a13, a14}, {a21, a22, a23, a24}, {a31, a32, a33, a34}, {a41, a42, a43, a44}} {
  }
  explicit SbMatrix(const SbMat& m) { setValue(m); }

  static constexpr SbMatrix identity() { return SbMatrix(); }

  void setValue(const SbMat& m);
  const SbMat& getValue() const { return m_; }
  void getValue(SbMat& m) const;

  void makeIdentity() { *this = SbMatrix(); }
  // Each setter replaces the whole matrix.
  void setTranslate(const SbVec3f& t);
  void setScale(float s);
  void setScale(const SbVec3f& s);
  void setRotate(const SbRotation& r);

  // The matrix that scales by scaleFactor along the axes of scaleOrientation,
  // rotates by rotation, then translates by translation, all about the origin:
  // inverse(SO) * S * SO * R * T.
  void setTransform(const SbVec3f& translation, const SbRotation& rotation,
                    const SbVec3f& scaleFactor, const SbRotation& scaleOrientation);
  // The same about center: translate(-center) * ... * translate(center) * T.
  void setTransform(const SbVec3f& translation, const SbRotation& rotation,
                    const SbVec3f& scaleFactor, const SbRotation& scaleOrientation,
                    const SbVec3f& center);
  // The inverse of setTransform, for an affine matrix (its last column is taken
  // as 0 0 0 1): the translation, and the polar decomposition of the linear
  // part into a rotation after a scale along the axes of scaleOrientation,
  // computed in double. Scale factors equal to float precision come out as
  // one scale without scale orientation, 1 when within rounding of 1, so that
  // a rigid motion gives a translation and a rotation only. A mirroring matrix
  // (negative determinant) gives three negative scale factors, a singular one
  // zero scale factors; a matrix with a non-finite element gives no
  // translation, no rotation and scale 1.
  void getTransform(SbVec3f& translation, SbRotation& rotation, SbVec3f& scaleFactor,
                    SbRotation& scaleOrientation) const;
  void getTransform(SbVec3f& translation, SbRotation& rotation, SbVec3f& scaleFactor,
                    SbRotation& scaleOrientation, const SbVec3f& center) const;

  // this = this * m: m applies after this.
  SbMatrix& multRight(const SbMatrix& m);
  // this = m * this: m applies before this.
  SbMatrix& multLeft(const SbMatrix& m);

  // dst = src * M for the point [x y z 1], divided by the resulting w unless w is 0.
  void multVecMatrix(const SbVec3f& src, SbVec3f& dst) const;
  // dst = src * M for a homogeneous point, no divide.
  void multVecMatrix(const SbVec4f& src, SbVec4f& dst) const;
  // dst = src * M for the direction [x y z 0]: translation and w ignored.
  void multDirMatrix(const SbVec3f& src, SbVec3f& dst) const;

  // The general inverse; a singular matrix gives the identity.
  SbMatrix inverse() const;
  SbMatrix transpose() const;
  float det4() const;

  float* operator[](int row) { return m_[row]; }
  const float* operator[](int row) const { return m_[row]; }

  SbMatrix& operator*=(const SbMatrix& m) { return multRight(m); }
  friend SbMatrix operator*(const SbMatrix& a, const SbMatrix& b) {
    SbMatrix r = a;
    return r.multRight(b);
  }
  friend bool operator==(const SbMatrix& a, const SbMatrix& b);
  // True when every element differs by at most tolerance.
  bool equals(const SbMatrix& m, float tolerance) const;

 private:
  float m_[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};
