// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoAngularAxis.h"

#include <numbers>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"

SO_NODE_SOURCE(PoAngularAxis)

using namespace plivex;

void PoAngularAxis::initClass() { SO_NODE_INIT_CLASS(PoAngularAxis, "PoAngularAxis"); }

PoAngularAxis::PoAngularAxis() {
  SO_NODE_CONSTRUCTOR(PoAngularAxis);
  SO_NODE_ADD_FIELD(offset, (0.0f));
  SO_NODE_ADD_FIELD(startAngle, (0.0f));
  SO_NODE_ADD_FIELD(endAngle, (2.0f * std::numbers::pi_v<float>));
  SO_NODE_ADD_FIELD(radius, (1.0f));
  SO_NODE_ADD_FIELD(angleStep, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
}

PoAngularAxis::~PoAngularAxis() = default;

void PoAngularAxis::describe(detail::AxisShape& shape) const {
  shape.path.isArc = true;
  shape.path.radius = radius.getValue();
  shape.path.fromAngle = startAngle.getValue();
  shape.path.toAngle = endAngle.getValue();
  shape.orientation = detail::AxisOrientation::Angular;
  constexpr double kDegrees = 180 / std::numbers::pi;
  shape.graduations = detail::angleGraduations(
      (double(startAngle.getValue()) + offset.getValue()) * kDegrees,
      (double(endAngle.getValue()) + offset.getValue()) * kDegrees, angleStep.getValue() * kDegrees,
      gradFit.getValue() != enumValue(kGradFit, "UNFIT"));
}
