// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbMatrix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/scenar/basic/SbRotation.h"

void SbMatrix::setValue(const SbMat& m) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) m_[i][j] = m[i][j];
}

void SbMatrix::getValue(SbMat& m) const {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) m[i][j] = m_[i][j];
}

void SbMatrix::setTranslate(const SbVec3f& t) {
  makeIdentity();
  m_[3][0] = t[0];
  m_[3][1] = t[1];
  m_[3][2] = t[2];
}

void SbMatrix::setScale(float s) { setScale(SbVec3f(s, s, s)); }

void SbMatrix::setScale(const SbVec3f& s) {
  makeIdentity();
  m_[0][0] = s[0];
  m_[1][1] = s[1];
  m_[2][2] = s[2];
}

void SbMatrix::setRotate(const SbRotation& r) { r.getValue(*this); }

SbMatrix& SbMatrix::multRight(const SbMatrix& m) {
  float r[4][4];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      r[i][j] = m_[i][0] * m.m_[0][j] + m_[i][1] * m.m_[1][j] + m_[i][2] * m.m_[2][j] +
                m_[i][3] * m.m_[3][j];
  setValue(r);
  return *this;
}

SbMatrix& SbMatrix::multLeft(const SbMatrix& m) {
  SbMatrix r = m;
  r.multRight(*this);
  *this = r;
  return *this;
}

void SbMatrix::multVecMatrix(const SbVec4f& src, SbVec4f& dst) const {
  float r[4];
  for (int j = 0; j < 4; ++j)
    r[j] = src[0] * m_[0][j] + src[1] * m_[1][j] + src[2] * m_[2][j] + src[3] * m_[3][j];
  dst.setValue(r[0], r[1], r[2], r[3]);
}

void SbMatrix::multVecMatrix(const SbVec3f& src, SbVec3f& dst) const {
  SbVec4f h;
  multVecMatrix(SbVec4f(src[0], src[1], src[2], 1.0f), h);
  const float w = h[3];
  if (w != 0.0f && w != 1.0f) {
    dst.setValue(h[0] / w, h[1] / w, h[2] / w);
  } else {
    dst.setValue(h[0], h[1], h[2]);
  }
}

void SbMatrix::multDirMatrix(const SbVec3f& src, SbVec3f& dst) const {
  float r[3];
  for (int j = 0; j < 3; ++j) r[j] = src[0] * m_[0][j] + src[1] * m_[1][j] + src[2] * m_[2][j];
  dst.setValue(r[0], r[1], r[2]);
}

SbMatrix SbMatrix::inverse() const {
  // Gauss-Jordan elimination with partial pivoting, carried out in double.
  double a[4][8];
  double scale = 0.0;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      a[i][j] = m_[i][j];
      a[i][j + 4] = (i == j) ? 1.0 : 0.0;
      scale = std::fmax(scale, std::fabs(a[i][j]));
    }
  }
  if (!(scale > 0.0) || !std::isfinite(scale)) return SbMatrix();
  const double tiny = scale * 1e-12;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 4; ++row)
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    if (!(std::fabs(a[pivot][col]) > tiny)) return SbMatrix();
    if (pivot != col)
      for (int j = 0; j < 8; ++j) std::swap(a[pivot][j], a[col][j]);
    const double p = a[col][col];
    for (int j = 0; j < 8; ++j) a[col][j] /= p;
    for (int row = 0; row < 4; ++row) {
      if (row == col) continue;
      const double f = a[row][col];
      if (f == 0.0) continue;
      for (int j = 0; j < 8; ++j) a[row][j] -= f * a[col][j];
    }
  }
  SbMatrix r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.m_[i][j] = static_cast<float>(a[i][j + 4]);
  return r;
}

SbMatrix SbMatrix::transpose() const {
  SbMatrix r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.m_[i][j] = m_[j][i];
  return r;
}

float SbMatrix::det4() const {
  // Laplace expansion along row 0 using 2x2 minors of rows 2 and 3.
  const float(&m)[4][4] = m_;
  const double s0 = double(m[2][0]) * m[3][1] - double(m[2][1]) * m[3][0];
  const double s1 = double(m[2][0]) * m[3][2] - double(m[2][2]) * m[3][0];
  const double s2 = double(m[2][0]) * m[3][3] - double(m[2][3]) * m[3][0];
  const double s3 = double(m[2][1]) * m[3][2] - double(m[2][2]) * m[3][1];
  const double s4 = double(m[2][1]) * m[3][3] - double(m[2][3]) * m[3][1];
  const double s5 = double(m[2][2]) * m[3][3] - double(m[2][3]) * m[3][2];
  const double c0 = m[1][1] * s5 - m[1][2] * s4 + m[1][3] * s3;
  const double c1 = m[1][0] * s5 - m[1][2] * s2 + m[1][3] * s1;
  const double c2 = m[1][0] * s4 - m[1][1] * s2 + m[1][3] * s0;
  const double c3 = m[1][0] * s3 - m[1][1] * s1 + m[1][2] * s0;
  return static_cast<float>(m[0][0] * c0 - m[0][1] * c1 + m[0][2] * c2 - m[0][3] * c3);
}

