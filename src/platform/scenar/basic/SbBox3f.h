// SPDX-License-Identifier: Apache-2.0
#pragma once

// An axis-aligned box given by its minimum and maximum corners. A box is
// empty when its minimum exceeds its maximum on some axis; a new box is empty
// (minimum +FLT_MAX, maximum -FLT_MAX on every axis) and grows by extendBy.

#include <cfloat>

#include "platform/scenar/basic/SbLinear.h"

class SbMatrix;

class SbBox3f {
 public:
  SbBox3f() = default;
  SbBox3f(float xmin, float ymin, float zmin, float xmax, float ymax, float zmax)
      : min_(xmin, ymin, zmin), max_(xmax, ymax, zmax) {}
  SbBox3f(const SbVec3f& min, const SbVec3f& max) : min_(min), max_(max) {}

  void makeEmpty() { *this = SbBox3f(); }
  bool isEmpty() const { return max_[0] < min_[0] || max_[1] < min_[1] || max_[2] < min_[2]; }

  void setBounds(float xmin, float ymin, float zmin, float xmax, float ymax, float zmax) {
    min_.setValue(xmin, ymin, zmin);
    max_.setValue(xmax, ymax, zmax);
  }
  void setBounds(const SbVec3f& min, const SbVec3f& max) {
    min_ = min;
    max_ = max;
  }
  void getBounds(SbVec3f& min, SbVec3f& max) const {
    min = min_;
    max = max_;
  }
  const SbVec3f& getMin() const { return min_; }
  const SbVec3f& getMax() const { return max_; }
  // The middle of the box; the origin for an empty box.
  SbVec3f getCenter() const;
  // Extent per axis; zero for an empty box.
  SbVec3f getSize() const;

  // Grows the box to hold the point, or the other box (an empty one adds nothing).
  void extendBy(const SbVec3f& point);
  void extendBy(const SbBox3f& box);

  // Replaces the box by the smallest box holding its eight corners mapped by
  // m (points, with w divide). An empty box stays empty.
  void transform(const SbMatrix& m);

  // True when the point lies inside or on the boundary.
  bool intersect(const SbVec3f& point) const;

  friend bool operator==(const SbBox3f& a, const SbBox3f& b) = default;

 private:
  SbVec3f min_{FLT_MAX, FLT_MAX, FLT_MAX};
  SbVec3f max_{-FLT_MAX, -FLT_MAX, -FLT_MAX};
};
