// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoLinearAxis.h"

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"

SO_NODE_SOURCE(PoLinearAxis)

using namespace plivex;

void PoLinearAxis::initClass() { SO_NODE_INIT_CLASS(PoLinearAxis, "PoLinearAxis"); }

PoLinearAxis::PoLinearAxis() {
  SO_NODE_CONSTRUCTOR(PoLinearAxis);
  SO_NODE_ADD_FIELD(step, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
  PO_NODE_ADD_ENUM_FIELD(multFactorPosition, kMultFactorPosition, "END");
  SO_NODE_ADD_FIELD(multFactorDistAxis, (0.05f));
}

PoLinearAxis::~PoLinearAxis() = default;

void PoLinearAxis::graduate(detail::AxisShape& shape, float from, float to) const {
  shape.graduations = detail::linearGraduations(
      from, to, step.getValue(), gradFit.getValue() != enumValue(kGradFit, "UNFIT"), format_);
  shape.multFactorPosition = multFactorPosition.getValue();
  shape.multFactorDistAxis = multFactorDistAxis.getValue();
}
