// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SbBox3f.h"

#include <algorithm>

#include "platform/scenar/basic/SbMatrix.h"

SbVec3f SbBox3f::getCenter() const {
  if (isEmpty()) return SbVec3f(0.0f, 0.0f, 0.0f);
  return SbVec3f(0.5f * (min_[0] + max_[0]), 0.5f * (min_[1] + max_[1]),
                 0.5f * (min_[2] + max_[2]));
}

SbVec3f SbBox3f::getSize() const {
  if (isEmpty()) return SbVec3f(0.0f, 0.0f, 0.0f);
  return max_ - min_;
}

void SbBox3f::extendBy(const SbVec3f& point) {
  for (int i = 0; i < 3; ++i) {
    min_[i] = std::min(min_[i], point[i]);
    max_[i] = std::max(max_[i], point[i]);
  }
}

void SbBox3f::extendBy(const SbBox3f& box) {
  if (box.isEmpty()) return;
  extendBy(box.min_);
  extendBy(box.max_);
}

void SbBox3f::transform(const SbMatrix& m) {
  if (isEmpty()) return;
  SbBox3f result;
  for (int corner = 0; corner < 8; ++corner) {
    const SbVec3f p((corner & 1) ? max_[0] : min_[0], (corner & 2) ? max_[1] : min_[1],
                    (corner & 4) ? max_[2] : min_[2]);
    SbVec3f q;
    m.multVecMatrix(p, q);
    result.extendBy(q);
  }
  *this = result;
}

bool SbBox3f::intersect(const SbVec3f& point) const {
  for (int i = 0; i < 3; ++i)
    if (!(point[i] >= min_[i] && point[i] <= max_[i])) return false;
  return true;
}
