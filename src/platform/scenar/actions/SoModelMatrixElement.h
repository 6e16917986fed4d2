// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/actions/SoValueElement.h"
#include "platform/scenar/basic/SbMatrix.h"

// The object-to-world matrix of the shapes that follow. With SbMatrix's row
// vectors a world point is p * M; a transform met during the traversal applies
// before the ones met earlier, so it multiplies the matrix from the left.
class SoModelMatrixElement : public SoValueElementOf<SoModelMatrixElement, SbMatrix> {
 public:
  static constexpr const char* kClassName = "SoModelMatrixElement";

  static void set(SoState* state, const SbMatrix& matrix) {
    if (auto* element = getWritable(state)) element->value_ = matrix;
  }
  static void makeIdentity(SoState* state) { set(state, SbMatrix()); }
  // M = matrix * M.
  static void mult(SoState* state, const SbMatrix& matrix) {
    if (auto* element = getWritable(state)) element->value_.multLeft(matrix);
  }
  // M = translate(translation) * M.
  static void translateBy(SoState* state, const SbVec3f& translation) {
    if (auto* element = getWritable(state)) {
      SbMatrix t;
      t.setTranslate(translation);
      element->value_.multLeft(t);
    }
  }
  static const SbMatrix& get(SoState* state) { return getValue(state); }
};
