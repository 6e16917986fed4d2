// SPDX-License-Identifier: Apache-2.0
#pragma once

// The lines and markers an item legend draws in its boxes, as segments in the
// box's own units.

#include <string_view>
#include <vector>

#include "platform/scenar/basic/SbLinear.h"

namespace plivex::detail {

// The stretches [from, to] of 0..1 a line of the given pattern draws: 0 solid,
// 1 dashed, 2 dotted, 3 dash-dot, 4 long dashes; other numbers count around.
std::vector<SbVec2f> linePattern(int pattern);

// The marker named shape as pairs of segment ends within [-0.5, 0.5]²: "+"
// or "plus", "x" or "cross", "*" or "star", "o" or "circle", "square",
// "diamond", "triangle". Other names draw "+".
std::vector<SbVec2f> markerSegments(std::string_view shape);

}  // namespace plivex::detail
