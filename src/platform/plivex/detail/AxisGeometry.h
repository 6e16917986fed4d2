#pragma once

// What the axes draw with: a line set of separate segments, and the places of
// their main ticks.

#include <vector>

#include "platform/scenar/basic/SbLinear.h"

class SoNode;

namespace plivex::detail {

// Every tick list stops at this many ticks: a step too small for the axis's
// length, or a range of decades too wide, draws no more.
constexpr int kMaxTicks = 1000;

// A separator holding a line set of one segment per pair of points, and the
// points; nullptr when there are none.
SoNode* segmentsOf(const std::vector<SbVec3f>& segmentEnds);

// Positions from `from` to `to` (either order) at multiples of step counted
// from `from`, ends included; a step that is not positive, or too small to
// stay within kMaxTicks, gives ten intervals.
std::vector<float> evenTicks(float from, float to, float step);
// The whole numbers from `from` to `to` (either order): the decades of a
// logarithmic axis whose coordinates are powers of ten.
std::vector<float> decadeTicks(float from, float to);
// count positions spread evenly from `from` to `to`, ends included (one: at `from`).
std::vector<float> spreadTicks(float from, float to, int count);

}  // namespace plivex::detail