bool operator==(const SbMatrix& a, const SbMatrix& b) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (a.m_[i][j] != b.m_[i][j]) return false;
  return true;
}

bool SbMatrix::equals(const SbMatrix& m, float tolerance) const {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (!(std::fabs(m_[i][j] - m.m_[i][j]) <= tolerance)) return false;
  return true;
}

void SbMatrix::setTransform(const SbVec3f& translation, const SbRotation& rotation,
                            const SbVec3f& scaleFactor, const SbRotation& scaleOrientation) {
  SbMatrix scale, move;
  scale.setScale(scaleFactor);
  move.setTranslate(translation);
  *this = scaleOrientation.inverse().getMatrix() * scale * scaleOrientation.getMatrix() *
          rotation.getMatrix() * move;
}

void SbMatrix::setTransform(const SbVec3f& translation, const SbRotation& rotation,
                            const SbVec3f& scaleFactor, const SbRotation& scaleOrientation,
                            const SbVec3f& center) {
  SbMatrix toCenter, fromCenter;
  toCenter.setTranslate(-center);
  fromCenter.setTranslate(center);
  SbMatrix about;
  about.setTransform(SbVec3f(), rotation, scaleFactor, scaleOrientation);
  SbMatrix move;
  move.setTranslate(translation);
  *this = toCenter * about * fromCenter * move;
}

namespace {

using Mat3 = std::array<std::array<double, 3>, 3>;

// The eigenvalues of the symmetric matrix a, and its eigenvectors as the
// columns of v, by cyclic Jacobi rotations: a = v * diag(values) * transpose(v).
void symmetricEigen(Mat3 a, double values[3], Mat3& v) {
  v = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  double scale = 0.0;
  for (const auto& row : a)
    for (double x : row) scale += x * x;
  for (int sweep = 0; sweep < 64; ++sweep) {
    const double off = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
    if (!(off > scale * 1e-32)) break;
    for (int p = 0; p < 2; ++p) {
      for (int q = p + 1; q < 3; ++q) {
        if (a[p][q] == 0.0) continue;
        const double theta = (a[q][q] - a[p][p]) / (2.0 * a[p][q]);
        const double t = (theta >= 0 ? 1.0 : -1.0) / (std::fabs(theta) + std::hypot(theta, 1.0));
        const double c = 1.0 / std::hypot(t, 1.0), s = t * c;
        // a = J^T a J and v = v J, J the rotation by (c, s) in the plane p, q.
        for (int k = 0; k < 3; ++k) {
          const double akp = a[k][p], akq = a[k][q];
          a[k][p] = c * akp - s * akq;
          a[k][q] = s * akp + c * akq;
        }
        for (int k = 0; k < 3; ++k) {
          const double apk = a[p][k], aqk = a[q][k];
          a[p][k] = c * apk - s * aqk;
          a[q][k] = s * apk + c * aqk;
        }
        for (int k = 0; k < 3; ++k) {
          const double vkp = v[k][p], vkq = v[k][q];
          v[k][p] = c * vkp - s * vkq;
          v[k][q] = s * vkp + c * vkq;
        }
      }
    }
  }
  for (int i = 0; i < 3; ++i) values[i] = a[i][i];
}

using Vec3 = std::array<double, 3>;

Vec3 crossOf(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double det3(const Mat3& m) {
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// The row-vector matrix of the rotation whose rows are r.
SbRotation rotationOfRows(const Vec3 r[3]) {
  SbMatrix m;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m[i][j] = static_cast<float>(r[i][j]);
  SbRotation rotation;
  rotation.setValue(m);
  return rotation;
}

}  // namespace

void SbMatrix::getTransform(SbVec3f& translation, SbRotation& rotation, SbVec3f& scaleFactor,
                            SbRotation& scaleOrientation) const {
  translation.setValue(0.0f, 0.0f, 0.0f);
  rotation = scaleOrientation = SbRotation();
  scaleFactor.setValue(1.0f, 1.0f, 1.0f);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j)
      if (!std::isfinite(m_[i][j])) return;

  // The linear part L is P * Q, P = sum s_i u_i u_i^T symmetric (the scale
  // along the axes u_i) and Q = sum u_i v_i^T a rotation, where L = sum s_i u_i
  // v_i^T is the singular value decomposition: the u_i are the eigenvectors
  // of L L^T, s_i the roots of its eigenvalues and v_i = L^T u_i / s_i.
  Mat3 l, llt;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) l[i][j] = m_[i][j];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      llt[i][j] = l[i][0] * l[j][0] + l[i][1] * l[j][1] + l[i][2] * l[j][2];
  double values[3];
  Mat3 eigen;
  symmetricEigen(llt, values, eigen);
  Vec3 u[3], v[3];
  double s[3], largest = 0.0;
  for (int i = 0; i < 3; ++i) {
    u[i] = {eigen[0][i], eigen[1][i], eigen[2][i]};
    s[i] = std::sqrt(std::max(values[i], 0.0));
    largest = std::max(largest, s[i]);
  }
  if (det3(eigen) < 0.0) u[2] = {-u[2][0], -u[2][1], -u[2][2]};  // a rotation, not a mirror
  // Scale factors equal to float precision have no axes of their own: make
  // them one scale without orientation, 1 when within rounding of 1, so that
  // a rotation of floats decomposes into a rotation alone.
  const double smallest = std::min({s[0], s[1], s[2]});
  if (largest - smallest <= largest * 1e-6) {
    double mean = (s[0] + s[1] + s[2]) / 3.0;
    if (std::fabs(mean - 1.0) <= 1e-6) mean = 1.0;
    for (int i = 0; i < 3; ++i) {
      s[i] = mean;
      u[i] = {0.0, 0.0, 0.0};
      u[i][i] = 1.0;
    }
  }

