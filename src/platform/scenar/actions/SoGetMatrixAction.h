// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// Computes the object-to-world matrix of a path's tail, and its inverse: the
// product of the transforms that act on the tail, the tail's own included.
// Applied to a node it gives the node's own effect on the matrix.
//
// Conventions: row vectors as in SbMatrix; a world point is p * getMatrix().
// What lies below the tail and what a separator keeps to itself (a separator
// not on the path, or the node applied to) does not count.
class SoGetMatrixAction : public SoAction {
  SO_ACTION_HEADER(SoGetMatrixAction);

 public:
  explicit SoGetMatrixAction(const SbViewportRegion& region);

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }

  const SbMatrix& getMatrix() const { return matrix_; }
  const SbMatrix& getInverse() const { return inverse_; }

  // Called by transforms: the matrix applies before the ones met so far.
  void mult(const SbMatrix& matrix, const SbMatrix& inverse);
  void mult(const SbMatrix& matrix) { mult(matrix, matrix.inverse()); }

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  static void callGetMatrix(SoAction* action, SoNode* node);

  SbViewportRegion region_;
  SbMatrix matrix_;
  SbMatrix inverse_;
  bool tailReached_ = false;
};
