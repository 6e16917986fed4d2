// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbRotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

SbRotation& SbRotation::setValue(const SbVec3f& axis, float radians) {
  SbVec3f a = axis;
  if (!(normalize(a) > 0.0f)) {
    return *this = SbRotation();
  }
  const double half = 0.5 * static_cast<double>(radians);
  const float s = static_cast<float>(std::sin(half));
  q_[0] = a[0] * s;
  q_[1] = a[1] * s;
  q_[2] = a[2] * s;
  q_[3] = static_cast<float>(std::cos(half));
  return *this;
}

SbRotation& SbRotation::setValue(const SbVec3f& from, const SbVec3f& to) {
  SbVec3f f = from;
  SbVec3f t = to;
  if (!(normalize(f) > 0.0f) || !(normalize(t) > 0.0f)) {
    return *this = SbRotation();
  }
  const float d = dot(f, t);
  if (d < -1.0f + 1e-6f) {
    // Half turn about any axis perpendicular to from: take the coordinate axis
    // least aligned with it.
    const float ax = std::fabs(f[0]), ay = std::fabs(f[1]), az = std::fabs(f[2]);
    SbVec3f other = (ax <= ay && ax <= az) ? SbVec3f(1, 0, 0)
                    : (ay <= az)           ? SbVec3f(0, 1, 0)
                                           : SbVec3f(0, 0, 1);
    return setValue(cross(f, other), std::numbers::pi_v<float>);
  }
  // Half-way quaternion: (cross(f, t), 1 + dot(f, t)) normalised.
  const SbVec3f c = cross(f, t);
  return setValue(c[0], c[1], c[2], 1.0f + d);
}

SbRotation& SbRotation::setValue(float q0, float q1, float q2, float q3) {
  const double n = std::sqrt(double(q0) * q0 + double(q1) * q1 + double(q2) * q2 + double(q3) * q3);
  if (!(n > 0.0) || !std::isfinite(n)) {
    return *this = SbRotation();
  }
  q_[0] = static_cast<float>(q0 / n);
  q_[1] = static_cast<float>(q1 / n);
  q_[2] = static_cast<float>(q2 / n);
  q_[3] = static_cast<float>(q3 / n);
  return *this;
}

SbRotation& SbRotation::setValue(const SbMatrix& m) {
  // m is the transpose of the column-vector rotation matrix; the quaternion
  // comes from the largest of w, x, y, z, found from the diagonal.
  const double m00 = m[0][0], m11 = m[1][1], m22 = m[2][2];
  const double trace = m00 + m11 + m22;
  double q[4];
  if (trace >= m00 && trace >= m11 && trace >= m22) {
    const double s = 2.0 * std::sqrt(std::max(1.0 + trace, 0.0));
    q[0] = (double(m[1][2]) - m[2][1]) / s;
    q[1] = (double(m[2][0]) - m[0][2]) / s;
    q[2] = (double(m[0][1]) - m[1][0]) / s;
    q[3] = 0.25 * s;
  } else if (m00 >= m11 && m00 >= m22) {
    const double s = 2.0 * std::sqrt(std::max(1.0 + m00 - m11 - m22, 0.0));
    q[0] = 0.25 * s;
    q[1] = (double(m[0][1]) + m[1][0]) / s;
    q[2] = (double(m[0][2]) + m[2][0]) / s;
    q[3] = (double(m[1][2]) - m[2][1]) / s;
  } else if (m11 >= m22) {
    const double s = 2.0 * std::sqrt(std::max(1.0 - m00 + m11 - m22, 0.0));
    q[0] = (double(m[0][1]) + m[1][0]) / s;
    q[1] = 0.25 * s;
    q[2] = (double(m[1][2]) + m[2][1]) / s;
    q[3] = (double(m[2][0]) - m[0][2]) / s;
  } else {
    const double s = 2.0 * std::sqrt(std::max(1.0 - m00 - m11 + m22, 0.0));
    q[0] = (double(m[0][2]) + m[2][0]) / s;
    q[1] = (double(m[1][2]) + m[2][1]) / s;
    q[2] = 0.25 * s;
    q[3] = (double(m[0][1]) - m[1][0]) / s;
  }
  // A non-finite matrix gives non-finite components, which make the identity.
  const double n = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
  if (!(n > 0.0) || !std::isfinite(n)) return *this = SbRotation();
  for (int i = 0; i < 4; ++i) q_[i] = static_cast<float>(q[i] / n);
  return *this;
}

void SbRotation::getValue(SbVec3f& axis, float& radians) const {
  const double s = std::sqrt(double(q_[0]) * q_[0] + double(q_[1]) * q_[1] + double(q_[2]) * q_[2]);
  if (!(s > 0.0)) {
    axis.setValue(0.0f, 0.0f, 1.0f);
    radians = 0.0f;
    return;
  }
  axis.setValue(static_cast<float>(q_[0] / s), static_cast<float>(q_[1] / s),
                static_cast<float>(q_[2] / s));
  radians = static_cast<float>(2.0 * std::atan2(s, static_cast<double>(q_[3])));
}

void SbRotation::getValue(SbMatrix& m) const {
  const float x = q_[0], y = q_[1], z = q_[2], w = q_[3];
  // The transpose of the column-vector rotation matrix, for p * M.
  m = SbMatrix(1 - 2 * (y * y + z * z), 2 * (x * y + z * w), 2 * (x * z - y * w), 0,  //
               2 * (x * y - z * w), 1 - 2 * (x * x + z * z), 2 * (y * z + x * w), 0,  //
               2 * (x * z + y * w), 2 * (y * z - x * w), 1 - 2 * (x * x + y * y), 0,  //
               0, 0, 0, 1);
}

void SbRotation::multVec(const SbVec3f& src, SbVec3f& dst) const {
  // v' = v + 2w (u x v) + 2 u x (u x v), u the vector part.
  const SbVec3f u(q_[0], q_[1], q_[2]);
  const SbVec3f t = 2.0f * cross(u, src);
  dst = src + q_[3] * t + cross(u, t);
}

SbRotation& SbRotation::operator*=(const SbRotation& r) {
  // Applying this, then r, is the Hamilton product r.q * this.q.
  const float ax = r.q_[0], ay = r.q_[1], az = r.q_[2], aw = r.q_[3];
  const float bx = q_[0], by = q_[1], bz = q_[2], bw = q_[3];
  return setValue(aw * bx + ax * bw + ay * bz - az * by, aw * by - ax * bz + ay * bw + az * bx,
                  aw * bz + ax * by - ay * bx + az * bw, aw * bw - ax * bx - ay * by - az * bz);
}

bool SbRotation::equals(const SbRotation& r, float tolerance) const {
  bool same = true, opposite = true;
  for (int i = 0; i < 4; ++i) {
    same = same && std::fabs(q_[i] - r.q_[i]) <= tolerance;
    opposite = opposite && std::fabs(q_[i] + r.q_[i]) <= tolerance;
  }
  return same || opposite;
}
