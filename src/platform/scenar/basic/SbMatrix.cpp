#include "platform/scenar/basic/SbMatrix.h"

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
