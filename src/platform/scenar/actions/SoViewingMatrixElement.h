// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbMatrix.h"

// The world-to-camera matrix of the current camera (row vectors, as SbMatrix).
class SoViewingMatrixElement : public SoValueElementOf<SoViewingMatrixElement, SbMatrix> {
 public:
  static constexpr const char* kClassName = "SoViewingMatrixElement";

  static void set(SoState* state, const SbMatrix& matrix) {
    if (auto* element = getWritable(state)) element->value_ = matrix;
  }
  static const SbMatrix& get(SoState* state) { return getValue(state); }
};