  // Where a scale factor is zero (to rounding) v_i is free: complete the v_i
  // to a right-handed orthonormal basis, so that Q is a rotation.
  bool known[3];
  int numKnown = 0;
  for (int i = 0; i < 3; ++i) {
    known[i] = s[i] > largest * 1e-7;
    if (!known[i]) continue;
    ++numKnown;
    for (int j = 0; j < 3; ++j)
      v[i][j] = (l[0][j] * u[i][0] + l[1][j] * u[i][1] + l[2][j] * u[i][2]) / s[i];
  }
  if (numKnown == 0) {
    for (int i = 0; i < 3; ++i) v[i] = u[i];
  } else if (numKnown == 1) {
    const int i = known[0] ? 0 : known[1] ? 1 : 2;
    const Vec3& a = v[i];
    // Any unit vector across a, from the axis least along it.
    const int axis = std::fabs(a[0]) <= std::fabs(a[1]) && std::fabs(a[0]) <= std::fabs(a[2]) ? 0
                     : std::fabs(a[1]) <= std::fabs(a[2])                                     ? 1
                                                                                              : 2;
    Vec3 e{0, 0, 0};
    e[axis] = 1.0;
    Vec3 b = crossOf(a, e);
    const double n = std::sqrt(b[0] * b[0] + b[1] * b[1] + b[2] * b[2]);
    for (double& x : b) x /= n;
    v[(i + 1) % 3] = b;
    v[(i + 2) % 3] = crossOf(a, b);
  } else if (numKnown == 2) {
    const int i = !known[0] ? 0 : !known[1] ? 1 : 2;
    v[i] = crossOf(v[(i + 1) % 3], v[(i + 2) % 3]);
  }
  Mat3 q{};
  for (int i = 0; i < 3; ++i)
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) q[r][c] += u[i][r] * v[i][c];
  // A mirror: L = (-P) * (-Q), -Q a rotation.
  const double sign = det3(q) < 0.0 ? -1.0 : 1.0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) q[i][j] *= sign;
  const Vec3 qRows[3] = {q[0], q[1], q[2]};

  translation.setValue(m_[3][0], m_[3][1], m_[3][2]);
  rotation = rotationOfRows(qRows);
  scaleFactor.setValue(static_cast<float>(sign * s[0]), static_cast<float>(sign * s[1]),
                       static_cast<float>(sign * s[2]));
  scaleOrientation = rotationOfRows(u);
}

void SbMatrix::getTransform(SbVec3f& translation, SbRotation& rotation, SbVec3f& scaleFactor,
                            SbRotation& scaleOrientation, const SbVec3f& center) const {
  SbMatrix toCenter, fromCenter;
  toCenter.setTranslate(-center);
  fromCenter.setTranslate(center);
  (fromCenter * *this * toCenter)
      .getTransform(translation, rotation, scaleFactor, scaleOrientation);
}
