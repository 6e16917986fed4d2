// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoPolarAxis.h"

#include <cmath>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"

SO_NODE_SOURCE(PoPolarAxis)

using namespace plivex;

void PoPolarAxis::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoPolarAxis, "PoPolarAxis"); }

PoPolarAxis::PoPolarAxis() {
  SO_NODE_CONSTRUCTOR(PoPolarAxis);
  SO_NODE_ADD_FIELD(offset, (0.0f));
  SO_NODE_ADD_FIELD(startRadius, (0.0f));
  SO_NODE_ADD_FIELD(endRadius, (1.0f));
  SO_NODE_ADD_FIELD(theta, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(multFactorPosition, kMultFactorPosition, "END");
  SO_NODE_ADD_FIELD(multFactorDistAxis, (0.05f));
}

PoPolarAxis::~PoPolarAxis() = default;

void PoPolarAxis::describe(detail::AxisShape& shape) const {
  const float angle = theta.getValue();
  const SbVec3f outward(std::cos(angle), std::sin(angle), 0);
  const float from = startRadius.getValue(), to = endRadius.getValue();
  shape.path.origin = outward * from;
  shape.path.along = to >= from ? outward : -outward;
  shape.path.length = std::fabs(to - from);
  shape.path.above = SbVec3f(-outward[1], outward[0], 0);
  shape.orientation = detail::AxisOrientation::Radial;
  shape.graduations = graduate(double(from) + offset.getValue(), double(to) + offset.getValue());
  shape.multFactorPosition = multFactorPosition.getValue();
  shape.multFactorDistAxis = multFactorDistAxis.getValue();
}
