// SPDX-License-Identifier: Apache-2.0
#pragma once

// Which graduations an axis marks and how: main ticks with their texts and
// grid lines, sub-ticks, and the texts of the kind's own sub graduations.

#include <vector>

#include "platform/plivex/detail/AxisGraduations.h"
#include "platform/plivex/detail/AxisLook.h"

namespace plivex::detail {

struct AxisMarks {
  std::vector<Graduation> main;  // a main tick each, and a grid line
  std::vector<double> subTicks;
  std::vector<Graduation> subTexts;
};

// The marks of graduations as the tick fields say:
// - tickFirstGrad and tickLastGrad: only the graduations from the
//   tickFirstGrad-th from the start to the tickLastGrad-th from the end are
//   marked (1: the first and the last; 0 counts as 1);
// - tickSubDef NUM_SUB: tickNumOrPeriod sub-ticks evenly between two main
//   graduations, and at that spacing on to the ends of the graduated range
//   when no graduation is left out; a kind with sub graduations of its own
//   has its sub-ticks there instead, and none when tickNumOrPeriod is 0;
// - tickSubDef PERIOD_MAIN: every tickNumOrPeriod-th graduation (0 counts as
//   1) is a main one; those between get a sub-tick, no text and no grid line.
// The multiplication factor goes to the last main text when placed at GRAD,
// then the suffix to every main text; reverse runs the places end to start.
AxisMarks axisMarks(const Graduations& graduations, const AxisLook& look, bool factorInText);

}  // namespace plivex::detail
