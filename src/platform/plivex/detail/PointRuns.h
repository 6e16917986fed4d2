// SPDX-License-Identifier: Apache-2.0
#pragma once

// Points drawn in runs of the same length: segments, triangles, quadrilaterals.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/nodes/SoCoordinate3.h"
#include "platform/scenar/nodes/SoGroup.h"

namespace plivex::detail {

// Adds the points and a Set (a line or face set) drawing them perRun at a
// time; nothing when there is not one whole run.
template <typename Set>
void addRuns(SoGroup* into, const std::vector<SbVec3f>& points, int perRun) {
  const int runs = static_cast<int>(points.size()) / perRun;
  if (runs == 0) return;
  auto* coordinates = new SoCoordinate3;
  coordinates->point.setValues(0, runs * perRun, points.data());
  auto* set = new Set;
  const std::vector<int32_t> counts(static_cast<std::size_t>(runs), perRun);
  set->numVertices.setValues(0, runs, counts.data());
  into->addChild(coordinates);
  into->addChild(set);
}

}  // namespace plivex::detail
