// SPDX-License-Identifier: Apache-2.0
#pragma once

// The drawing every axis kind shares: from what the kind says about itself
// (its path, plane, orientation and graduations) and the common fields, the
// axis's geometry.

#include "platform/plivex/detail/AxisGeometry.h"
#include "platform/plivex/detail/AxisGraduations.h"
#include "platform/plivex/detail/AxisLook.h"

class SoNode;

namespace plivex::detail {

// What an axis kind supplies.
struct AxisShape {
  AxisPath path;
  PlaneFrame plane;
  AxisOrientation orientation = AxisOrientation::X;
  Graduations graduations;
  // Where the multiplication factor goes (a value of kMultFactorPosition),
  // for the kinds that have the fields.
  int multFactorPosition = enumValue(kMultFactorPosition, "END");
  float multFactorDistAxis = 0;
};

// A separator holding, in the plane's coordinates: the line, ticks and
// sub-ticks as one line set; the grid in light grey; the arrow as a face set;
// the texts of the graduations, of the multiplication factor and the title.
// nullptr when the path is not finite.
SoNode* drawAxis(const AxisShape& shape, const AxisLook& look);

}  // namespace plivex::detail
