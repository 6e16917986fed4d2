#pragma once

// A pair of 32-bit integers: pixel sizes that may exceed the range of short.

#include <cstdint>

#include "platform/scenar/SbLinear.h"

class SbVec2i32 : public SbVecN<int32_t, 2> {
 public:
  constexpr SbVec2i32() = default;
  constexpr SbVec2i32(int32_t x, int32_t y) { setValue(x, y); }
  constexpr SbVec2i32& setValue(int32_t x, int32_t y) {
    v_ = {x, y};
    return *this;
  }
  constexpr void getValue(int32_t& x, int32_t& y) const { x = v_[0], y = v_[1]; }
  using SbVecN::getValue;
};
