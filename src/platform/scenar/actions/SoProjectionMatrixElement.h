// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbMatrix.h"

// The camera-to-clip matrix of the current camera (row vectors, as SbMatrix).
class SoProjectionMatrixElement : public SoValueElementOf<SoProjectionMatrixElement, SbMatrix> {
 public:
  static constexpr const char* kClassName = "SoProjectionMatrixElement";

  static void set(SoState* state, const SbMatrix& matrix) {
    if (auto* element = getWritable(state)) element->value_ = matrix;
  }
  static const SbMatrix& get(SoState* state) { return getValue(state); }
};
