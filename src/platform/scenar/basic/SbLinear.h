// SPDX-License-Identifier: Apache-2.0
#pragma once

// Small fixed vectors of the toolkit.

#include <array>
#include <cstdint>

template <typename T, int N>
class SbVecN {
 public:
  static constexpr int dimension = N;

  constexpr SbVecN() = default;
  constexpr explicit SbVecN(const T* values) {
    for (int i = 0; i < N; ++i) v_[i] = values[i];
  }
  constexpr T& operator[](int i) { return v_[static_cast<std::size_t>(i)]; }
  constexpr const T& operator[](int i) const { return v_[static_cast<std::size_t>(i)]; }
  constexpr const T* getValue() const { return v_.data(); }
  friend constexpr bool operator==(const SbVecN& a, const SbVecN& b) = default;

 protected:
  std::array<T, N> v_{};
};

// A pair of values of type T.
template <typename T>
class SbVec2Of : public SbVecN<T, 2> {
 public:
  constexpr SbVec2Of() = default;
  constexpr SbVec2Of(T x, T y) { setValue(x, y); }
  constexpr SbVec2Of& setValue(T x, T y) {
    this->v_ = {x, y};
    return *this;
  }
  constexpr void getValue(T& x, T& y) const { x = this->v_[0], y = this->v_[1]; }
  using SbVecN<T, 2>::getValue;
};

class SbVec2f : public SbVec2Of<float> {
 public:
  using SbVec2Of::SbVec2Of;
};

class SbVec3f : public SbVecN<float, 3> {
 public:
  constexpr SbVec3f() = default;
  constexpr SbVec3f(float x, float y, float z) { setValue(x, y, z); }
  constexpr SbVec3f& setValue(float x, float y, float z) {
    v_ = {x, y, z};
    return *this;
  }
  constexpr void getValue(float& x, float& y, float& z) const { x = v_[0], y = v_[1], z = v_[2]; }
  using SbVecN::getValue;
};

class SbVec4f : public SbVecN<float, 4> {
 public:
  constexpr SbVec4f() = default;
  constexpr SbVec4f(float x, float y, float z, float w) { setValue(x, y, z, w); }
  constexpr SbVec4f& setValue(float x, float y, float z, float w) {
    v_ = {x, y, z, w};
    return *this;
  }
  using SbVecN::getValue;
};

class SbVec2s : public SbVec2Of<short> {
 public:
  using SbVec2Of::SbVec2Of;
};

// A red, green, blue triple in [0, 1].
class SbColor : public SbVec3f {
 public:
  constexpr SbColor() = default;
  constexpr SbColor(float r, float g, float b) : SbVec3f(r, g, b) {}
};

// Arithmetic on the float vectors, as free functions: componentwise sum and
// difference, scaling by a scalar, the dot and cross products, the Euclidean
// length and in-place normalisation and negation. Division by a zero scalar
// follows IEEE float rules (infinities), like the built-in operator.

#include <cmath>

constexpr SbVec2f operator+(const SbVec2f& a, const SbVec2f& b) {
  return {a[0] + b[0], a[1] + b[1]};
}
constexpr SbVec2f operator-(const SbVec2f& a, const SbVec2f& b) {
  return {a[0] - b[0], a[1] - b[1]};
}
constexpr SbVec2f operator-(const SbVec2f& a) { return {-a[0], -a[1]}; }
constexpr SbVec2f operator*(const SbVec2f& a, float s) { return {a[0] * s, a[1] * s}; }
constexpr SbVec2f operator*(float s, const SbVec2f& a) { return a * s; }
constexpr SbVec2f operator/(const SbVec2f& a, float s) { return {a[0] / s, a[1] / s}; }
constexpr SbVec2f& operator+=(SbVec2f& a, const SbVec2f& b) { return a = a + b; }
constexpr SbVec2f& operator-=(SbVec2f& a, const SbVec2f& b) { return a = a - b; }
constexpr SbVec2f& operator*=(SbVec2f& a, float s) { return a = a * s; }
constexpr SbVec2f& operator/=(SbVec2f& a, float s) { return a = a / s; }
constexpr float dot(const SbVec2f& a, const SbVec2f& b) { return a[0] * b[0] + a[1] * b[1]; }
inline float length(const SbVec2f& a) { return std::sqrt(dot(a, a)); }

constexpr SbVec3f operator+(const SbVec3f& a, const SbVec3f& b) {
  return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
constexpr SbVec3f operator-(const SbVec3f& a, const SbVec3f& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
constexpr SbVec3f operator-(const SbVec3f& a) { return {-a[0], -a[1], -a[2]}; }
constexpr SbVec3f operator*(const SbVec3f& a, float s) { return {a[0] * s, a[1] * s, a[2] * s}; }
constexpr SbVec3f operator*(float s, const SbVec3f& a) { return a * s; }
constexpr SbVec3f operator/(const SbVec3f& a, float s) { return {a[0] / s, a[1] / s, a[2] / s}; }
constexpr SbVec3f& operator+=(SbVec3f& a, const SbVec3f& b) { return a = a + b; }
constexpr SbVec3f& operator-=(SbVec3f& a, const SbVec3f& b) { return a = a - b; }
constexpr SbVec3f& operator*=(SbVec3f& a, float s) { return a = a * s; }
constexpr SbVec3f& operator/=(SbVec3f& a, float s) { return a = a / s; }
constexpr float dot(const SbVec3f& a, const SbVec3f& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
constexpr SbVec3f cross(const SbVec3f& a, const SbVec3f& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline float length(const SbVec3f& a) { return std::sqrt(dot(a, a)); }

// Scales the vector to unit length and returns its former length. A zero
// vector is left unchanged (and 0 returned).
inline float normalize(SbVec2f& a) {
  const float len = length(a);
  if (len > 0.0f) a /= len;
  return len;
}
inline float normalize(SbVec3f& a) {
  const float len = length(a);
  if (len > 0.0f) a /= len;
  return len;
}
constexpr void negate(SbVec2f& a) { a = -a; }
constexpr void negate(SbVec3f& a) { a = -a; }
