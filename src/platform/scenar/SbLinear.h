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

class SbVec2f : public SbVecN<float, 2> {
 public:
  constexpr SbVec2f() = default;
  constexpr SbVec2f(float x, float y) { setValue(x, y); }
  constexpr SbVec2f& setValue(float x, float y) {
    v_ = {x, y};
    return *this;
  }
  constexpr void getValue(float& x, float& y) const { x = v_[0], y = v_[1]; }
  using SbVecN::getValue;
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

class SbVec2s : public SbVecN<short, 2> {
 public:
  constexpr SbVec2s() = default;
  constexpr SbVec2s(short x, short y) { setValue(x, y); }
  constexpr SbVec2s& setValue(short x, short y) {
    v_ = {x, y};
    return *this;
  }
  constexpr void getValue(short& x, short& y) const { x = v_[0], y = v_[1]; }
  using SbVecN::getValue;
};

// A red, green, blue triple in [0, 1].
class SbColor : public SbVec3f {
 public:
  constexpr SbColor() = default;
  constexpr SbColor(float r, float g, float b) : SbVec3f(r, g, b) {}
};
