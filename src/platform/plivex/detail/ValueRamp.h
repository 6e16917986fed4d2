// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the value legends show: the stand-in has no colour mapping, so each
// kind lists a default one, its values coloured along a blue-to-red ramp, and
// labels the boxes as its kind says.

#include <string>
#include <vector>

#include "platform/scenar/basic/SbLinear.h"

namespace plivex::detail {

// The linear legends' values: 0 to 1 in steps of 0.1.
constexpr int kLinearValueCount = 11;
// The non-linear legends' levels, spread unevenly.
constexpr double kNonLinearLevels[] = {0.1, 0.2, 0.5, 1, 2, 5, 10, 20};

// The colour at t along blue, cyan, green, yellow and red, t from 0 to 1
// (clamped; NaN gives blue).
SbColor rampColor(float t);

// Which values a legend shows: from the first-th to the last-th counted back
// from the end (both 1-based), every period-th of them labelled.
struct ValueSelection {
  int first = 1;
  int last = 1;
  int period = 1;
};

// One coloured box of a value legend, in ascending order of values.
struct ValueBox {
  float rampAt = 0;        // its place on the ramp, 0 to 1
  std::string label;       // beside the box's middle
  std::string lowerLabel;  // at the box's boundary towards the lower values
  std::string upperLabel;  // at its boundary towards the higher values
};

// The distribution: 0 every period-th value; 1 at most six evenly spaced
// values, every period-th or more sparsely; 2 the first and the last value.
// Other numbers are taken as 0.
std::vector<ValueBox> linearValueBoxes(int distribution, const ValueSelection& selection);
// A box per interval: below the first level ("< 0.1"), between two levels
// ("0.1 - 0.2") and above the last one ("> 20").
std::vector<ValueBox> intervalValueBoxes(const std::string& less, const std::string& greater,
                                         const std::string& separator,
                                         const ValueSelection& selection);
// A box per interval between two levels, the levels written on the boundaries.
std::vector<ValueBox> boundaryValueBoxes(const ValueSelection& selection);
// A box per level, written beside it.
std::vector<ValueBox> levelValueBoxes(const ValueSelection& selection);

}  // namespace plivex::detail
