// SPDX-License-Identifier: Apache-2.0
#pragma once

// A pair of 32-bit integers: pixel sizes that may exceed the range of short.

#include <cstdint>

#include "platform/scenar/basic/SbLinear.h"

class SbVec2i32 : public SbVec2Of<int32_t> {
 public:
  using SbVec2Of::SbVec2Of;
};
