// SPDX-License-Identifier: Apache-2.0
#pragma once

// A rotation stored as a unit quaternion (x, y, z, w), w the scalar part.
// Angles are in radians and follow the right-hand rule about the axis.
// Composition follows the matrix convention of SbMatrix: a * b is the
// rotation that applies a first, then b, so (a * b).getMatrix() equals
// a.getMatrix() * b.getMatrix().

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"

class SbRotation {
 public:
  // The identity.
  constexpr SbRotation() = default;
  // Rotation by angle about axis; a zero axis gives the identity.
  SbRotation(const SbVec3f& axis, float radians) { setValue(axis, radians); }
  // The shortest rotation taking the direction of from to that of to. Opposite
  // directions give a half turn about an axis perpendicular to from; a zero
  // vector gives the identity.
  SbRotation(const SbVec3f& from, const SbVec3f& to) { setValue(from, to); }
  // From quaternion components, normalised.
  SbRotation(float q0, float q1, float q2, float q3) { setValue(q0, q1, q2, q3); }

  static constexpr SbRotation identity() { return SbRotation(); }
  // From quaternion components taken as they are: for components of unit
  // length to float precision, which normalising again could change in the
  // last bit.
  static SbRotation fromUnitQuaternion(float x, float y, float z, float w) {
    SbRotation r;
    r.q_[0] = x;
    r.q_[1] = y;
    r.q_[2] = z;
    r.q_[3] = w;
    return r;
  }

  SbRotation& setValue(const SbVec3f& axis, float radians);
  SbRotation& setValue(const SbVec3f& from, const SbVec3f& to);
  SbRotation& setValue(float q0, float q1, float q2, float q3);
  SbRotation& setValue(const float q[4]) { return setValue(q[0], q[1], q[2], q[3]); }
  // The rotation of a rotation matrix (getMatrix's convention): its upper 3x3
  // part, orthonormal with determinant 1 up to rounding.
  SbRotation& setValue(const SbMatrix& m);

  // The quaternion components x, y, z, w.
  const float* getValue() const { return q_; }
  // Axis of unit length and angle in [0, 2*pi); the identity gives (0, 0, 1) and 0.
  void getValue(SbVec3f& axis, float& radians) const;
  void getValue(SbMatrix& m) const;
  SbMatrix getMatrix() const {
    SbMatrix m;
    getValue(m);
    return m;
  }

  SbRotation inverse() const { return SbRotation(-q_[0], -q_[1], -q_[2], q_[3]); }
  SbRotation& invert() { return *this = inverse(); }

  // dst = src rotated.
  void multVec(const SbVec3f& src, SbVec3f& dst) const;

  // this = this * r: r applies after this.
  SbRotation& operator*=(const SbRotation& r);
  friend SbRotation operator*(const SbRotation& a, const SbRotation& b) {
    SbRotation r = a;
    return r *= b;
  }

  // Exact component equality.
  friend bool operator==(const SbRotation& a, const SbRotation& b) {
    return a.q_[0] == b.q_[0] && a.q_[1] == b.q_[1] && a.q_[2] == b.q_[2] && a.q_[3] == b.q_[3];
  }
  // True when both describe the same rotation within tolerance per quaternion
  // component; q and -q are the same rotation.
  bool equals(const SbRotation& r, float tolerance) const;

 private:
  float q_[4] = {0.0f, 0.0f, 0.0f, 1.0f};
};
